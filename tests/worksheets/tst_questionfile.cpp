// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/sharedstate.h"
#include "questions/fields.h"
#include "questions/questionfile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace worksheets;

namespace {

common::QuestionSet sampleSet(const QString& title = QStringLiteral("Sample")) {
    common::QuestionSet set;
    set.title = title;
    for (int n = 1; n <= kQuestionCount; ++n) {
        set.questionText[n] = QStringLiteral("Question %1?").arg(n);
        set.optionA[n] = QStringLiteral("A%1").arg(n);
        set.optionB[n] = QStringLiteral("B%1").arg(n);
        set.optionC[n] = QStringLiteral("C%1").arg(n);
        set.optionD[n] = QStringLiteral("D%1").arg(n);
        set.rightAnswer[n] = QString::number((n - 1) % 4 + 1);
    }
    return set;
}

QuestionSetRead readBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readQuestionSet(buffer);
}

QList<QByteArray> fileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the final line end
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines) {
    return lines.join('\n') + '\n';
}

// The shared set with a marker in every slot, to see what a load changes.
void fillSharedSet(const QString& marker) {
    common::QuestionSet& questions = common::state().questions;
    questions = sampleSet(marker);
    for (int n = 0; n <= kQuestionCount; ++n)
        questions.questionText[n] = marker;
}

} // namespace

class QuestionFileTest : public QObject {
    Q_OBJECT

private slots:
    void codePageRoundTripsEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(encodeWindows1252(decodeWindows1252(all)), all);
    }

    void codePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Moon, Sun & stars")
                               << QByteArray("Moon, Sun & stars");
        QTest::newRow("latin") << QStringLiteral("café °C")
                               << QByteArray("caf\xE9 \xB0"
                                             "C");
        QTest::newRow("high controls")
            << QStringLiteral("€ … ‘Sun’ – Ÿ") << QByteArray("\x80 \x85 \x91Sun\x92 \x96 \x9F");
        QTest::newRow("outside the code page becomes ?")
            << QStringLiteral("Ω ☀ 🌍!") << QByteArray("? ? ?!");
    }
    void codePage() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeWindows1252(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(decodeWindows1252(bytes), text);
    }

    void writerLaysOutSeventyTwoLines() {
        common::QuestionSet set = sampleSet(QStringLiteral("Tides, waves"));
        set.optionC[10] = QStringLiteral("Sun, Moon");
        const QByteArray bytes = questionSetBytes(set);

        QCOMPARE(bytes.count("\r\n"), kQuestionFileLines);
        QCOMPARE(bytes.count('\n'), kQuestionFileLines);
        QVERIFY(
            bytes.startsWith("Tides& waves\r\n \r\nQuestion 1?\r\nA1\r\nB1\r\nC1\r\nD1\r\n1\r\n "
                             "\r\nQuestion 2?\r\n"));
        QVERIFY(bytes.endsWith("Question 10?\r\nA10\r\nB10\r\nSun& Moon\r\nD10\r\n2\r\n \r\n"));
    }

    void writerKeepsEveryFieldOnItsLine() {
        common::QuestionSet set = sampleSet();
        set.questionText[3] = QStringLiteral("Two\r\nlines");
        const QByteArray bytes = questionSetBytes(set);
        QCOMPARE(bytes.count("\r\n"), kQuestionFileLines);
        QVERIFY(bytes.contains("Two  lines\r\n"));
    }

    void roundTripThroughAFile() {
        common::QuestionSet set = sampleSet(QStringLiteral("Sun, Moon, and Earth"));
        set.questionText[1] = QStringLiteral("Is it hot, cold, or both?");
        set.optionA[2] = QStringLiteral("Salt & pepper");
        set.optionB[3] = QStringLiteral("   Leading spaces");
        set.optionD[10] = QStringLiteral("Café at -5 °C");

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Sun, Moon and Earth.txt"));
        QVERIFY(!writeQuestionSet(path, set));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QuestionSetRead read = readQuestionSet(file);
        QVERIFY2(read.set, qPrintable(read.error));
        QVERIFY(file.atEnd());

        QCOMPARE(read.set->title, set.title);
        QCOMPARE(read.set->questionText[1], set.questionText[1]);
        QCOMPARE(read.set->optionA[2], QStringLiteral("Salt , pepper"));
        QCOMPARE(read.set->optionB[3], QStringLiteral("Leading spaces"));
        QCOMPARE(read.set->optionD[10], set.optionD[10]);
        for (int n = 1; n <= kQuestionCount; ++n)
            QCOMPARE(read.set->rightAnswer[n], set.rightAnswer[n]);
    }

    void readingRules_data() {
        QTest::addColumn<QByteArray>("line3");
        QTest::addColumn<QString>("question1");
        QTest::newRow("leading spaces skipped") << QByteArray("   Why?") << QStringLiteral("Why?");
        QTest::newRow("Windows-1252") << QByteArray("\x93Why\x94 \x96 it\x92s \x80\x85 \xE9")
                                      << QStringLiteral("“Why” – it’s €… é");
        QTest::newRow("comma ends the field")
            << QByteArray("Why, oh why?") << QStringLiteral("Why");
        QTest::newRow("quotes are plain text")
            << QByteArray("\"Why?\" said he") << QStringLiteral("\"Why?\" said he");
        QTest::newRow("trailing spaces kept") << QByteArray("Why? ") << QStringLiteral("Why? ");
        QTest::newRow("empty") << QByteArray("") << QString();
    }
    void readingRules() {
        QFETCH(QByteArray, line3);
        QFETCH(QString, question1);
        QList<QByteArray> lines = fileLines(questionSetBytes(sampleSet()));
        lines[2] = line3 + '\r';
        const QuestionSetRead read = readBytes(joinLines(lines));
        QVERIFY2(read.set, qPrintable(read.error));
        QCOMPARE(read.set->questionText[1], question1);
        QCOMPARE(read.set->optionA[1], QStringLiteral("A1")); // the next line is the next field
    }

    void otherLineEndsAndSeparators() {
        QByteArray bytes = questionSetBytes(sampleSet());
        bytes.replace("\r\n \r\n", "\r\n     \n"); // separators of spaces, LF only
        bytes.replace("A5\r\n", "A5\r");           // a lone CR
        bytes.chop(2);                             // no line end after line 72
        const QuestionSetRead read = readBytes(bytes);
        QVERIFY2(read.set, qPrintable(read.error));
        QCOMPARE(read.set->optionA[5], QStringLiteral("A5"));
        QCOMPARE(read.set->optionB[5], QStringLiteral("B5"));
        QCOMPARE(read.set->questionText[10], QStringLiteral("Question 10?"));
    }

    void linesAfterSeventyTwoAreNotRead() {
        QBuffer buffer;
        buffer.setData(questionSetBytes(sampleSet()) + "extra line\r\n");
        buffer.open(QIODevice::ReadOnly);
        QVERIFY(readQuestionSet(buffer).set);
        QCOMPARE(buffer.readAll(), QByteArray("extra line\r\n"));
    }

    void correctOptionWithTrailingBlanks() {
        QByteArray bytes = questionSetBytes(sampleSet());
        bytes.replace("D4\r\n4\r\n", "D4\r\n 4 \t\r\n");
        const QuestionSetRead read = readBytes(bytes);
        QVERIFY2(read.set, qPrintable(read.error));
        QCOMPARE(read.set->rightAnswer[4], QStringLiteral("4"));
    }

    void badCorrectOptionIsCorrupt_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("0") << QByteArray("0");
        QTest::newRow("x") << QByteArray("x");
        QTest::newRow("5") << QByteArray("5");
        QTest::newRow("12") << QByteArray("12");
        QTest::newRow("empty") << QByteArray(" ");
    }
    void badCorrectOptionIsCorrupt() {
        QFETCH(QByteArray, field);
        QList<QByteArray> lines = fileLines(questionSetBytes(sampleSet()));
        lines[7 * 6 + 7] = field + '\r'; // question 7's correct option, line 50
        QBuffer buffer;
        buffer.setData(joinLines(lines));
        buffer.open(QIODevice::ReadOnly);

        fillSharedSet(QStringLiteral("previous"));
        const std::optional<QString> error = loadQuestionSet(buffer);
        QVERIFY(error);
        QVERIFY2(error->contains(QStringLiteral("Question 7")), qPrintable(*error));
        QCOMPARE(common::state().questions.title, QStringLiteral("previous"));
        QCOMPARE(common::state().questions.questionText[1], QStringLiteral("previous"));
    }

    void truncatedFileKeepsThePreviousSet() {
        const QList<QByteArray> lines = fileLines(questionSetBytes(sampleSet()));
        QBuffer buffer;
        buffer.setData(joinLines(lines.mid(0, 40)));
        buffer.open(QIODevice::ReadOnly);

        fillSharedSet(QStringLiteral("previous"));
        const std::optional<QString> error = loadQuestionSet(buffer);
        QVERIFY(error);
        QVERIFY2(error->contains(QStringLiteral("line 41")), qPrintable(*error));
        const common::QuestionSet& questions = common::state().questions;
        QCOMPARE(questions.title, QStringLiteral("previous"));
        for (int n = 1; n <= kQuestionCount; ++n)
            QCOMPARE(questions.questionText[n], QStringLiteral("previous"));
    }

    void aLineBeyondTheBoundIsDamageAndReadingStopsThere_data() {
        QTest::addColumn<qsizetype>("length");
        QTest::newRow("at the bound") << kMaxLineBytes;
        QTest::newRow("one byte over") << kMaxLineBytes + 1;
        QTest::newRow("10 MB") << qsizetype(10 * 1024 * 1024);
    }
    void aLineBeyondTheBoundIsDamageAndReadingStopsThere() {
        QFETCH(qsizetype, length);
        QList<QByteArray> lines = fileLines(questionSetBytes(sampleSet()));
        lines[3] = QByteArray(length, 'x') + '\r'; // option A of question 1
        QBuffer buffer;
        buffer.setData(joinLines(lines));
        buffer.open(QIODevice::ReadOnly);
        const QuestionSetRead read = readQuestionSet(buffer);
        if (length <= kMaxLineBytes) {
            QVERIFY(read.set);
            QCOMPARE(read.set->optionA[1].size(), length);
            return;
        }
        QVERIFY(!read.set);
        QVERIFY2(read.error.contains(QStringLiteral("Line 4")), qPrintable(read.error));
        // Bounded memory: nothing was read much past the bound.
        QVERIFY2(buffer.pos() < 100 + 2 * kMaxLineBytes, qPrintable(QString::number(buffer.pos())));
    }

    void byteOrderMarkMeansUtf8() {
        common::QuestionSet set = sampleSet(QStringLiteral("Café"));
        set.optionB[2] = QStringLiteral("Mañana → 2°");
        const QByteArray utf8 =
            "\xEF\xBB\xBF" + QString::fromLatin1(questionSetBytes(set)).toUtf8();
        // The arrow is outside the code page: the writer put "?" in its place.
        const QuestionSetRead read = readBytes(utf8);
        QVERIFY(read.set);
        QCOMPARE(read.set->title, QStringLiteral("Café"));
        QCOMPARE(read.set->optionB[2], QStringLiteral("Mañana ? 2°"));
        // Without the mark the same bytes are Windows-1252.
        QCOMPARE(readBytes(utf8.mid(3)).set->title, QStringLiteral("CafÃ©"));

        // After the mark, bytes that are not UTF-8 are damage, and the
        // reason names their line.
        QList<QByteArray> lines = fileLines(utf8);
        lines[4] = "Caf\xE9\r"; // option B of question 1, in the code page
        const QuestionSetRead mixed = readBytes(joinLines(lines));
        QVERIFY(!mixed.set);
        QVERIFY2(mixed.error.contains(QStringLiteral("Line 5 ")), qPrintable(mixed.error));
    }

    // A title that begins with the letters whose code-page bytes are the
    // UTF-8 mark still reads back in the code page, unchanged.
    void aTitleThatLooksLikeTheMarkStaysInTheCodePage() {
        const common::QuestionSet set = sampleSet(QStringLiteral("ï»¿ Sun and Moon"));
        const QuestionSetRead read = readBytes(questionSetBytes(set));
        QVERIFY(read.set);
        QCOMPARE(read.set->title, set.title);
        QCOMPARE(read.set->optionA[1], set.optionA[1]);
    }

    void emptyOrClosedFileIsReported() {
        QVERIFY(!readBytes(QByteArray()).error.isEmpty());
        QBuffer closed;
        QVERIFY(!readQuestionSet(closed).error.isEmpty());
    }

    void loadReplacesSlotsOneToTen() {
        fillSharedSet(QStringLiteral("previous"));
        QBuffer buffer;
        buffer.setData(questionSetBytes(sampleSet(QStringLiteral("New set"))));
        buffer.open(QIODevice::ReadOnly);
        QVERIFY(!loadQuestionSet(buffer));

        const common::QuestionSet& questions = common::state().questions;
        QCOMPARE(questions.title, QStringLiteral("New set"));
        QCOMPARE(questions.questionText[0], QStringLiteral("previous"));
        QCOMPARE(questions.questionText[10], QStringLiteral("Question 10?"));
        QCOMPARE(questions.optionD[7], QStringLiteral("D7"));
        QCOMPARE(questions.rightAnswer[5], QStringLiteral("1"));
    }

    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Sheet.txt"));
        QVERIFY(!writeQuestionSet(path, sampleSet(QStringLiteral("Old"))));

        common::QuestionSet bad = sampleSet(QStringLiteral("New"));
        bad.rightAnswer[9].clear();
        QVERIFY(writeQuestionSet(path, bad));
        QVERIFY(writeQuestionSet(dir.filePath(QStringLiteral("missing/Sheet.txt")), sampleSet()));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readQuestionSet(file).set->title, QStringLiteral("Old"));
    }
};

int runQuestionFileTests(int argc, char** argv) {
    QuestionFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_questionfile.moc"
