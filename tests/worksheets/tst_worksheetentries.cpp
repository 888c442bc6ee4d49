// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetentries.h"

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
    }
    void titlesTheListOrTheDiskCannotTakeAreRefused() {
        QFETCH(QString, title);
        QFETCH(bool, refused);
        const std::optional<QString> problem = titleProblem(title);
        QCOMPARE(bool(problem), refused);
        if (problem)
            QVERIFY(problem->contains(QStringLiteral("title")));
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
