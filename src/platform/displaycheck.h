// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the program can open a window at all. Without a display the
// toolkit would abort with advice about reinstalling; the program says
// instead, in one line, that it needs a graphical desktop.

#include <QString>
#include <QStringList>

namespace platform {

// Why no window can be opened, as one line for standard error, or empty when
// the display answers (or another window system than X11 is asked for, which
// the toolkit then reports itself). `display` is the X11 display to try
// (the DISPLAY variable, or -display's value).
QString displayProblem(const QString& display, const QString& platformName,
                       const QString& waylandDisplay);

// The same, for this run: its arguments and environment.
QString displayProblem(const QStringList& arguments);

} // namespace platform
