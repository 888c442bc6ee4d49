// SPDX-License-Identifier: GPL-3.0-or-later
// The wizard's rules for what it saves, and the catalogue's pages.
#include "questions/questionfile.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/worksheetentries.h"

#include <QFile>
#include <QRegularExpression>
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

QString cannotStore(const char* where, const char* c) {
    return QStringLiteral("%1 contains \"%2\", which a worksheet cannot store. Please change it.")
        .arg(QString::fromUtf8(where), QString::fromUtf8(c));
}

} // namespace

class WorksheetEntriesTest : public QObject {
    Q_OBJECT

private slots:
    // Complete entries changed: the first problem found, in the wizard's words.
    void problems_data() {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("problem");
        const auto row = [](const char* name, const QStringList& edits, const QString& problem) {
            QTest::newRow(name) << edits << problem;
        };
        row("complete", {}, QString());
        row("no title", {"title=", "Q1="}, "You have not chosen a title for your worksheet");
        row("a title the disk cannot take", {"title=Rocks: 1", "Q1="},
            "Your worksheet title cannot contain the character \":\". Please change the title.");
        row("an earlier question first", {"4C=", "Q2="}, "You have not completed Question 2");
        row("no tick", {"7A-"}, "You have not ticked the correct answer for Question 7");
        row("an empty option D before a missing tick", {"7A-", "7D="},
            "You have not completed Question 7");
        row("two ticks", {"7D+"}, "You have ticked more than one correct answer for Question 7");
        row("spaces are not empty, the last tick counts", {"10A-", "10D+", "Q10= ", "1A=   "},
            QString());
        row("pi in an option", {"3B=Is π ≈ 3.14?"}, cannotStore("Question 3, option B", "π"));
        row("subscript in a question", {"Q10=CO₂?"}, cannotStore("Question 10", "₂"));
        row("tick in the last option", {"1D=✓ yes"}, cannotStore("Question 1, option D", "✓"));
        row("beyond the first plane", {"5A=Moon 🌙"}, cannotStore("Question 5, option A", "🌙"));
        row("the code page's own letters", {"1A=Café € “quotes” – ½° Why?"}, QString());
    }
    void problems() {
        QFETCH(QStringList, edits);
        QFETCH(QString, problem);
        WorksheetEntries entries = completeEntries();
        // "title=…", "Q2=…" (question 2), "4C=…" (its option C), "7D+" or "7A-" (ticks)
        static const QRegularExpression edit(
            QStringLiteral("^(title|Q\\d+|\\d+[A-D])([+-]|=(.*))$"));
        for (const QString& text : edits) {
            const QRegularExpressionMatch match = edit.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(text));
            const QString key = match.captured(1);
            const int box = 4 * (key.chopped(1).toInt() - 1) + (key.back().unicode() - u'A');
            if (key == QLatin1String("title"))
                entries.title = match.captured(3);
            else if (key.startsWith(u'Q'))
                entries.questions[key.mid(1).toInt() - 1] = match.captured(3);
            else if (match.captured(2).startsWith(u'='))
                entries.options[box] = match.captured(3);
            else
                entries.ticks[box] = match.captured(2) == QLatin1String("+");
        }
        QCOMPARE(entriesProblem(entries).value_or(QString()), problem);
        if (problem.contains(QStringLiteral("cannot store"))) {
            // Nor does the file writer store what it could not give back.
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("Rocks.txt"));
            QVERIFY(writeQuestionSet(path, questionSetOf(entries)));
            QVERIFY(!QFile::exists(path));
        }
    }

    void titles_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("problem"); // a part of it; empty when the title is taken
        for (const char* refused :
             {"Sun, Moon", "Sun\\Moon", "Tides: 1", "Star*", "Why?",  "\"Moon\"", "<Moon>",
              "Sun|Moon",  "Sun\tMoon", " Moon",    "Moon ", "Moon.", ".",        "..",
              "CON",       "com1.quiz", "LPT9",     "Łódź",  "track", "TRACK"})
            QTest::newRow(refused) << QString::fromUtf8(refused) << QStringLiteral("title");
        QTest::newRow("slash") << QStringLiteral("Sun/Moon")
                               << QStringLiteral("Your worksheet title cannot contain the "
                                                 "character \"/\". Please change the title.");
        QTest::newRow("device") << QStringLiteral("aux") << QStringLiteral("\"aux\"");
        for (const char* taken : {"The Moon", "Sun & Moon", "Dr. Moon's quiz", ".Moon",
                                  "Café élève", "Cost in €", "Console", "The CON", "COM10",
                                  "Year 5 (set 2) - [A]!", "xxxxxxxxxxxxxxxxxxxxxxxxx", "track 2"})
            QTest::newRow(taken) << QString::fromUtf8(taken) << QString();
    }
    void titles() {
        QFETCH(QString, title);
        QFETCH(QString, problem);
        const std::optional<QString> found = titleProblem(title);
        QCOMPARE(bool(found), !problem.isEmpty());
        if (found)
            QVERIFY2(found->contains(problem), qPrintable(*found));
    }

    void entriesAndQuestionSetsConvertBothWays() {
        WorksheetEntries entries = completeEntries();
        for (int q = 0; q < 10; ++q) { // right answers A, B, C, D, A, ...
            entries.ticks[4 * q] = false;
            entries.ticks[4 * q + q % 4] = true;
        }
        entries.options[4 * 9 + 3] = QStringLiteral("Last D");
        const common::QuestionSet set = questionSetOf(entries);
        QCOMPARE(set.questionText[10], QStringLiteral("Question 10?"));
        QCOMPARE(set.optionD[10], QStringLiteral("Last D"));
        QCOMPARE(set.rightAnswer, (std::array<QString, 11>{QString(), "1", "2", "3", "4", "1", "2",
                                                           "3", "4", "1", "2"}));
        const std::optional<WorksheetEntries> back = entriesOf(set);
        QVERIFY(back && *back == entries);
        common::QuestionSet broken = set;
        for (const char* right : {"5", "0"}) {
            broken.rightAnswer[6] = QString::fromLatin1(right);
            QVERIFY(!entriesOf(broken));
        }
    }

    void cataloguePages_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::addColumn<int>("left"); // slots still shown after a deletion left `count`
        QTest::newRow("empty") << 0 << 0 << 1 << 0 << false << false << 0;
        QTest::newRow("one full page") << 0 << 24 << 1 << 24 << false << false << 24;
        QTest::newRow("one more") << 0 << 25 << 1 << 24 << false << true << 24;
        QTest::newRow("its second page") << 1 << 25 << 25 << 25 << true << false << 1;
        QTest::newRow("two full pages") << 1 << 48 << 25 << 48 << true << false << 24;
        QTest::newRow("a full list") << 40 << 1000 << 961 << 984 << true << true << 24;
        QTest::newRow("past the last title") << 1 << 24 << 25 << 24 << true << false << 0;
        QTest::newRow("its last page") << 41 << 1000 << 985 << 1000 << true << false << 16;
    }
    void cataloguePages() {
        QFETCH(int, page);
        QFETCH(int, count);
        const CataloguePage shown = cataloguePage(page, count);
        QTEST(shown.first, "first");
        QTEST(shown.last, "last");
        QTEST(shown.previousShown, "previous");
        QTEST(shown.nextShown, "next");
        QTEST(titlesLeftOnPage(page, count), "left");
        QCOMPARE(shown.caption, QStringLiteral("Page %1").arg(page + 1));
    }
};

int runWorksheetEntriesTests(int argc, char** argv) {
    WorksheetEntriesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_worksheetentries.moc"
