// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizscreen.h"

#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/choicelook.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "questions/worksheetprinting.h"
#include "quiz/resultsscreen.h"
#include "quiz/scoring.h"
#include "quiz/wronganswersscreen.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace quiz {

using common::state;
namespace style = common::style;

namespace {
constexpr int kQuestions = 10;
constexpr int kChoices = 4;
const QColor kSubjectGreen(0, 255, 0);
const QColor kSetTitleLilac(128, 128, 255);
} // namespace

QuizScreen::QuizScreen() : Screen(QStringLiteral("quizScreen"), Kind::FullSize) {
    const auto centre = Qt::AlignHCenter;
    headingLabel = addText(QStringLiteral("headingLabel"), 0, 120, 120, 6240, 900, style::kTahoma,
                           36, true, Qt::yellow, centre);
    headingLabel->setCaption(QStringLiteral("Multiple Choice"));
    subjectLabel = addText(QStringLiteral("subjectLabel"), 0, 120, 1200, 6465, 585, style::kTimes,
                           24, false, kSubjectGreen, centre);
    setTitleLabel = addText(QStringLiteral("setTitleLabel"), 0, 120, 1920, 6465, 705, style::kTimes,
                            24, false, kSetTitleLilac, centre);
    topicPicture = addPicture(QStringLiteral("topicPicture"), 0, 6840, 240, 855, 615);
    questionNumberLabel = addText(QStringLiteral("questionNumberLabel"), 0, 360, 3240, 5415, 615,
                                  style::kTimes, 24, false, Qt::yellow);
    questionText = addText(QStringLiteral("questionText"), 0, 960, 3960, 9840, 1455, style::kTimes,
                           30, false, Qt::yellow, centre);
    questionText->setWordWrap(true);

    choices_ = new QButtonGroup(this);
    for (int choice = 1; choice <= kChoices; ++choice) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("optionButtons"));
        placeTwips(option, 2400, 5400 + 600 * (choice - 1), 6975, 525);
        QFont f(platform::installedFamily(style::kTimes));
        f.setPointSizeF(20.25);
        option->setFont(f);
        QPalette p = option->palette();
        p.setColor(QPalette::WindowText, Qt::yellow);
        option->setPalette(p);
        option->setBackgroundRole(QPalette::Window);
        option->setAutoFillBackground(true);
        platform::useChoiceLook(option);
        choices_->addButton(option, choice);
        connect(option, &QRadioButton::clicked, this, [this, choice] { onOptionClicked(choice); });
        optionButtons[size_t(choice)] = option;
    }

    previousQuestionButton = addQuizButton(QuizButton::PreviousQuestion, "<< Previous Question",
                                           2040, 7920, 3765, false);
    nextQuestionButton =
        addQuizButton(QuizButton::NextQuestion, "Next Question >>", 6000, 7920, 3765, true);
    exitButton = addQuizButton(QuizButton::Exit, "Exit", 10560, 7920, 1245, true);
    printWorksheetButton =
        addQuizButton(QuizButton::PrintWorksheet, "Print Worksheet", 7920, 1920, 3045, false);
    // The screen itself takes the focus, so no choice carries it.
    setFocusPolicy(Qt::StrongFocus);
}

platform::TextLabel* QuizScreen::addQuizButton(QuizButton button, const char* caption, double left,
                                               double top, double width, bool visible) {
    platform::TextLabel* label =
        addButton(QStringLiteral("quizButtons"), int(button), left, top, width,
                  style::kButtonHeight, QString::fromLatin1(caption), style::kButtonPoints,
                  Qt::black, [this](int index) { onButtonClicked(QuizButton(index)); });
    label->setBorder(true);
    label->setOpaque(true);
    label->setVisible(visible);
    highlightOnHover(label);
    return label;
}

void QuizScreen::onLoad() {
    common::adaptScreen(*this, topicPicture);
    state().score = 0;
    state().total = kQuestions;
    state().questionNumber = 1;
    for (int q = 1; q <= kQuestions; ++q)
        state().marks[size_t(q)] = 0;
    for (int choice = 1; choice <= kChoices; ++choice) {
        QPalette p = optionButtons[size_t(choice)]->palette();
        p.setColor(QPalette::Window, style::kScreenBlue);
        optionButtons[size_t(choice)]->setPalette(p);
    }
    setTitleLabel->setCaption(state().questions.title);
    showQuestion();
}

void QuizScreen::clearChoice() {
    // Every question is shown with no choice selected, also after going back.
    choices_->setExclusive(false);
    for (int choice = 1; choice <= kChoices; ++choice)
        optionButtons[size_t(choice)]->setChecked(false);
    choices_->setExclusive(true);
}

void QuizScreen::showQuestion() {
    const int q = state().questionNumber;
    const common::QuestionSet& set = state().questions;
    clearChoice();
    previousQuestionButton->show();
    nextQuestionButton->setCaption(QStringLiteral("Next Question >>"));
    questionNumberLabel->setCaption(QStringLiteral("Question") + formatNumber(q));
    if (q >= 1 && q <= kQuestions) {
        questionText->setCaption(set.questionText[size_t(q)]);
        optionButtons[1]->setText(set.optionA[size_t(q)]);
        optionButtons[2]->setText(set.optionB[size_t(q)]);
        optionButtons[3]->setText(set.optionC[size_t(q)]);
        optionButtons[4]->setText(set.optionD[size_t(q)]);
    }
    if (q == 1)
        previousQuestionButton->hide();
    if (q == kQuestions)
        nextQuestionButton->setCaption(QStringLiteral("Check Score >>"));
    setFocus(Qt::OtherFocusReason);
}

void QuizScreen::onOptionClicked(int) {
    common::playSound(QStringLiteral("wav\\typekey.wav"));
}

void QuizScreen::onButtonClicked(QuizButton button) {
    switch (button) {
    case QuizButton::PreviousQuestion:
        state().questionNumber -= 1;
        showQuestion();
        break;
    case QuizButton::NextQuestion: {
        const int q = state().questionNumber;
        const int right = state().questions.rightAnswer[size_t(q)].toInt();
        const bool chosen =
            right >= 1 && right <= kChoices && optionButtons[size_t(right)]->isChecked();
        state().marks[size_t(q)] = chosen ? 1 : 0;
        state().questionNumber = q + 1;
        if (state().questionNumber <= kQuestions)
            showQuestion();
        else
            endQuiz();
        break;
    }
    case QuizButton::Exit:
        unload();
        break;
    case QuizButton::PrintWorksheet:
        printWorksheet();
        break;
    }
    common::playSound(QStringLiteral("wav\\click.wav"));
}

void QuizScreen::printWorksheet() {
    const QString what = QStringLiteral("Worksheet - %1").arg(setTitleLabel->caption());
    if (platform::printJob(what, [this](platform::Printer& printer) {
            worksheets::printWorksheet(printer, subjectLabel->caption(), setTitleLabel->caption(),
                                       state().questions);
        }) == platform::PrintOutcome::Printed)
        platform::messages().ok(QString::fromLatin1(worksheets::kWorksheetPrinting));
}

void QuizScreen::endQuiz() {
    for (int q = 1; q <= kQuestions; ++q) {
        state().score += state().marks[size_t(q)];
        if (state().marks[size_t(q)] == 0) {
            // Wrong answers fill the list from the top: those before this
            // one number q - 1 - score.
            platform::TextLabel* line =
                wrongAnswersScreen().answerLines[size_t(q - 1 - state().score)];
            line->setCaption(wrongAnswerLine(q, state().questions.questionText[size_t(q)]));
            line->show();
        }
    }
    state().certificateSubject = subjectLabel->caption();
    wrongAnswersScreen().setTitleLabel->setCaption(setTitleLabel->caption());
    ResultsScreen& results = resultsScreen();
    results.tryAgainLabel->hide();
    results.hintLabel->show();
    results.followUpButton->show();
    results.showScreen();
    unload();
}

QuizScreen& quizScreen() {
    return platform::touch<QuizScreen>(QStringLiteral("quizScreen"));
}

} // namespace quiz
