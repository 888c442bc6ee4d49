// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/displaycheck.h"

#include <xcb/xcb.h>

namespace platform {
namespace {
const QString kNeedsDesktop = QStringLiteral("corvella: this program needs a graphical desktop");

QString argumentValue(const QStringList& arguments, const QString& name) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        for (const QString& form : {QStringLiteral("-") + name, QStringLiteral("--") + name}) {
            if (a == form && i + 1 < arguments.size())
                return arguments[i + 1];
            if (a.startsWith(form + u'='))
                return a.mid(form.size() + 1);
        }
    }
    return QString();
}
} // namespace

QString displayProblem(const QString& display, const QString& platformName,
                       const QString& waylandDisplay) {
    if (!platformName.isEmpty() && !platformName.startsWith(QLatin1String("xcb")))
        return QString();
    if (display.isEmpty()) {
        if (platformName.isEmpty() && !waylandDisplay.isEmpty())
            return QString(); // a Wayland desktop: the toolkit finds its own way
        return kNeedsDesktop + QStringLiteral(", and no display is set (DISPLAY is empty).");
    }
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (answered)
        return QString();
    return kNeedsDesktop +
           QStringLiteral(", and the display \"%1\" cannot be opened.").arg(display);
}

QString displayProblem(const QStringList& arguments) {
    QString platformName = argumentValue(arguments, QStringLiteral("platform"));
    if (platformName.isEmpty())
        platformName = qEnvironmentVariable("QT_QPA_PLATFORM");
    QString display = argumentValue(arguments, QStringLiteral("display"));
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    return displayProblem(display, platformName, qEnvironmentVariable("WAYLAND_DISPLAY"));
}

} // namespace platform
