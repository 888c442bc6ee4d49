// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"
#include "shell/menuitems.h"

#include <QMap>

class QRadioButton;
class QTimer;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace shell {

// The main menu: every topic, the teachers' material and the worksheet
// tools, with the earth-rise animation and the sound switch.
class MenuScreen : public platform::Screen {
    Q_OBJECT
public:
    MenuScreen();

    platform::TextLabel* titleLabel;
    platform::TextLabel* subtitleLabel;
    platform::PictureBox* earthRisePicture;
    platform::PictureBox* earthMoonPicture; // inside the earth-rise picture
    QRadioButton* soundOnOption;
    QRadioButton* soundOffOption;
    QTimer* worksheetListTimer; // reads the worksheet list once the menu is up
    QTimer* earthRiseTimer;
    // Whether the worksheet list was read whole at the start; the animation
    // runs only then.
    bool worksheetListRead = false;
    QMap<MenuItem, platform::TextLabel*> menuItems;

    void onMenuItemClicked(MenuItem item);

protected:
    void onLoad() override;

private:
    void onWorksheetListTick();
    void onEarthRiseTick();
    void addItem(MenuItem item, const QString& caption, double left, double top, double width,
                 double height, double points);
};

MenuScreen& menuScreen();
bool menuScreenLoaded();

} // namespace shell
