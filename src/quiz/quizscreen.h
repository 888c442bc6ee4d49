// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"

#include <array>

class QButtonGroup;
class QRadioButton;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace quiz {

// The quiz screen's buttons; the numbers are their indices as clicks report them.
enum class QuizButton { PreviousQuestion = 0, NextQuestion = 1, Exit = 2, PrintWorksheet = 3 };

// The quiz: the ten questions of the loaded set, one at a time, each with
// four choices; the last press totals the marks and shows the results.
class QuizScreen : public platform::Screen {
    Q_OBJECT
public:
    QuizScreen();

    platform::TextLabel* headingLabel;
    platform::TextLabel* subjectLabel; // what the certificate names
    platform::TextLabel* setTitleLabel;
    platform::PictureBox* topicPicture;
    platform::TextLabel* questionNumberLabel;
    platform::TextLabel* questionText;
    // By choice number 1 to 4, as the right answer numbers them; slot 0 unused.
    std::array<QRadioButton*, 5> optionButtons{};
    platform::TextLabel* previousQuestionButton;
    platform::TextLabel* nextQuestionButton;
    platform::TextLabel* exitButton;
    // Shown only on a worksheet the catalogue opened, for the teacher.
    platform::TextLabel* printWorksheetButton;

    void showQuestion();
    void onButtonClicked(QuizButton button);
    void onOptionClicked(int choice);

protected:
    void onLoad() override;

private:
    platform::TextLabel* addQuizButton(QuizButton button, const char* caption, double left,
                                       double top, double width, bool visible);
    void clearChoice();
    void endQuiz();
    void printWorksheet();

    QButtonGroup* choices_;
};

QuizScreen& quizScreen();

} // namespace quiz
