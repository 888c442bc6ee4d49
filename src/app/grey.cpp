#include "app/grey.h"

#include "platform/screenregistry.h"
#include "platform/services.h"

namespace app {

GreyScreen::GreyScreen() : Screen(QStringLiteral("Grey"), Kind::Backdrop) {
    setWindowTitle(QStringLiteral("Form1"));
}

void GreyScreen::Form_Load() {
    setBackColor(QColor(48, 133, 214));
}

platform::SoundPlayer& GreyScreen::SndDevil1() {
    return platform::soundPlayer();
}

GreyScreen& Grey() {
    return platform::touch<GreyScreen>(QStringLiteral("Grey"));
}

} // namespace app
