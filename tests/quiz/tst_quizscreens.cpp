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

bool isLoaded(const char* screen) {
    return platform::ScreenRegistry::instance().isLoaded(QString::fromLatin1(screen));
}

// Answers every question of the sample set, right except those in `wrong`.
void answerAll(const QList<int>& wrong) {
    state().questions = testenv::sampleQuestionSet(QStringLiteral("Planets"));
    QuizScreen& quiz = quizScreen();
    for (int q = 1; q <= 10; ++q) {
        const int right = testenv::sampleRightChoice(q);
        quiz.optionButtons[size_t(wrong.contains(q) ? right % 4 + 1 : right)]->click();
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

    // A question shows no choice and no focus; going back clears it, a new press replaces the mark.
    void questionsAndGoingBack() {
        testenv::Fixture env;
        state().soundOn = 1;
        state().questions = testenv::sampleQuestionSet(QStringLiteral("Planets"));
        QuizScreen& quiz = quizScreen();
        quiz.showScreen();
        QCOMPARE(quiz.setTitleLabel->caption(), QStringLiteral("Planets"));
        QCOMPARE(quiz.questionNumberLabel->caption(), QStringLiteral("Question 1"));
        QVERIFY(!quiz.previousQuestionButton->isVisibleTo(&quiz));
        QVERIFY(!anyChoiceChecked());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!quiz.optionButtons[size_t(i)]->hasFocus());
        quiz.optionButtons[1]->click(); // right
        QCOMPARE(env.sound.played, QStringList{"wav\\typekey.wav"});
        quiz.onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(state().marks[1], 1);
        quiz.onButtonClicked(QuizButton::PreviousQuestion);
        QCOMPARE(quiz.questionNumberLabel->caption(), QStringLiteral("Question 1"));
        QVERIFY(!anyChoiceChecked());
        QCOMPARE(state().marks[1], 1);
        quiz.optionButtons[3]->click(); // wrong
        quiz.onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(state().marks[1], 0);
        QCOMPARE(env.sound.played.last(), kClick);
        for (int q = 2; q < 10; ++q)
            quiz.onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(quiz.questionNumberLabel->caption(), QStringLiteral("Question 10"));
        QCOMPARE(quiz.nextQuestionButton->caption(), QStringLiteral("Check Score >>"));
        QVERIFY(quiz.previousQuestionButton->isVisibleTo(&quiz));
    }

    // Wrong answers fill the list from the top; the list goes with the results.
    void runsOfTheQuiz() {
        testenv::Fixture env;
        state().questions = testenv::sampleQuestionSet(QStringLiteral("Planets"));
        for (int q = 1; q <= 10; ++q) // none answered
            quizScreen().onButtonClicked(QuizButton::NextQuestion);
        QCOMPARE(state().score, 0);
        const QStringList lines = visibleWrongLines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.first(), QStringLiteral(" 1. Question number1?"));
        QCOMPARE(lines.last(), QStringLiteral(" 10. Question number10?"));
        QCOMPARE(wrongAnswersScreen().answerLines[9]->y(), 7080 / 15);
        QCOMPARE(wrongAnswersScreen().setTitleLabel->caption(), QStringLiteral("Planets"));
        QVERIFY(!isLoaded("quizScreen") && resultsScreen().isShown());
        resultsScreen().onButtonClicked(ResultsButton::FollowUp);
        QVERIFY(wrongAnswersScreen().isShown());
        wrongAnswersScreen().onExitClicked();
        QVERIFY(!isLoaded("resultsScreen") && !isLoaded("wrongAnswersScreen"));
        testenv::Fixture::settle();

        quizScreen().subjectLabel->setCaption(QStringLiteral("Corvella"));
        answerAll({2, 7});
        QCOMPARE(state().score, 8);
        QCOMPARE(visibleWrongLines(),
                 QStringList({" 2. Question number2?", " 7. Question number7?"}));
        QCOMPARE(state().certificateSubject, QStringLiteral("Corvella"));
        QCOMPARE(resultsScreen().scoreLabel->caption(), resultsWording(8, 10)->message);
        QCOMPARE(resultsScreen().followUpButton->caption(), QStringLiteral("Check Wrong Answers"));
        resultsScreen().onButtonClicked(ResultsButton::Exit);
        testenv::Fixture::settle();

        answerAll({});
        QCOMPARE(state().score, 10);
        QCOMPARE(visibleWrongLines(), QStringList());
        QCOMPARE(resultsScreen().followUpButton->caption(), QStringLiteral("Print Certificate"));
        QVERIFY(resultsScreen().nameHintLabel->isVisibleTo(&resultsScreen()));
        QTRY_VERIFY(resultsScreen().nameEdit->hasFocus());
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
        // The sound comes last, after the picture: once its tick has run, 5 has earned nothing.
        state().score = 5;
        QSignalSpy soundTick(resultsScreen().rewardSoundTimer, &QTimer::timeout);
        QVERIFY(soundTick.wait());
        QVERIFY(!resultsScreen().rewardSoundTimer->isActive());
        QCOMPARE(resultsScreen().moonPicture->picturePath(),
                 QStringLiteral("phasesm\\moonph13.jpg"));
        QCOMPARE(env.sound.played.size(), 1);
    }

    // The name box takes 25 characters; with no printer the page is saved under the name.
    void certificateOutcomes_data() {
        QTest::addColumn<int>("printer"); // 0 prints, 1 fails, 2 there is none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said"); // or the saved file's name before the date
        const auto row = [](const char* name, int printer, const QString& typed, const char* said) {
            QTest::newRow(name) << printer << typed << QString::fromLatin1(said);
        };
        row("printed", 0, QString("Amira").repeated(6), "Your certificate is now printing.");
        row("printer fails", 1, "Sam", "There was a problem printing to your printer.");
        row("saved under the name", 2, "Sam", "Certificate - Sam - ");
        row("saved without a name", 2, "  ", "Certificate - ");
    }
    void certificateOutcomes() {
        QFETCH(int, printer);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        testenv::Fixture env;
        state().soundOn = 1;
        state().score = state().total = 10;
        state().certificateSubject = QStringLiteral("Corvella");
        QTemporaryDir documents;
        platform::setSavedPagesFolder(documents.path());
        RecordingPrinter page;
        platform::setPrinterFactory([&]() -> std::unique_ptr<platform::Printer> {
            if (printer == 1)
                throw platform::PrinterError("off");
            if (printer == 2)
                throw platform::NoPrinterError("none");
            return std::make_unique<BorrowedPrinter>(page);
        });
        platform::setPdfPrinterFactory([&page](const QString& file) {
            QFile(file).open(QIODevice::WriteOnly); // where the page would be written
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(page));
        });
        QTest::keyClicks(resultsScreen().nameEdit, typed);
        resultsScreen().onButtonClicked(ResultsButton::FollowUp);
        QVERIFY(isLoaded("resultsScreen"));
        QVERIFY(!env.sound.played.contains(kClick)); // the certificate path is silent
        QCOMPARE(env.messages.said.size(), 1);
        QCOMPARE(page.ended, printer != 1);
        if (printer != 1) {
            QCOMPARE(page.lines.size(), size_t(32));
            QCOMPARE(page.texts[14].text, typed.left(25));
        }
        if (printer == 2) {
            const QString file = said + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
            QCOMPARE(QDir(documents.path()).entryList(QDir::Files), QStringList{file});
            QVERIFY2(env.messages.said[0].endsWith(file), qPrintable(env.messages.said[0]));
        } else {
            QCOMPARE(env.messages.said[0], said);
        }
    }

    // With no topic picture (a catalogue worksheet) the empty box takes the screen's blue.
    void anEmptyPictureBoxTakesTheScreensColour() {
        testenv::Fixture env;
        QuizScreen& quiz = quizScreen();
        quiz.resize(quiz.size()); // laid out as shown
        const QImage empty = quiz.topicPicture->grab().toImage();
        QCOMPARE(empty.pixelColor(empty.width() / 2, empty.height() / 2), quiz.backColor());
    }
};

QTEST_MAIN(QuizScreensTest)
#include "tst_quizscreens.moc"
