// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what starts the program, what only answers on the
// terminal, and what is refused; and the program started without a display.

#include "platform/displaycheck.h"
#include "shell/commandline.h"

#include <QProcess>
#include <QtTest>

using shell::CommandLine;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(Action)

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("fit");
        QTest::addColumn<QString>("problem");
        QTest::newRow("nothing") << QStringList{} << Action::Start << false << "";
        QTest::newRow("--fit") << QStringList{"--fit"} << Action::Start << true << "";
        QTest::newRow("-fit") << QStringList{"-fit"} << Action::Start << true << "";
        QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << false << "";
        QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << false << "";
        QTest::newRow("--version")
            << QStringList{"--version"} << Action::ShowVersion << false << "";
        QTest::newRow("-v with --fit")
            << QStringList{"--fit", "-v"} << Action::ShowVersion << true << "";
        QTest::newRow("help before version")
            << QStringList{"--version", "--help"} << Action::ShowHelp << false << "";
        // The toolkit's own options go through to the application object.
        QTest::newRow("toolkit options")
            << QStringList{"-platform", "offscreen", "--fit", "-reverse", "-style=fusion"}
            << Action::Start << true << "";
        QTest::newRow("unknown option")
            << QStringList{"--fullscreen"} << Action::Refuse << false << "'fullscreen'";
        QTest::newRow("unknown beside --help")
            << QStringList{"--help", "--bogus"} << Action::Refuse << false << "'bogus'";
        QTest::newRow("a value for --fit")
            << QStringList{"--fit=2"} << Action::Refuse << false << "'--fit'";
        QTest::newRow("a file name")
            << QStringList{"worksheet.txt"} << Action::Refuse << false << "'worksheet.txt'";
        QTest::newRow("a toolkit option without its value")
            << QStringList{"-platform"} << Action::Refuse << false << "'-platform'";
    }
    void reading() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(bool, fit);
        QFETCH(QString, problem);
        const CommandLine read = shell::readCommandLine(QStringList{"corvella"} + arguments);
        QCOMPARE(read.action, action);
        if (action != Action::Refuse)
            QCOMPARE(read.fit, fit);
        if (problem.isEmpty())
            QVERIFY(read.problem.isEmpty());
        else
            QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
    }

    void helpNamesTheOptionsAndTheFolders() {
        const QString help = shell::helpText(QStringLiteral("/srv/school/corvella"),
                                             QStringLiteral("/srv/school/worksheets"));
        QVERIFY(help.startsWith(QStringLiteral("Usage: corvella [--fit]\n")));
        for (const char* option : {"--fit", "--help", "--version"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
        QVERIFY(help.contains(QStringLiteral("Content folder: /srv/school/corvella\n")));
        QVERIFY(help.contains(QStringLiteral("Worksheets folder: /srv/school/worksheets\n")));
    }

    void displayProblem_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("said"); // empty: the window system is left to try
        const QString needs = QStringLiteral("corvella: this program needs a graphical desktop");
        QTest::newRow("no display at all")
            << ""
            << ""
            << "" << needs + ", and no display is set (DISPLAY is empty).";
        QTest::newRow("xcb asked for, no display")
            << ""
            << "xcb"
            << "wayland-0" << needs + ", and no display is set (DISPLAY is empty).";
        QTest::newRow("a display nobody serves")
            << ":4711"
            << ""
            << "" << needs + ", and the display \":4711\" cannot be opened.";
        QTest::newRow("offscreen needs none") << ""
                                              << "offscreen"
                                              << ""
                                              << "";
        QTest::newRow("a Wayland desktop") << ""
                                           << ""
                                           << "wayland-0"
                                           << "";
    }
    void displayProblem() {
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QFETCH(QString, wayland);
        QFETCH(QString, said);
        QCOMPARE(platform::displayProblem(display, platform, wayland), said);
    }

    // The program itself: one line and status 1 without a display, while
    // --help and --version answer as ever.
    void withoutADisplayTheProgramSaysSoInOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stdoutStart");
        QTest::addColumn<QString>("stderr");
        QTest::newRow("start") << QStringList() << 1 << ""
                               << "corvella: this program needs a graphical desktop, and the "
                                  "display \":4711\" cannot be opened.\n";
        QTest::newRow("--fit") << QStringList{"--fit"} << 1 << ""
                               << "corvella: this program needs a graphical desktop, and the "
                                  "display \":4711\" cannot be opened.\n";
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: corvella"
                                << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "Corvella "
                                   << "";
    }
    void withoutADisplayTheProgramSaysSoInOneLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, stdoutStart);
        QFETCH(QString, stderr);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
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
