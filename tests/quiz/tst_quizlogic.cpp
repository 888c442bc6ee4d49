// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's plain logic: the results wording, the reward sounds, the certificate.

#include "quiz/certificate.h"
#include "quiz/scoring.h"
#include "support/recordingprinter.h"

#include <QtTest>

using namespace quiz;

namespace {
constexpr double kWidth = 11000;
const QColor kDarkBlue(0, 0, 128), kBlue(0, 0, 255), kRed(255, 0, 0);

RecordingPrinter printed(const QString& subject, double subjectWidth, const QString& name,
                         int score = 10, int total = 10) {
    RecordingPrinter printer(kWidth, 16000);
    printCertificate(printer, {subject, subjectWidth, name, score, total});
    return printer;
}
} // namespace

class QuizLogicTest : public QObject {
    Q_OBJECT
private slots:
    // No message when the score is above the total: the screen is left as designed.
    void wordings_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("message");
        QTest::newRow("10 of 10") << 10 << 10 << "Excellent work. You have scored 10 out of 10.";
        QTest::newRow("9 of 10") << 9 << 10 << "Good work. You have scored 9 out of 10.";
        QTest::newRow("8 of 10") << 8 << 10 << "Good work. You have scored 8 out of 10.";
        QTest::newRow("7 of 10") << 7 << 10 << "You have scored 7 out of 10.";
        QTest::newRow("0 of 10") << 0 << 10 << "You have scored 0 out of 10.";
        QTest::newRow("4 of 6") << 4 << 6 << "Good work. You have scored 4 out of 6.";
        QTest::newRow("6 of 6") << 6 << 6 << "Excellent work. You have scored 6 out of 6.";
        QTest::newRow("7 of 6") << 7 << 6 << QString();
    }
    void wordings() {
        QFETCH(int, score);
        QFETCH(int, total);
        QFETCH(QString, message);
        const std::optional<ResultsWording> wording = resultsWording(score, total);
        QCOMPARE(wording.has_value(), !message.isEmpty());
        if (!wording)
            return;
        QCOMPARE(wording->message, message);
        QCOMPARE(wording->certificate, score == total);
        QCOMPARE(wording->buttonCaption,
                 score == total ? "Print Certificate" : "Check Wrong Answers");
        QCOMPARE(wording->hint, score == total
                                    ? QString()
                                    : "Click the button above to check which questions you "
                                      "answered incorrectly.");
    }

    // Each sound of a score's row takes an equal share of [0, 1), in order.
    void rewardSounds_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("12") << 12 << QStringList{"wav\\halleluj.wav"};
        QTest::newRow("11") << 11 << QStringList{"wav\\fanf4.wav", "wav\\slot_payoff.wav"};
        QTest::newRow("10") << 10 << QStringList{"wav\\fanf2.wav", "wav\\fanf3.wav"};
        QTest::newRow("9") << 9
                           << QStringList{"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"};
        QTest::newRow("8") << 8 << QStringList{"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"};
        QTest::newRow("7") << 7
                           << QStringList{"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"};
        QTest::newRow("6") << 6 << QStringList{"wav\\clap3.wav", "wav\\clown.wav"};
        QTest::newRow("5") << 5 << QStringList{QString()};
        QTest::newRow("13") << 13 << QStringList{QString()};
    }
    void rewardSounds() {
        QFETCH(int, score);
        QFETCH(QStringList, sounds);
        const double n = sounds.size();
        for (int k = 0; k < sounds.size(); ++k) {
            for (double u : {(k + 0.001) / n, (k + 0.999) / n})
                QCOMPARE(pickRewardSound(score, [u] { return u; }), sounds[k]);
        }
        QCOMPARE(pickRewardSound(score, [] { return 1.0; }), sounds.last());
    }

    // The texts and the frames: five nested rectangles, the first three each with an inner one.
    void certificatePage() {
        const RecordingPrinter printer = printed("Corvella", 1000, "Amira");
        QStringList texts;
        for (const auto& item : printer.texts) {
            texts << (item.text.contains("Well Done") ? "BANNER" : item.text);
            QCOMPARE(item.fontName, QStringLiteral("Times New Roman"));
        }
        QCOMPARE(texts.join('|'), " |BANNER| | | |Corvella| |Corvella|| | | |Excellent Work| "
                                  "|Amira||You have scored 10 out of 10.| | | | |BANNER");
        QCOMPARE(printer.texts.front().x, kWidth / 8);
        // 118 characters, wider than the page: the printer cuts them at the right edge.
        for (const auto* banner : {&printer.texts[1], &printer.texts.back()}) {
            QCOMPARE(banner->text.size(), 118);
            QCOMPARE(banner->text.count("Well Done"), 8);
            QCOMPARE(banner->x, 0.0);
            QCOMPARE(banner->fontSize, 25.0);
            QVERIFY(!banner->endLine);
        }
        QCOMPARE(printer.texts[1].y, RecordingPrinter::lineHeight(25));
        QCOMPARE(printer.texts[1].colour, kBlue);
        QCOMPARE(printer.texts.back().colour, QColor(Qt::black));
        const double w = kWidth, h = 16000;
        QList<QList<double>> expected, drawn;
        const auto rectangle = [&](double left, double top, double right, double bottom) {
            expected << QList<double>{left, top, right, top}
                     << QList<double>{left, top, left, bottom}
                     << QList<double>{right, top, right, bottom}
                     << QList<double>{left, bottom, right, bottom};
        };
        for (int i = 0; i < 5; ++i) {
            const double m = 45 * (i + 1), n = 270 + 45 * i;
            rectangle(m, n, w - m, h - n);
            if (i < 3)
                rectangle(m + 600, n + 7050, w - m - 600, h - n - 3750);
        }
        for (const auto& line : printer.lines) {
            drawn << QList<double>{line.x1, line.y1, line.x2, line.y2};
            QCOMPARE(line.colour, QColor(Qt::black));
            QCOMPARE(line.drawWidth, 2);
        }
        QCOMPARE(drawn, expected);
    }

    // The subject is set smaller once wider than a quarter of the page.
    void certificateCentredLines() {
        const struct {
            QString subject;
            double subjectWidth;
            QString name;
            int total;
            double subjectPoints;
        } cases[] = {{"The Sun", 1000, "Amira", 10, 36},
                     {"The Sun", kWidth / 4, "Amira", 10, 36},
                     {"The Sun and other Stars", kWidth / 4 + 1, "Amira", 10, 28},
                     {QString(), 0, QString(), 6, 36}}; // an activity's, with no name
        for (const auto& c : cases) {
            const RecordingPrinter printer =
                printed(c.subject, c.subjectWidth, c.name, c.total, c.total);
            const QString score = QStringLiteral("You have scored %1 out of %1.").arg(c.total);
            const struct {
                size_t index;
                QString text;
                double points;
                QColor colour;
            } lines[] = {{5, "Corvella", 36, kRed},   {7, c.subject, c.subjectPoints, kBlue},
                         {9, " ", 36, kBlue},         {12, "Excellent Work", 28, kDarkBlue},
                         {14, c.name, 28, kDarkBlue}, {16, score, 28, kDarkBlue}};
            for (const auto& line : lines) {
                const RecordingPrinter::Text& item = printer.texts[line.index];
                QCOMPARE(item.text, line.text);
                QCOMPARE(item.fontSize, line.points);
                QCOMPARE(item.colour, line.colour);
                if (line.text != " ")
                    QCOMPARE(item.x,
                             (kWidth - RecordingPrinter::widthAt(line.text, line.points)) / 2);
            }
        }
    }
};

QTEST_MAIN(QuizLogicTest)
#include "tst_quizlogic.moc"
