// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/innerplanetsscreen.h"

#include "platform/screenregistry.h"

namespace activities {

InnerPlanetsScreen& innerPlanetsScreen() {
    return platform::touch<InnerPlanetsScreen>(QStringLiteral("innerPlanetsScreen"));
}

} // namespace activities
