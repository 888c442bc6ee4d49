// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way back to the main menu from a screen the menu opened. The menu
// belongs to the shell, above every screen, so the shell implements this.

namespace common {

// Brings the main menu to the front with its animation running again.
void returnToMenu();

} // namespace common
