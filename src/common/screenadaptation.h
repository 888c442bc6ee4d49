// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common look of every full-size screen: size, caption, background,
// centred on the display.

#include <QPointF>
#include <QSizeF>

namespace platform {
class PictureBox;
class Screen;
} // namespace platform

namespace common {

inline const char* const kProductTitle = "Corvella";

// Left and top, in twips, of a window centred on a display (single
// precision; negative when the window is larger than the display).
QPointF centredOrigin(QSizeF displayTwips, QSizeF windowTwips);
// The primary display's size in twips.
QSizeF displaySizeTwips();

// Gives a screen that is being loaded the common appearance; `panel`, the
// screen's main picture if it has one, gets the panel colour and turns opaque.
void adaptScreen(platform::Screen& screen, platform::PictureBox* panel = nullptr);

} // namespace common
