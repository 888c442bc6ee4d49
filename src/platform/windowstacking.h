// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping the program's windows in order under a window manager. The
// backdrop covers the whole display and must never come in front of the
// program window, whatever the user clicks; the exit screen must stay in
// front of the program window. Window managers keep a window of the desktop
// type below every ordinary window, and a window that is transient for
// another above that one. Both are X11 properties: elsewhere (offscreen,
// other window systems) these calls change nothing.

class QWidget;

namespace platform {

// Marks a top-level window as the desktop's own, kept below every other
// window and left out of task bars and window switching. Before it is shown.
void keepBelowEverything(QWidget& window);

// Keeps `window` in front of `owner` (both top-level windows). Takes effect
// the next time `window` is shown; a null owner lifts the bond.
void keepInFrontOf(QWidget& window, QWidget* owner);

} // namespace platform
