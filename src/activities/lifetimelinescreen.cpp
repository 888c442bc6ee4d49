// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/lifetimelinescreen.h"

#include "platform/screenregistry.h"

namespace activities {

LifeTimelineScreen& lifeTimelineScreen() {
    return platform::touch<LifeTimelineScreen>(QStringLiteral("lifeTimelineScreen"));
}

} // namespace activities
