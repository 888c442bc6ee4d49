// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Exposes clickable labels to assistive technology as push buttons named by
// their caption, pressable through the accessibility action interface, and
// message boxes as alerts with their text. Call before the application object
// is created.
void installAccessibility();

} // namespace platform
