#pragma once
#include "platform/screen.h"

namespace platform {
class SoundPlayer;
}

namespace app {

// The backdrop: a borderless screen over the whole display, in one colour,
// behind the title screen. It carries the sound player.
class GreyScreen : public platform::Screen {
    Q_OBJECT
public:
    GreyScreen();
    platform::SoundPlayer& SndDevil1();

protected:
    void Form_Load() override;
};

GreyScreen& Grey();

} // namespace app
