// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"

#include <functional>

class QLineEdit;
class QTimer;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace quiz {

// The results screen's buttons; the numbers are their indices as clicks report them.
enum class ResultsButton { FollowUp = 0, Exit = 1 };

// The results screen: the score in one of three wordings, a moon picture, a
// reward sound, and the certificate or the wrong-answers list.
class ResultsScreen : public platform::Screen {
    Q_OBJECT
public:
    ResultsScreen();

    platform::TextLabel* headingLabel;
    platform::PictureBox* moonPicture;
    // Prints the certificate after a perfect score, else opens the wrong-answers list.
    platform::TextLabel* followUpButton;
    platform::TextLabel* exitButton;
    platform::TextLabel* scoreLabel;
    platform::TextLabel* hintLabel;
    platform::TextLabel* tryAgainLabel;
    QLineEdit* nameEdit;
    platform::TextLabel* nameHintLabel;
    // One after another: the picture, then the focus and button look, then the sound.
    QTimer* pictureTimer;
    QTimer* focusTimer;
    QTimer* rewardSoundTimer;

    void onButtonClicked(ResultsButton button);
    void printCertificate();

    // The random source of the reward sound; tests seed their own.
    static void setRandomSource(std::function<std::function<double()>()> seeded);

protected:
    void onLoad() override;
};

ResultsScreen& resultsScreen();

} // namespace quiz
