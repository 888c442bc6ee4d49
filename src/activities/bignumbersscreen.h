// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ordering activity of "The Sun and other Stars": names of large numbers
// matched to the numbers written in figures.
#include "activities/activityscreen.h"

namespace activities {

class BigNumbersScreen : public ActivityScreen {
    Q_OBJECT
public:
    BigNumbersScreen() : ActivityScreen(bigNumbersLayout()) {}
};

BigNumbersScreen& bigNumbersScreen();

} // namespace activities
