// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

// The program's name and version on the application object, which also name
// the user's data folder.
void nameApplication();
// Set-up that must happen before the application object exists.
void beforeApplication();
// Names the application, registers fonts and shows the title screen.
void start();

} // namespace shell
