// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/sound.h"

#include "common/sharedstate.h"
#include "platform/services.h"
#include "platform/soundplayer.h"

namespace common {

void playSound(const QString& contentPath) {
    if (!state().soundOn)
        return;
    platform::soundPlayer().play(contentPath);
}

} // namespace common
