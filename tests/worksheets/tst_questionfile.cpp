// SPDX-License-Identifier: GPL-3.0-or-later
// Question files: code page, writing, reading, loading, printing; the shipped sets.
#include "common/sharedstate.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "questions/fields.h"
#include "questions/questionfile.h"
#include "questions/worksheetprinting.h"
#include "quiz/scoring.h"
#include "support/recordingprinter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>

using namespace worksheets;

namespace {

// Every field different, so that a field read from the wrong line shows.
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

// The field line `line` (from 1) holds; none for a separator line.
QString fieldOfLine(const common::QuestionSet& set, int line) {
    if (line <= 2)
        return line == 1 ? set.title : QString();
    const int n = (line - 3) / 7 + 1;
    const QString fields[] = {
        set.questionText[n], set.optionA[n],     set.optionB[n], set.optionC[n],
        set.optionD[n],      set.rightAnswer[n], QString()};
    return fields[(line - 3) % 7];
}

QuestionSetRead readBytes(const QByteArray& bytes, qint64* stoppedAt = nullptr) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QuestionSetRead read = readQuestionSet(buffer);
    if (stoppedAt)
        *stoppedAt = buffer.pos();
    return read;
}

const QString kMultiple = QStringLiteral(CORVELLA_SOURCE_MEDIA "/multiple/");

// A face's metrics at 96 dpi, or none when it resolves to a face with other metrics.
std::optional<QFontMetricsF> metricsOf(const QStringList& faces, double points, bool bold = false) {
    QFont font(faces.first()); // the others have the same metrics
    font.setPixelSize(qRound(points * 96 / 72));
    font.setBold(bold);
    if (!faces.contains(QFontInfo(font).family()))
        return std::nullopt;
    return QFontMetricsF(font);
}

} // namespace

class QuestionFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFonts(); } // as the program does at start-up

    void codePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Moon & stars") << QByteArray("Moon & stars");
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
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(encodeWindows1252(decodeWindows1252(all)), all); // every byte round-trips
    }

    void writerLaysOutSeventyTwoLines() {
        const QByteArray bytes = questionSetBytes(sampleSet(QStringLiteral("Tides, waves")));
        QCOMPARE(bytes.count("\r\n"), kQuestionFileLines);
        QCOMPARE(bytes.count('\n'), kQuestionFileLines);
        QVERIFY(
            bytes.startsWith("Tides& waves\r\n \r\nQuestion 1?\r\nA1\r\nB1\r\nC1\r\nD1\r\n1\r\n "
                             "\r\nQuestion 2?\r\n"));
        QVERIFY(bytes.endsWith("Question 10?\r\nA10\r\nB10\r\nC10\r\nD10\r\n2\r\n \r\n"));
    }

    // A text written into the title, a question and an option, and read back.
    void writtenAndReadBack_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        const auto same = [](const QString& text) {
            QTest::newRow(qPrintable(text)) << text << text;
        };
        same(QStringLiteral("Is it hot, cold, or both?"));
        same(QStringLiteral("Café at -5 °C"));
        same(QStringLiteral("ï»¿ letters whose bytes are the UTF-8 mark"));
        QTest::newRow("ampersand")
            << QStringLiteral("Salt & pepper") << QStringLiteral("Salt , pepper");
        QTest::newRow("leading spaces") << QStringLiteral("   Moon") << QStringLiteral("Moon");
        QTest::newRow("line ends")
            << QStringLiteral("Two\r\nlines") << QStringLiteral("Two  lines");
    }
    void writtenAndReadBack() {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        common::QuestionSet set = sampleSet(text);
        set.questionText[1] = text;
        set.optionD[10] = text;
        const QuestionSetRead read = readBytes(questionSetBytes(set));
        QVERIFY2(read.set, qPrintable(read.error));
        set.title = set.questionText[1] = set.optionD[10] = readBack;
        QCOMPARE(read.set->title, set.title);
        QCOMPARE(read.set->questionText, set.questionText);
        QCOMPARE(read.set->optionD, set.optionD);
        QCOMPARE(read.set->rightAnswer, set.rightAnswer);
    }

    // One line of a file replaced: what its field reads as, or why the file is refused.
    void reading_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("utf8Mark");
        const auto row = [](const char* name, int line, const QByteArray& bytes,
                            const QString& field, const char* error = "", bool mark = false) {
            QTest::newRow(name) << line << bytes << field << QString::fromLatin1(error) << mark;
        };
        row("leading spaces skipped", 3, "   Why?", QStringLiteral("Why?"));
        row("Windows-1252", 3, "\x93Why\x94 \x96 it\x92s \x80\x85 \xE9",
            QStringLiteral("“Why” – it’s €… é"));
        row("comma ends the field", 3, "Why, oh why?", QStringLiteral("Why"));
        row("quotes are plain text", 3, "\"Why?\" said he", QStringLiteral("\"Why?\" said he"));
        row("trailing spaces kept", 3, "Why? ", QStringLiteral("Why? "));
        row("empty", 3, "", QString());
        row("right answer with blanks", 8, " 4 \t", QStringLiteral("4"));
        for (const char* bad : {"0", "x", "5", "12", " "})
            row(bad, 8, bad, {}, "Question 1 ");
        row("at the bound", 4, QByteArray(kMaxLineBytes, 'x'), QString(kMaxLineBytes, u'x'));
        row("one byte over the bound", 4, QByteArray(kMaxLineBytes + 1, 'x'), {}, "Line 4 ");
        row("10 MB", 4, QByteArray(10 << 20, 'x'), {}, "Line 4 ");
        row("UTF-8 after the mark", 1, "Caf\xC3\xA9", QStringLiteral("Café"), "", true);
        row("not UTF-8 after the mark", 5, "Caf\xE9", {}, "Line 5 ", true);
        row("UTF-8 without the mark", 1, "Caf\xC3\xA9", QStringLiteral("CafÃ©"));
    }
    void reading() {
        QFETCH(int, line);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QFETCH(QString, error);
        QFETCH(bool, utf8Mark);
        QList<QByteArray> lines = questionSetBytes(sampleSet()).split('\n');
        lines[line - 1] = bytes + '\r';
        QByteArray file = lines.join('\n') + "a line after the last is not read\r\n";
        if (utf8Mark)
            file.prepend(kUtf8Mark);
        qint64 stoppedAt = 0;
        const QuestionSetRead read = readBytes(file, &stoppedAt);
        QVERIFY(stoppedAt < 2 * kMaxLineBytes + 1000); // nothing read far past a line's bound
        if (!error.isEmpty()) {
            QVERIFY(!read.set);
            QVERIFY2(read.error.contains(error), qPrintable(read.error));
            return;
        }
        QVERIFY2(read.set, qPrintable(read.error));
        QCOMPARE(fieldOfLine(*read.set, line), field);
        QCOMPARE(fieldOfLine(*read.set, line + 1), fieldOfLine(sampleSet(), line + 1));
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

    void aLoadReplacesQuestionsOneToTenOrNothing() {
        common::QuestionSet& shared = common::state().questions;
        shared.questionText.fill(QStringLiteral("previous"));
        const QByteArray bytes = questionSetBytes(sampleSet(QStringLiteral("New")));
        for (const QByteArray& file : {bytes.left(bytes.indexOf("Question 6?")), bytes}) {
            QBuffer buffer;
            buffer.setData(file);
            buffer.open(QIODevice::ReadOnly);
            const std::optional<QString> error = loadQuestionSet(buffer);
            QCOMPARE(bool(error), file != bytes);
            QCOMPARE(shared.questionText[10], QLatin1String(error ? "previous" : "Question 10?"));
        }
        QCOMPARE(shared.title, QStringLiteral("New"));
        QCOMPARE(shared.questionText[0], QStringLiteral("previous")); // slot 0 is never used
        QCOMPARE(shared.optionD[7], QStringLiteral("D7"));
        QVERIFY(!readBytes(QByteArray()).error.isEmpty());
        QBuffer closed;
        QVERIFY(!readQuestionSet(closed).error.isEmpty());
    }

    void printedLayout() {
        const double width = 11000;
        RecordingPrinter printer(width);
        common::QuestionSet set = sampleSet(QStringLiteral("Rocks"));
        set.optionB[2].clear();
        printWorksheet(printer, QStringLiteral("Corvella"), QStringLiteral("Rocks quiz"), set);
        QVERIFY(printer.ended);
        const auto& t = printer.texts;
        QCOMPARE(t.size(), size_t(7 + 10 * 6));
        const double line16 = RecordingPrinter::lineHeight(16);
        const double line32 = RecordingPrinter::lineHeight(32);
        const double line12 = RecordingPrinter::lineHeight(12);
        // The header between blank lines, then the heading and the title centred.
        QCOMPARE(t[1].text, QStringLiteral("Corvella") + QString(57, u' ') +
                                QStringLiteral("Quillmere Publishing Ltd"));
        QCOMPARE(t[1].fontName, QStringLiteral("Times New Roman"));
        QCOMPARE(t[4].y, 3 * line16);
        QCOMPARE(t[5].text, QStringLiteral("Rocks quiz"));
        QCOMPARE(t[5].x, (width - RecordingPrinter::widthAt(t[5].text, 32)) / 2);
        // Each question: its line, options A and B, C and D, a blank line.
        const double columns[] = {width / 16, width / 3, 2 * width / 3, width / 3, 2 * width / 3};
        const int rows[] = {0, 1, 1, 2, 2, 3};
        for (int n = 1; n <= kQuestionCount; ++n) {
            const std::size_t at = 7 + 6 * std::size_t(n - 1);
            const double top = 3 * line16 + 3 * line32 + 4 * line12 * (n - 1);
            const QString texts[] = {QStringLiteral("Question %1    Question %1?").arg(n),
                                     "A. " + set.optionA[n],
                                     "B. " + set.optionB[n],
                                     "C. " + set.optionC[n],
                                     "D. " + set.optionD[n],
                                     " "};
            for (std::size_t k = 0; k < 6; ++k) {
                QCOMPARE(t[at + k].text, texts[k]);
                QCOMPARE(t[at + k].y, top + rows[k] * line12);
                QCOMPARE(t[at + k].fontSize, 12.0);
                if (k < 5)
                    QCOMPARE(t[at + k].x, columns[k]);
            }
        }
    }

    // Each text fits its label (the lengths are checked where the sets are made).
    void readAndFitting_data() {
        QTest::addColumn<QString>("title");
        for (const QString& file : QDir(kMultiple).entryList({QStringLiteral("*.txt")}))
            if (file != QLatin1String("track.txt"))
                QTest::newRow(qPrintable(file)) << file.chopped(4);
    }
    void readAndFitting() {
        QFETCH(QString, title);
        QFile file(kMultiple + title + QStringLiteral(".txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QuestionSetRead read = readQuestionSet(file);
        QVERIFY2(read.set, qPrintable(read.error));
        QCOMPARE(read.set->title, title);

        const QStringList times = {"Times New Roman", "Liberation Serif"};
        const auto question = metricsOf(times, 30);
        const auto option = metricsOf(times, 20.25);
        const auto wrongAnswer = metricsOf({"Tahoma"}, 15.75, true);
        if (!question || !option || !wrongAnswer)
            QSKIP("The fonts resolve to faces whose metrics differ.");
        const double twip = platform::kTwipsPerPixel;
        const QRectF label(0, 0, 9840 / twip, 1455 / twip);
        for (int n = 1; n <= kQuestionCount; ++n) {
            const QString& text = read.set->questionText[n];
            const QRectF used =
                question->boundingRect(label, Qt::AlignHCenter | Qt::TextWordWrap, text);
            QVERIFY2(used.height() <= label.height() && used.width() <= label.width(),
                     qPrintable(text));
            // As question 10, the widest; from 120 twips in to past the window's edge.
            const QString line = quiz::wrongAnswerLine(10, text);
            QVERIFY2(wrongAnswer->horizontalAdvance(line) <=
                         (platform::kClientWidthTwips - 120) / twip,
                     qPrintable(line));
            for (const QString& choice : {read.set->optionA[n], read.set->optionB[n],
                                          read.set->optionC[n], read.set->optionD[n]})
                QVERIFY2(option->horizontalAdvance(choice) <=
                             6975 / twip - 20, // less the indicator
                         qPrintable(choice));
        }
    }

    void worksheetListStartsEmpty() {
        QFile file(kMultiple + QStringLiteral("track.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(" 0 \r\n"));
    }
};

int runQuestionFileTests(int argc, char** argv) {
    QuestionFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_questionfile.moc"
