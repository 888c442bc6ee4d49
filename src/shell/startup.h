// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

// The program's name and version on the application object, which also name
// the user's data folder.
void nameApplication();
// Set-up that must happen before the application object exists.
void beforeApplication();
// The window manager's close button on the program window asks on the exit
// screen, as the menu's "Exit" does.
void installCloseHandling();
// Names the application, registers fonts and shows the title screen.
void start();

} // namespace shell
