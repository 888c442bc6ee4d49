// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/questionfile.h"
#include "worksheets/worksheetentries.h"

#include <QFile>
#include <QTemporaryDir>

#include <QTest>

using namespace worksheets;

namespace {

// Every box filled, option A ticked on every question.
WorksheetEntries completeEntries() {
    WorksheetEntries entries;
    entries.title = QStringLiteral("Rocks");
    for (int q = 0; q < 10; ++q) {
        entries.questions[q] = QStringLiteral("Question %1?").arg(q + 1);
        for (int k = 0; k < 4; ++k)
            entries.options[4 * q + k] = QStringLiteral("Option %1").arg(k);
        entries.ticks[4 * q] = true;
    }
    return entries;
}

QString problemOf(const WorksheetEntries& entries) {
    return entriesProblem(entries).value_or(QStringLiteral("(none)"));
}

} // namespace

class WorksheetEntriesTest : public QObject {
    Q_OBJECT

private slots:
    void checksComeInTheirOrder() {
        // The wizard's own test covers the first message of each kind.
        WorksheetEntries entries = completeEntries();
        QCOMPARE(problemOf(entries), QStringLiteral("(none)"));
        entries.options[4 * 3 + 2].clear(); // question 4, option C
        entries.questions[1].clear();       // an earlier question comes first
        QCOMPARE(problemOf(entries), QStringLiteral("You have not completed Question 2"));

        entries = completeEntries();
        entries.ticks[4 * 6] = false;
        QCOMPARE(problemOf(entries),
                 QStringLiteral("You have not ticked the correct answer for Question 7"));

        // An empty option D is found before a missing tick on the same question.
        entries.options[4 * 6 + 3].clear();
        QCOMPARE(problemOf(entries), QStringLiteral("You have not completed Question 7"));

        entries = completeEntries();
        entries.ticks[4 * 9] = false;
        entries.ticks[4 * 9 + 3] = true; // the last box of all counts
        entries.questions[9] = QStringLiteral(" ");
        entries.options[0] = QStringLiteral("   "); // spaces are not empty
        QCOMPARE(problemOf(entries), QStringLiteral("(none)"));

        entries.title = QStringLiteral("Rocks, soil");
        QVERIFY(problemOf(entries).startsWith(QStringLiteral("Your worksheet title cannot")));
    }

    void titlesTheListOrTheDiskCannotTakeAreRefused_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("refused");
        const auto row = [](const char* name, const QString& title, bool refused) {
            QTest::newRow(name) << title << refused;
        };
        row("comma", QStringLiteral("Sun, Moon"), true);
        row("slash", QStringLiteral("Sun/Moon"), true);
        row("backslash", QStringLiteral("Sun\\Moon"), true);
        row("colon", QStringLiteral("Tides: 1"), true);
        row("star", QStringLiteral("Star*"), true);
        row("question mark", QStringLiteral("Why?"), true);
        row("quote", QStringLiteral("\"Moon\""), true);
        row("angle", QStringLiteral("<Moon>"), true);
        row("bar", QStringLiteral("Sun|Moon"), true);
        row("tab", QStringLiteral("Sun\tMoon"), true);
        row("leading space", QStringLiteral(" Moon"), true);
        row("trailing space", QStringLiteral("Moon "), true);
        row("trailing full stop", QStringLiteral("Moon."), true);
        row("dot", QStringLiteral("."), true);
        row("dot dot", QStringLiteral(".."), true);
        row("device", QStringLiteral("CON"), true);
        row("device any case", QStringLiteral("nul"), true);
        row("device with a dot", QStringLiteral("com1.quiz"), true);
        row("printer port", QStringLiteral("LPT9"), true);
        row("outside the code page", QStringLiteral("Łódź"), true);
        row("the list's own name", QStringLiteral("track"), true);
        row("the list's name in capitals", QStringLiteral("TRACK"), true);

        row("plain", QStringLiteral("The Moon"), false);
        row("ampersand", QStringLiteral("Sun & Moon"), false);
        row("inner dots", QStringLiteral("Dr. Moon's quiz"), false);
        row("leading dot", QStringLiteral(".Moon"), false);
        row("accents", QStringLiteral("Café élève"), false);
        row("euro", QStringLiteral("Cost in €"), false);
        row("device as a word", QStringLiteral("Console"), false);
        row("device later", QStringLiteral("The CON"), false);
        row("numbers", QStringLiteral("COM10"), false);
        row("brackets", QStringLiteral("Year 5 (set 2) - [A]!"), false);
        row("25 characters", QString(25, u'x'), false);
        row("the list's name in a longer title", QStringLiteral("track 2"), false);
    }
    void titlesTheListOrTheDiskCannotTakeAreRefused() {
        QFETCH(QString, title);
        QFETCH(bool, refused);
        const std::optional<QString> problem = titleProblem(title);
        QCOMPARE(bool(problem), refused);
        if (problem)
            QVERIFY(problem->contains(QStringLiteral("title")));
    }

    void charactersAWorksheetCannotStoreAreRefused_data() {
        QTest::addColumn<int>("question"); // 0 to 9
        QTest::addColumn<int>("option");   // 0 to 3 for A to D, -1 for the question itself
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const auto refused = [](const char* where, const char* c) {
            return QStringLiteral("%1 contains \"%2\", which a worksheet cannot store. Please "
                                  "change it.")
                .arg(QString::fromUtf8(where), QString::fromUtf8(c));
        };
        QTest::newRow("pi in an option")
            << 2 << 1 << QStringLiteral("Is π ≈ 3.14?") << refused("Question 3, option B", "π");
        QTest::newRow("subscript in a question")
            << 9 << -1 << QStringLiteral("What is CO₂?") << refused("Question 10", "₂");
        QTest::newRow("tick in the last option")
            << 0 << 3 << QStringLiteral("✓ yes") << refused("Question 1, option D", "✓");
        QTest::newRow("beyond the first plane")
            << 4 << 0 << QStringLiteral("Moon 🌙") << refused("Question 5, option A", "🌙");
        QTest::newRow("the code page's own letters")
            << 0 << 0 << QStringLiteral("Café € “quotes” – ½°") << QStringLiteral("(none)");
        QTest::newRow("a question mark")
            << 6 << -1 << QStringLiteral("Why?") << QStringLiteral("(none)");
    }
    void charactersAWorksheetCannotStoreAreRefused() {
        QFETCH(int, question);
        QFETCH(int, option);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        WorksheetEntries entries = completeEntries();
        (option < 0 ? entries.questions[question] : entries.options[4 * question + option]) = text;
        QCOMPARE(problemOf(entries), problem);
        // Nothing reaches the file that it could not give back.
        if (problem != QStringLiteral("(none)")) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("Rocks.txt"));
            QVERIFY(writeQuestionSet(path, questionSetOf(entries)));
            QVERIFY(!QFile::exists(path));
        }
    }

    void refusalsNameTheCharacter() {
        QCOMPARE(*titleProblem(QStringLiteral("Sun/Moon")),
                 QStringLiteral("Your worksheet title cannot contain the character \"/\". "
                                "Please change the title."));
        QVERIFY(titleProblem(QStringLiteral("aux"))->contains(QStringLiteral("\"aux\"")));
    }

    void entriesAndQuestionSetsConvertBothWays() {
        WorksheetEntries entries = completeEntries();
        for (int q = 0; q < 10; ++q) { // right answers A, B, C, D, A, ...
            entries.ticks[4 * q] = false;
            entries.ticks[4 * q + q % 4] = true;
        }
        entries.options[4 * 9 + 3] = QStringLiteral("Last D");
        const common::QuestionSet set = questionSetOf(entries);
        QCOMPARE(set.title, QStringLiteral("Rocks"));
        QCOMPARE(set.questionText[10], QStringLiteral("Question 10?"));
        QCOMPARE(set.optionA[1], QStringLiteral("Option 0"));
        QCOMPARE(set.optionD[10], QStringLiteral("Last D"));
        QCOMPARE(set.rightAnswer[1], QStringLiteral("1"));
        QCOMPARE(set.rightAnswer[4], QStringLiteral("4"));
        QCOMPARE(set.rightAnswer[10], QStringLiteral("2"));

        const std::optional<WorksheetEntries> back = entriesOf(set);
        QVERIFY(back);
        QCOMPARE(back->title, entries.title);
        QCOMPARE(back->questions, entries.questions);
        QCOMPARE(back->options, entries.options);
        QCOMPARE(back->ticks, entries.ticks);

        common::QuestionSet broken = set;
        broken.rightAnswer[6] = QStringLiteral("5");
        QVERIFY(!entriesOf(broken));
        broken.rightAnswer[6] = QStringLiteral("0");
        QVERIFY(!entriesOf(broken));
    }
};

int runWorksheetEntriesTests(int argc, char** argv) {
    WorksheetEntriesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_worksheetentries.moc"
