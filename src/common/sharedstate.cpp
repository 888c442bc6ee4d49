// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/sharedstate.h"

namespace common {

SharedState& state() {
    static SharedState s;
    return s;
}

void resetState() {
    state() = SharedState();
}

} // namespace common
