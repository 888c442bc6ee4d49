// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/guardedapplication.h"

#include "platform/services.h"

#include <QTimer>
#include <exception>

namespace platform {
namespace {

// Reported once the failed handler has unwound, not from inside it.
void reportLater(const QString& detail) {
    QTimer::singleShot(0, [detail] {
        QString text = QString::fromLatin1(kUnexpectedProblem);
        if (!detail.isEmpty())
            text += u'\n' + detail;
        messages().ok(text);
    });
}

} // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportLater(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportLater(QString());
    }
    return false;
}

} // namespace platform
