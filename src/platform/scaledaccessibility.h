// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// With the whole program scaled (--fit), the toolkit reports the places and
// sizes of controls to assistive technology in its unscaled pixels, so a
// screen reader's pointer and tools driven through the accessibility bus
// miss every control. This layer reports them as drawn.

namespace platform {

// After the application object exists; changes nothing at scale 1.
void reportScaledExtents();

} // namespace platform
