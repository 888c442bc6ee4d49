// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labelling activity of "Life on Earth": the bodies of the inner solar
// system and their fitness for life.
#include "activities/activityscreen.h"

namespace activities {

class InnerPlanetsScreen : public ActivityScreen {
    Q_OBJECT
public:
    InnerPlanetsScreen() : ActivityScreen(innerPlanetsLayout()) {}
};

InnerPlanetsScreen& innerPlanetsScreen();

} // namespace activities
