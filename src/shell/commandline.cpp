// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/commandline.h"

#include "platform/mediapaths.h"
#include "shell/startup.h"
#include "worksheets/worksheetsfolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace shell {
namespace {

// Options that Qt's application objects take themselves.
const char* const kToolkitOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void hide(QCommandLineOption& option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption fit(QStringLiteral("fit"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({fit, help, version});
    for (const char* name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        hide(option);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        hide(option);
        parser.addOption(option);
    }

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Refuse;
        result.problem = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Refuse;
        result.problem =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    } else if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
    }
    result.fit = parser.isSet(fit);
    return result;
}

QString helpText(const QString& contentFolder, const QString& worksheetsFolder) {
    return QStringLiteral(
               "Usage: corvella [--fit]\n"
               "\n"
               "Corvella: Earth and space science for primary schools. Without options the\n"
               "program opens its window of 800 by 600 pixels in the middle of the display.\n"
               "\n"
               "Options:\n"
               "  --fit          scale the whole program to the largest size that fits the\n"
               "                 display, for a classroom projector\n"
               "  -h, --help     show this help and end\n"
               "  -v, --version  show the version and end\n"
               "\n"
               "Content folder: %1\n"
               "Worksheets folder: %2\n")
        .arg(contentFolder, worksheetsFolder);
}

QString versionText() {
    return QStringLiteral("Corvella " CORVELLA_VERSION "\n");
}

int answerCommandLine(const CommandLine& commandLine, int argc, char** argv) {
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp: {
        // Finding the folders needs the program's folder and name, which the
        // application object knows; a windowless one needs no display.
        QCoreApplication application(argc, argv);
        nameApplication();
        print(stdout, helpText(platform::contentRoot(), worksheets::worksheetsFolder()));
        return 0;
    }
    case CommandLine::Action::ShowVersion:
        print(stdout, versionText());
        return 0;
    case CommandLine::Action::Refuse:
        print(stderr, QStringLiteral("corvella: %1\nTry 'corvella --help' for the options.\n")
                          .arg(commandLine.problem));
        return 2;
    case CommandLine::Action::Start:
        break;
    }
    return 0;
}

} // namespace shell
