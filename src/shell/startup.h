#pragma once

namespace shell {

// Set-up that must happen before the application object exists.
void beforeApplication();
// Names the application, registers fonts and shows the title screen.
void start();

} // namespace shell
