// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what starts, answers on the terminal or is refused; and no display.

#include "platform/displaycheck.h"
#include "shell/commandline.h"

#include <QProcess>
#include <QtTest>

using shell::CommandLine;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(Action)

static const QString kNoDesktop =
    QStringLiteral("corvella: this program needs a graphical desktop, and ");

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    // `problem` is a part of the refusal; `fit` is not read when refused.
    void reading_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("fit");
        QTest::addColumn<QString>("problem");
        auto row = [](const char* arguments, Action action, bool fit, const char* problem = "") {
            QTest::newRow(*arguments ? arguments : "nothing")
                << arguments << action << fit << problem;
        };
        row("", Action::Start, false);
        row("--fit", Action::Start, true);
        row("-fit", Action::Start, true);
        row("-h", Action::ShowHelp, false);
        row("--fit -v", Action::ShowVersion, true);
        row("--version --help", Action::ShowHelp, false);
        // The toolkit's own options go through to the application object.
        row("-platform offscreen --fit -reverse -style=fusion", Action::Start, true);
        row("--fullscreen", Action::Refuse, false, "'fullscreen'");
        row("--help --bogus", Action::Refuse, false, "'bogus'");
        row("--fit=2", Action::Refuse, false, "'--fit'");
        row("worksheet.txt", Action::Refuse, false, "'worksheet.txt'");
        row("-platform", Action::Refuse, false, "'-platform'");
    }
    void reading() {
        QFETCH(QString, arguments);
        QFETCH(Action, action);
        QFETCH(bool, fit);
        QFETCH(QString, problem);
        const CommandLine read = shell::readCommandLine(QStringList{"corvella"} +
                                                        arguments.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(read.action, action);
        if (action != Action::Refuse)
            QCOMPARE(read.fit, fit);
        QVERIFY2(problem.isEmpty() == read.problem.isEmpty() && read.problem.contains(problem),
                 qPrintable(read.problem));
    }

    void helpNamesTheOptionsAndTheFolders() {
        const QString help = shell::helpText("/srv/corvella", "/srv/worksheets");
        QVERIFY(help.startsWith(QStringLiteral("Usage: corvella [--fit]\n")));
        QVERIFY(help.contains("--help") && help.contains("--version"));
        QVERIFY(
            help.contains("Content folder: /srv/corvella\nWorksheets folder: /srv/worksheets\n"));
    }

    // DISPLAY, QT_QPA_PLATFORM, WAYLAND_DISPLAY; an empty answer leaves the window system to try.
    void displayProblem_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("said");
        const QString unset = kNoDesktop + "no display is set (DISPLAY is empty).";
        QTest::newRow("no display at all") << QStringList{"", "", ""} << unset;
        QTest::newRow("xcb asked for") << QStringList{"", "xcb", "wayland-0"} << unset;
        QTest::newRow("a display nobody serves")
            << QStringList{":4711", "", ""}
            << kNoDesktop + "the display \":4711\" cannot be opened.";
        QTest::newRow("offscreen") << QStringList{"", "offscreen", ""} << QString();
        QTest::newRow("Wayland") << QStringList{"", "", "wayland-0"} << QString();
    }
    void displayProblem() {
        QFETCH(QStringList, environment);
        QFETCH(QString, said);
        QCOMPARE(platform::displayProblem(environment[0], environment[1], environment[2]), said);
    }

    // Without a display: one line and status 1, while --help and --version answer as ever.
    void withoutADisplayTheProgramSaysSoInOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stdoutStart");
        QTest::addColumn<QString>("stderr");
        const QString said = kNoDesktop + "the display \":4711\" cannot be opened.\n";
        QTest::newRow("start") << QStringList() << 1 << "" << said;
        QTest::newRow("--fit") << QStringList{"--fit"} << 1 << "" << said;
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: corvella" << QString();
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "Corvella " << QString();
    }
    void withoutADisplayTheProgramSaysSoInOneLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, stdoutStart);
        QFETCH(QString, stderr);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4711"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(CORVELLA_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        QCOMPARE(out.left(stdoutStart.size()), stdoutStart);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), stderr);
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
