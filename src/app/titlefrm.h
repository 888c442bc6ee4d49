#pragma once
#include "platform/screen.h"

class QPushButton;
class QTimer;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace app {

// The title screen: a small dialog over the backdrop with the product title,
// the moon-phase animation and the credits. Shown again by the menu as the
// exit screen, with "OK" renamed "Cancel".
class TitleScreen : public platform::Screen {
    Q_OBJECT
public:
    TitleScreen();

    QWidget* Frame1;
    platform::TextLabel* Label4;
    platform::PictureBox* Picture1;
    platform::TextLabel* Label1;
    platform::TextLabel* Label5;
    platform::TextLabel* Label3;
    QPushButton* Command1;
    QPushButton* Command2;
    platform::TextLabel* Label2;
    QTimer* Timer1;

    void Command1_Click();
    void Command2_Click();

protected:
    void Form_Load() override;

private:
    void Timer1_Timer();
    bool centreOnDisplay();
};

TitleScreen& Titlefrm();

} // namespace app
