// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/starlifescreen.h"

#include "platform/screenregistry.h"

namespace activities {

StarLifeScreen& starLifeScreen() {
    return platform::touch<StarLifeScreen>(QStringLiteral("starLifeScreen"));
}

} // namespace activities
