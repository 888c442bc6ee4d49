// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz, the results screen and the wrong-answers list, run offscreen.

#include "common/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/scoring.h"
#include "quiz/wronganswersscreen.h"
#include "support/recordingprinter.h"
#include "support/samplequestions.h"
#include "support/testenv.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace quiz;
using common::state;

namespace {
const QString kClick = QStringLiteral("wav\\click.wav");

void loadSampleSet() {
    state().questions = testenv::sampleQuestionSet(QStringLiteral("Planets"));
}

int rightChoice(int q) {
    return testenv::sampleRightChoice(q);
}

// Answers every question, right except those in `wrong`, and checks the score.
void answerAll(const QList<int>& wrong) {
    QuizScreen& quiz = quizScreen();
    for (int q = 1; q <= 10; ++q) {
        const int choice = wrong.contains(q) ? rightChoice(q) % 4 + 1 : rightChoice(q);
        quiz.optionButtons[size_t(choice)]->click();
        quiz.onButtonClicked(QuizButton::NextQuestion);
    }
}

bool anyChoiceChecked() {
    for (int i = 1; i <= 4; ++i)
        if (quizScreen().optionButtons[size_t(i)]->isChecked())
            return true;
    return false;
}

QStringList visibleWrongLines() {
    QStringList lines;
    for (platform::TextLabel* line : wrongAnswersScreen().answerLines)
        if (line->isVisibleTo(&wrongAnswersScreen()))
            lines << line->caption();
    return lines;
}
} // namespace

class QuizScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResultsScreen::setRandomSource([] { return [] { return 0.99; }; });
    }
    void cleanup() { ResultsScreen::setRandomSource(nullptr); }

    void questionsAreShownWithoutChoiceOrFocus() {
        testenv::Fixture env;
        loadSampleSet();
        QuizScreen& quiz = quizScreen();
        quiz.showScreen();
        QCOMPARE(quiz.setTitleLabel->caption(), QStringLiteral("Planets"));
        QCOMPARE(quiz.questionNumberLabel->caption(), QStringLiteral("Question 1"));
        QVERIFY(
            !quiz.previousQuestionButton->isVisibleTo(&quiz)); // no previous button on question 1
        QVERIFY(!anyChoiceChecked());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!quiz.optionButtons[size_t(i)]->hasFocus());
        for (int q = 1; q < 10; ++q)
            quiz.onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(quiz.questionNumberLabel->caption(), QStringLiteral("Question 10"));
        QCOMPARE(quiz.nextQuestionButton->caption(), QStringLiteral("Check Score >>"));
        QVERIFY(quiz.previousQuestionButton->isVisibleTo(&quiz));
    }

    void goingBackClearsTheChoiceAndTheNextPressReplacesTheMark() {
        testenv::Fixture env;
        state().soundOn = 1;
        loadSampleSet();
        QuizScreen& quiz = quizScreen();
        quiz.optionButtons[1]->click(); // right
        QCOMPARE(env.sound.played, QStringList{"wav\\typekey.wav"});
        quiz.onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(state().marks[1], 1);
        quiz.onButtonClicked(QuizButton::PreviousQuestion);
        QCOMPARE(quiz.questionNumberLabel->caption(), QStringLiteral("Question 1"));
        QVERIFY(!anyChoiceChecked());
        QCOMPARE(state().marks[1], 1);  // kept until the next press
        quiz.optionButtons[3]->click(); // wrong this time
        quiz.onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(state().marks[1], 0);
        QCOMPARE(env.sound.played.last(), kClick);
    }

    void tenUnansweredQuestionsListTenWrongAnswers() {
        testenv::Fixture env;
        loadSampleSet();
        for (int q = 1; q <= 10; ++q)
            quizScreen().onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(state().score, 0);
        const QStringList lines = visibleWrongLines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.first(), QStringLiteral(" 1. Question number1?"));
        QCOMPARE(lines.last(), QStringLiteral(" 10. Question number10?"));
        QCOMPARE(wrongAnswersScreen().answerLines[9]->y(), 7080 / 15);
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("quizScreen"));
        QVERIFY(resultsScreen().isShown());
        QCOMPARE(wrongAnswersScreen().setTitleLabel->caption(), QStringLiteral("Planets"));
    }

    void wrongAnswersFillTheFirstLines() {
        testenv::Fixture env;
        loadSampleSet();
        quizScreen().subjectLabel->setCaption(QStringLiteral("Corvella"));
        answerAll({2, 7});
        QCOMPARE(state().score, 8);
        QCOMPARE(visibleWrongLines(),
                 QStringList({" 2. Question number2?", " 7. Question number7?"}));
        QCOMPARE(state().certificateSubject, QStringLiteral("Corvella"));
    }

    // The wording itself is the scoring's; the screen shows it and the controls that go with it.
    void resultsScreenShowsTheWording_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("total");
        QTest::addColumn<bool>("fromQuiz");
        QTest::addColumn<bool>("button");
        QTest::addColumn<bool>("tryAgain");
        QTest::newRow("quiz, perfect") << 10 << 10 << true << true << false;
        QTest::newRow("quiz, two wrong") << 8 << 10 << true << true << false;
        QTest::newRow("activity, two wrong") << 4 << 6 << false << false << true;
        QTest::newRow("activity, perfect") << 6 << 6 << false << true << false;
    }
    void resultsScreenShowsTheWording() {
        QFETCH(int, score);
        QFETCH(int, total);
        QFETCH(bool, fromQuiz);
        QFETCH(bool, button);
        QFETCH(bool, tryAgain);
        testenv::Fixture env;
        state().score = score;
        state().total = total;
        ResultsScreen& results = resultsScreen();
        if (fromQuiz) {
            results.tryAgainLabel->hide();
            results.hintLabel->show();
            results.followUpButton->show();
        }
        results.showScreen();
        const std::optional<ResultsWording> wording = resultsWording(score, total);
        QCOMPARE(results.scoreLabel->caption(), wording->message);
        QCOMPARE(results.followUpButton->isVisibleTo(&results), button);
        QCOMPARE(results.followUpButton->caption(), wording->buttonCaption);
        QCOMPARE(results.tryAgainLabel->isVisibleTo(&results), tryAgain);
        QCOMPARE(results.nameEdit->isVisibleTo(&results), wording->certificate);
        QCOMPARE(results.nameHintLabel->isVisibleTo(&results), wording->certificate);
        QTRY_COMPARE(results.moonPicture->picturePath(), QStringLiteral("phasesm\\moonph13.jpg"));
        if (wording->certificate)
            QTRY_VERIFY(results.nameEdit->hasFocus());
    }

    void rewardSoundFollowsTheScore() {
        testenv::Fixture env;
        state().soundOn = 1;
        state().score = 10;
        state().total = 10;
        resultsScreen().showScreen();
        QTRY_COMPARE(env.sound.played, QStringList{"wav\\fanf3.wav"});
        resultsScreen().unload();
        testenv::Fixture::settle();
        state().score = 5;
        // The sound comes last, after the picture and the focus: once its tick has run, 5 has
        // earned nothing.
        QSignalSpy soundTick(resultsScreen().rewardSoundTimer, &QTimer::timeout);
        QVERIFY(soundTick.wait());
        QVERIFY(!resultsScreen().rewardSoundTimer->isActive());
        QCOMPARE(resultsScreen().moonPicture->picturePath(),
                 QStringLiteral("phasesm\\moonph13.jpg"));
        QCOMPARE(env.sound.played.size(), 1);
        resultsScreen().unload();
        testenv::Fixture::settle();
        // With the switch off the generator is still drawn on, but nothing plays.
        int draws = 0;
        ResultsScreen::setRandomSource([&draws] {
            ++draws;
            return [] { return 0.0; };
        });
        state().soundOn = 0;
        state().score = 8;
        resultsScreen();
        QTRY_COMPARE(draws, 1);
        QCOMPARE(env.sound.played.size(), 1);
    }

    void certificateGoesToThePrinter() {
        testenv::Fixture env;
        state().soundOn = 1;
        state().score = 10;
        state().total = 10;
        state().certificateSubject = QStringLiteral("Corvella");
        RecordingPrinter printer;
        platform::setPrinterFactory([&printer] {
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        // The name box takes 25 characters; the certificate prints what it holds.
        QTest::keyClicks(resultsScreen().nameEdit, QStringLiteral("Amira").repeated(6));
        resultsScreen().onButtonClicked(ResultsButton::FollowUp);
        QVERIFY(printer.ended);
        QCOMPARE(printer.lines.size(), size_t(32));
        bool named = false;
        for (const auto& t : printer.texts)
            named = named || t.text == QStringLiteral("Amira").repeated(5);
        QVERIFY(named);
        QCOMPARE(env.messages.said, QStringList{"Your certificate is now printing."});
        QVERIFY(!env.sound.played.contains(kClick)); // the certificate path is silent
    }

    void printerFailureIsReported() {
        testenv::Fixture env;
        state().score = 6;
        state().total = 6;
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::PrinterError("off"); });
        resultsScreen().onButtonClicked(ResultsButton::FollowUp);
        QCOMPARE(env.messages.said, QStringList{"There was a problem printing to your printer."});
        QVERIFY(platform::ScreenRegistry::instance().isLoaded("resultsScreen"));
    }

    // Without a printer the certificate is saved, named after the pupil; the
    // printing message does not follow, as nothing is printing.
    void noPrinterSavesTheCertificateUnderThePupilsName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stem");
        QTest::newRow("a name") << "Sam"
                                << "Certificate - Sam - ";
        QTest::newRow("no name") << "  "
                                 << "Certificate - ";
    }
    void noPrinterSavesTheCertificateUnderThePupilsName() {
        QFETCH(QString, typed);
        QFETCH(QString, stem);
        testenv::Fixture env;
        state().score = 10;
        state().total = 10;
        QTemporaryDir documents;
        platform::setSavedPagesFolder(documents.path());
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::NoPrinterError("none"); });
        RecordingPrinter printer;
        platform::setPdfPrinterFactory([&printer](const QString& file) {
            QFile(file).open(QIODevice::WriteOnly); // where the page would be written
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        QTest::keyClicks(resultsScreen().nameEdit, typed);
        resultsScreen().onButtonClicked(ResultsButton::FollowUp);
        QVERIFY(printer.ended);
        const QString file = stem + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
        QCOMPARE(QDir(documents.path()).entryList(QDir::Files), QStringList{file});
        QCOMPARE(env.messages.said.size(), 1);
        QVERIFY2(env.messages.said[0].endsWith(file), qPrintable(env.messages.said[0]));
    }

    // A worksheet opened from the catalogue has no topic picture: its empty
    // box is the screen's own blue, not a light hole.
    void anEmptyPictureBoxTakesTheScreensColour() {
        testenv::Fixture env;
        QuizScreen& quiz = quizScreen();
        quiz.resize(quiz.size()); // laid out as shown
        const QImage empty = quiz.topicPicture->grab().toImage();
        QCOMPARE(empty.pixelColor(empty.width() / 2, empty.height() / 2), quiz.backColor());
    }

    void eachQuizOfARunStartsAfresh() {
        testenv::Fixture env;
        loadSampleSet();
        answerAll({2, 7});
        resultsScreen().onButtonClicked(ResultsButton::FollowUp);
        wrongAnswersScreen().onExitClicked();
        testenv::Fixture::settle();

        quizScreen();
        QCOMPARE(state().score, 0);
        answerAll({5});
        QCOMPARE(state().score, 9);
        QCOMPARE(visibleWrongLines(), QStringList{" 5. Question number5?"});
        resultsScreen().onButtonClicked(ResultsButton::Exit); // the list goes with the results
        testenv::Fixture::settle();

        answerAll({});
        QCOMPARE(state().score, 10);
        QCOMPARE(visibleWrongLines(), QStringList());
    }

    void closingTheListClosesTheResults() {
        testenv::Fixture env;
        loadSampleSet();
        answerAll({3});
        resultsScreen().onButtonClicked(ResultsButton::FollowUp);
        QVERIFY(wrongAnswersScreen().isShown());
        wrongAnswersScreen().onExitClicked();
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("resultsScreen"));
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("wrongAnswersScreen"));
    }
};

QTEST_MAIN(QuizScreensTest)
#include "tst_quizscreens.moc"
