// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ordering activity of "Life on Earth": events placed on a timeline of life.
#include "activities/activityscreen.h"

namespace activities {

class LifeTimelineScreen : public ActivityScreen {
    Q_OBJECT
public:
    LifeTimelineScreen() : ActivityScreen(lifeTimelineLayout()) {}
};

LifeTimelineScreen& lifeTimelineScreen();

} // namespace activities
