// SPDX-License-Identifier: GPL-3.0-or-later
// The question sets shipped with the program: well formed, and every text
// fits the label that shows it.
#include "platform/fonts.h"
#include "platform/twips.h"
#include "questions/questionfile.h"
#include "quiz/scoring.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTest>

using namespace worksheets;

namespace {

const QString kMultiple = QStringLiteral(CORVELLA_SOURCE_MEDIA "/multiple/");

constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;

QFont fontAtPoints(const QString& family, double points, bool bold = false) {
    QFont font(family);
    // Screens are laid out at 96 dpi; the sizes used here are whole pixels.
    font.setPixelSize(qRound(points * 96 / 72));
    font.setBold(bold);
    return font;
}

// Why measuring in this font proves nothing here, or empty when its family
// resolves to itself or its metric-compatible twin.
QString metricsMismatch(const QFont& font, const QStringList& acceptable) {
    const QString family = QFontInfo(font).family();
    if (acceptable.contains(family))
        return {};
    return QStringLiteral("%1 resolves to %2, whose metrics differ").arg(font.family(), family);
}

const QStringList kTimesFaces = {QStringLiteral("Times New Roman"),
                                 QStringLiteral("Liberation Serif")};

common::QuestionSet loadShipped(const QString& title) {
    QFile file(kMultiple + title + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(file.fileName()));
    const QuestionSetRead read = readQuestionSet(file);
    if (!read.set)
        qFatal("%s: %s", qPrintable(title), qPrintable(read.error));
    return *read.set;
}

QStringList options(const common::QuestionSet& set, int n) {
    return {set.optionA[n], set.optionB[n], set.optionC[n], set.optionD[n]};
}

void addTopicRows() {
    QTest::addColumn<QString>("title");
    for (const char* title : {"The Tides", "The Sun and other Stars", "Life on Earth"})
        QTest::newRow(title) << QString::fromLatin1(title);
}

} // namespace

class ShippedQuestionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFonts(); } // as the program does at start-up

    void wellFormed_data() { addTopicRows(); }
    void wellFormed() {
        QFETCH(QString, title);
        QFile file(kMultiple + title + QStringLiteral(".txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), kQuestionFileLines);
        QCOMPARE(bytes.count('\n'), kQuestionFileLines);
        QVERIFY(bytes.endsWith("\r\n"));

        const common::QuestionSet set = loadShipped(title);
        QCOMPARE(set.title, title);
        QSet<QString> rightAnswers;
        for (int n = 1; n <= kQuestionCount; ++n) {
            const int right = set.rightAnswer[n].toInt();
            QVERIFY2(right >= 1 && right <= 4, qPrintable(set.questionText[n]));
            rightAnswers.insert(set.rightAnswer[n]);
            QVERIFY(!set.questionText[n].isEmpty());
            QVERIFY2(set.questionText[n].size() <= 55, qPrintable(set.questionText[n]));
            const QStringList texts = options(set, n);
            QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 4);
            for (const QString& option : texts)
                QVERIFY2(!option.isEmpty() && option.size() <= 30, qPrintable(option));
        }
        QCOMPARE(rightAnswers.size(), 4); // every letter A to D is a right answer somewhere
    }

    void questionsFitTheirLabel_data() { addTopicRows(); }
    void questionsFitTheirLabel() {
        QFETCH(QString, title);
        const QFont font = fontAtPoints(QStringLiteral("Times New Roman"), 30);
        if (const QString why = metricsMismatch(font, kTimesFaces); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QFontMetricsF metrics(font);
        const QRectF label(0, 0, 9840 / kTwipsPerPixel, 1455 / kTwipsPerPixel);

        const common::QuestionSet set = loadShipped(title);
        for (int n = 1; n <= kQuestionCount; ++n) {
            const QRectF used = metrics.boundingRect(label, Qt::AlignHCenter | Qt::TextWordWrap,
                                                     set.questionText[n]);
            QVERIFY2(used.height() <= label.height() && used.width() <= label.width(),
                     qPrintable(set.questionText[n]));
        }
    }

    void optionsFitTheirButton_data() { addTopicRows(); }
    void optionsFitTheirButton() {
        QFETCH(QString, title);
        const QFont font = fontAtPoints(QStringLiteral("Times New Roman"), 20.25);
        if (const QString why = metricsMismatch(font, kTimesFaces); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QFontMetricsF metrics(font);
        const double room = 6975 / kTwipsPerPixel - 20; // less the round indicator

        const common::QuestionSet set = loadShipped(title);
        for (int n = 1; n <= kQuestionCount; ++n) {
            for (const QString& option : options(set, n))
                QVERIFY2(metrics.horizontalAdvance(option) <= room, qPrintable(option));
        }
    }

    void wrongAnswerLinesFit_data() { addTopicRows(); }
    void wrongAnswerLinesFit() {
        QFETCH(QString, title);
        const QFont font = fontAtPoints(QStringLiteral("Tahoma"), 15.75, true);
        if (const QString why = metricsMismatch(font, {QStringLiteral("Tahoma")}); !why.isEmpty())
            QSKIP(qPrintable(why));
        const QFontMetricsF metrics(font);
        // The line starts 120 twips in and runs past the window's right edge.
        const double room = (platform::kClientWidthTwips - 120) / kTwipsPerPixel;

        const common::QuestionSet set = loadShipped(title);
        for (int n = 1; n <= kQuestionCount; ++n) {
            // Measured as question 10, the widest number.
            const QString line = quiz::wrongAnswerLine(10, set.questionText[n]);
            QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(line));
        }
    }

    void worksheetListStartsEmpty() {
        QFile file(kMultiple + QStringLiteral("track.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(" 0 \r\n"));
    }
};

int runShippedQuestionsTests(int argc, char** argv) {
    ShippedQuestionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shippedquestions.moc"
