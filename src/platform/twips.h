// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screens are laid out in twips; widgets are placed in device-independent
// pixels. Conversion happens only where a widget is placed.

#include <QRect>
#include <QSize>
#include <cmath>

namespace platform {

constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The program window: 12000 by 9000 twips outside, frame and caption included;
// screens are laid out in its client area.
constexpr double kWindowWidthTwips = 12000;
constexpr double kWindowHeightTwips = 9000;
constexpr double kClientWidthTwips = 11910;
constexpr double kClientHeightTwips = 8655;

inline QSize clientSizePixels() {
    return QSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
}

} // namespace platform
