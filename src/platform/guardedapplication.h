// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object of the program. Every event, timer tick and click
// handler runs inside its notify(); an exception that a handler lets out is
// stopped there and reported, since one that reached Qt's event loop would
// end the program and lose what the user was doing.

#include <QApplication>

namespace platform {

// What the user is told when a handler failed unexpectedly.
inline const char* const kUnexpectedProblem =
    "Sorry, something went wrong and the last action was stopped.";

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace platform
