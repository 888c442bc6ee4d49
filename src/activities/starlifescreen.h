// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labelling activity of "The Sun and other Stars": the stages in the life
// cycle of a star like the Sun.
#include "activities/activityscreen.h"

namespace activities {

class StarLifeScreen : public ActivityScreen {
    Q_OBJECT
public:
    StarLifeScreen() : ActivityScreen(starLifeLayout()) {}
};

StarLifeScreen& starLifeScreen();

} // namespace activities
