// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"

class QPushButton;
class QTimer;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace shell {

// The title screen: a small dialog over the backdrop with the product title,
// the moon-phase animation and the credits. Shown again by the menu as the
// exit screen, with "OK" renamed "Cancel".
class TitleScreen : public platform::Screen {
    Q_OBJECT
public:
    TitleScreen();

    QWidget* panel; // holds every control
    platform::TextLabel* titleLabel;
    platform::PictureBox* moonPhasePicture;
    platform::TextLabel* writersLabel;
    platform::TextLabel* mapsCreditLabel;
    platform::TextLabel* licenceLabel;
    QPushButton* okButton; // "OK", or "Cancel" on the exit screen: on to the menu
    QPushButton* exitButton;
    platform::TextLabel* subtitleLabel;
    QTimer* moonPhaseTimer;

    void onOkClicked();
    void onExitClicked();

protected:
    void onLoad() override;
    // The window manager's close button ends the program, as "Exit" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void onMoonPhaseTick();
    bool centreOnDisplay();
};

TitleScreen& titleScreen();

// Shows the title screen again as the exit screen ("OK" becomes "Cancel"),
// in front of the program window: the menu's "Exit" and the window
// manager's close button on any of the program's windows.
void showExitScreen();

} // namespace shell
