// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include "common/screenadaptation.h"
#include "platform/accessibility.h"
#include "platform/appwindow.h"
#include "platform/fonts.h"
#include "platform/scaledaccessibility.h"
#include "platform/screen.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "shell/menuscreen.h"
#include "shell/titlescreen.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace shell {
namespace {

constexpr int kSoundWarmUpMs = 300;

// With CORVELLA_STARTUP_PROBE set, the program reports on standard output
// when the title screen and then the menu are first painted (monotonic clock,
// nanoseconds), pressing "OK" itself in between, and then ends; set to
// "title", it ends once the title is painted (for profiling the way there).
// The start-up benchmark reads these lines.
void installStartupProbe() {
    if (qEnvironmentVariableIsEmpty("CORVELLA_STARTUP_PROBE"))
        return;
    platform::setFirstPaintHook([](platform::Screen& screen) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
        std::printf("painted %s %lld\n", qPrintable(screen.name()), ns);
        std::fflush(stdout);
        const bool titleOnly = qgetenv("CORVELLA_STARTUP_PROBE") == "title";
        if (screen.name() == QLatin1String("titleScreen") && !titleOnly)
            QTimer::singleShot(0, [] { titleScreen().onOkClicked(); });
        else if (screen.name() == QLatin1String("titleScreen") ||
                 screen.name() == QLatin1String("menuScreen"))
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    });
}

// The program's own copies of its icon, compiled in (see src/CMakeLists.txt).
QIcon windowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icon/%1x%1/apps/org.corvella.Corvella.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

} // namespace

void beforeApplication() {
    platform::installAccessibility();
}

void nameApplication() {
    QCoreApplication::setApplicationName(QString::fromLatin1(common::kProductTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVELLA_VERSION));
}

void installCloseHandling() {
    platform::AppWindow::setCloseRequestHandler([] { showExitScreen(); });
}

void start() {
    nameApplication();
    QApplication::setApplicationDisplayName(QString::fromLatin1(common::kProductTitle));
    // The menu entry and the icon that desktops show for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvella.Corvella"));
    QApplication::setWindowIcon(windowIcon());
    platform::registerFonts();
    platform::reportScaledExtents();
    installStartupProbe();
    platform::setEndProgram([] {
        // Every screen goes at once; the program ends a moment later so the
        // last click can still be heard.
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        QTimer::singleShot(150, [] { QCoreApplication::exit(0); });
    });
    installCloseHandling();
    titleScreen().showScreen();
    // The sound module is loaded once the title is up, so that the first
    // click is heard at once, without holding up the title itself.
    QTimer::singleShot(kSoundWarmUpMs, [] { platform::soundPlayer(); });
}

} // namespace shell
