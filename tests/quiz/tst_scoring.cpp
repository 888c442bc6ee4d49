// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/scoring.h"

#include <QMap>
#include <QTest>
#include <random>

using namespace quiz;

class ScoringTest : public QObject {
    Q_OBJECT

private slots:
    void formatNumber_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << QStringLiteral(" 0");
        QTest::newRow("one digit") << 5 << QStringLiteral(" 5");
        QTest::newRow("two digits") << 10 << QStringLiteral(" 10");
        QTest::newRow("negative") << -3 << QStringLiteral("-3");
    }
    void formatNumber() {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(quiz::formatNumber(number), text);
    }

    void wordings_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("certificate");
        QTest::newRow("10 of 10") << 10 << 10
                                  << QStringLiteral("Excellent work. You have scored 10 out of 10.")
                                  << true;
        QTest::newRow("9 of 10") << 9 << 10
                                 << QStringLiteral("Good work. You have scored 9 out of 10.")
                                 << false;
        QTest::newRow("8 of 10") << 8 << 10
                                 << QStringLiteral("Good work. You have scored 8 out of 10.")
                                 << false;
        QTest::newRow("7 of 10") << 7 << 10 << QStringLiteral("You have scored 7 out of 10.")
                                 << false;
        QTest::newRow("5 of 10") << 5 << 10 << QStringLiteral("You have scored 5 out of 10.")
                                 << false;
        QTest::newRow("0 of 10") << 0 << 10 << QStringLiteral("You have scored 0 out of 10.")
                                 << false;
        QTest::newRow("4 of 6") << 4 << 6
                                << QStringLiteral("Good work. You have scored 4 out of 6.")
                                << false;
        QTest::newRow("6 of 6") << 6 << 6
                                << QStringLiteral("Excellent work. You have scored 6 out of 6.")
                                << true;
    }
    void wordings() {
        QFETCH(int, score);
        QFETCH(int, total);
        QFETCH(QString, message);
        QFETCH(bool, certificate);
        const std::optional<ResultsWording> wording = resultsWording(score, total);
        QVERIFY(wording);
        QCOMPARE(wording->message, message);
        QCOMPARE(wording->certificate, certificate);
        if (certificate) {
            QCOMPARE(wording->buttonCaption, QStringLiteral("Print Certificate"));
            QVERIFY(wording->hint.isEmpty());
        } else {
            QCOMPARE(wording->buttonCaption, QStringLiteral("Check Wrong Answers"));
            QCOMPARE(wording->hint, QStringLiteral("Click the button above to check which "
                                                   "questions you answered incorrectly."));
        }
    }

    void scoreAboveTotalChangesNothing() { QVERIFY(!resultsWording(7, 6)); }

    void rewardSoundDistribution_data() {
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
        QTest::newRow("5") << 5 << QStringList();
        QTest::newRow("0") << 0 << QStringList();
        QTest::newRow("13") << 13 << QStringList();
    }
    void rewardSoundDistribution() {
        QFETCH(int, score);
        QFETCH(QStringList, sounds);
        std::mt19937 generator(20261206u + score);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        const auto draw = [&] { return uniform(generator); };

        constexpr int kDraws = 30000;
        QMap<QString, int> counts;
        for (int i = 0; i < kDraws; ++i)
            ++counts[pickRewardSound(score, draw)];

        if (sounds.isEmpty()) {
            QCOMPARE(counts.value(QString()), kDraws);
            return;
        }
        QCOMPARE(counts.keys().size(), sounds.size()); // nothing outside the row
        const double expected = double(kDraws) / sounds.size();
        for (const QString& sound : sounds) {
            // Binomial spread at 30000 draws is under 1 %; 5 % catches a skewed pick.
            QVERIFY2(qAbs(counts.value(sound) - expected) < expected * 0.05, qPrintable(sound));
        }
    }

    void pickUsesTheWholeRange() {
        QCOMPARE(pickRewardSound(9, [] { return 0.0; }), QStringLiteral("wav\\crowd.wav"));
        QCOMPARE(pickRewardSound(9, [] { return 0.3334; }), QStringLiteral("wav\\cheer2.wav"));
        QCOMPARE(pickRewardSound(9, [] { return 0.9999999; }), QStringLiteral("wav\\klaxon.wav"));
    }

    void wrongAnswerLine() {
        QCOMPARE(quiz::wrongAnswerLine(2, QStringLiteral("What is the Sun?")),
                 QStringLiteral(" 2. What is the Sun?"));
        QCOMPARE(quiz::wrongAnswerLine(10, QStringLiteral("Why?")), QStringLiteral(" 10. Why?"));
    }
};

int runScoringTests(int argc, char** argv) {
    ScoringTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scoring.moc"
