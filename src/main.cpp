// SPDX-License-Identifier: GPL-3.0-or-later
// Corvella: the program starts on the title screen; everything afterwards
// happens in the event loop. The command line may ask for help, the version
// or a window scaled to fit the display instead.

#include "platform/displaycheck.h"
#include "platform/displayscale.h"
#include "platform/guardedapplication.h"
#include "shell/commandline.h"
#include "shell/startup.h"

#include <QStringList>
#include <cstdio>

namespace {
QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char* argv[]) {
    const QStringList arguments = argumentList(argc, argv);
    const shell::CommandLine commandLine = shell::readCommandLine(arguments);
    if (commandLine.action != shell::CommandLine::Action::Start)
        return shell::answerCommandLine(commandLine, argc, argv);
    const QString noDisplay = platform::displayProblem(arguments);
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "%s\n", noDisplay.toLocal8Bit().constData());
        return 1;
    }
    if (commandLine.fit)
        platform::scaleEveryWindow(platform::measureFittedScale(argc, argv));
    shell::beforeApplication();
    platform::GuardedApplication application(argc, argv);
    shell::start();
    return application.exec();
}
