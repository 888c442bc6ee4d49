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

// The quiz: the ten questions of the loaded set, one at a time, each with
// four choices; the last press totals the marks and shows the results.
class QuizScreen : public platform::Screen {
    Q_OBJECT
public:
    QuizScreen();

    platform::TextLabel* Label1;
    platform::TextLabel* Label5;
    platform::TextLabel* Label6;
    platform::PictureBox* Picture1;
    platform::TextLabel* Label4;
    platform::TextLabel* Label2;
    std::array<QRadioButton*, 5> Option1{}; // choices 1 to 4; slot 0 unused
    std::array<platform::TextLabel*, 4> Label3{};

    void showquest();
    void Label3_Click(int index);
    void Option1_Click(int index);

protected:
    void Form_Load() override;

private:
    void clearChoice();
    void endQuiz();

    QButtonGroup* choices_;
};

QuizScreen& multiple();

} // namespace quiz
