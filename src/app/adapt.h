#pragma once
// The common look of every full-size screen: size, caption, background,
// centred on the display.

#include <QPointF>
#include <QSizeF>

namespace platform {
class Screen;
}

namespace app {

inline const char* const kProductTitle = "Corvella";

// Left and top, in twips, of a window centred on a display (single
// precision; negative when the window is larger than the display).
QPointF centredOrigin(QSizeF displayTwips, QSizeF windowTwips);
// The primary display's size in twips.
QSizeF displaySizeTwips();

// Gives a screen that is being loaded the common appearance.
void adaptScreen(platform::Screen& screen);

} // namespace app
