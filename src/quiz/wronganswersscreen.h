// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"

#include <array>

namespace platform {
class TextLabel;
}

namespace quiz {

// The wrong-answers list: the questions of the last quiz answered wrongly,
// filled by the quiz at its end and shown from the results screen.
class WrongAnswersScreen : public platform::Screen {
    Q_OBJECT
public:
    WrongAnswersScreen();

    platform::TextLabel* setTitleLabel;
    platform::TextLabel* introLabel;
    std::array<platform::TextLabel*, 10> answerLines{}; // hidden until filled
    platform::TextLabel* tryAgainLabel;
    platform::TextLabel* exitButton;

    void onExitClicked();

protected:
    void onLoad() override;
};

WrongAnswersScreen& wrongAnswersScreen();
bool wrongAnswersScreenLoaded();

} // namespace quiz
