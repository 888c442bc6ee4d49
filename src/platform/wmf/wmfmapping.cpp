// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmfmapping.h"

#include <algorithm>
#include <cmath>

namespace wmf {

namespace {

// The size of one logical unit of each fixed mode, in inches.
double inchesPerUnit(int mode) {
    switch (mode) {
    case MM_LOMETRIC:
        return 0.1 / 25.4;
    case MM_HIMETRIC:
        return 0.01 / 25.4;
    case MM_LOENGLISH:
        return 0.01;
    case MM_HIENGLISH:
        return 0.001;
    case MM_TWIPS:
        return 1.0 / 1440;
    }
    return 0;
}

} // namespace

QPointF Mapping::scale() const {
    if (const double inches = inchesPerUnit(mode)) {
        // Fixed modes ignore the extents and have y pointing up.
        const double s = inches * pageUnitsPerInch;
        return QPointF(s, -s);
    }
    // MM_TEXT is treated like MM_ANISOTROPIC: producers set a window extent in
    // MM_TEXT and expect it to map onto the frame.
    double sx = viewportExt.x() / windowExt.x();
    double sy = viewportExt.y() / windowExt.y();
    if (mode == MM_ISOTROPIC) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
    }
    return QPointF(sx, sy);
}

void Mapping::setMode(int m) {
    if (m >= MM_TEXT && m <= MM_ANISOTROPIC)
        mode = m;
}

namespace {

// Repeated scaling records could drive an extent to zero or infinity.
bool usableExtent(double v) {
    return std::isfinite(v) && std::abs(v) >= 1e-6 && std::abs(v) <= 1e9;
}

} // namespace

void Mapping::setWindowExt(double x, double y) {
    if (usableExtent(x) && usableExtent(y))
        windowExt = QPointF(x, y);
}

void Mapping::setViewportExt(double x, double y) {
    if (usableExtent(x) && usableExtent(y))
        viewportExt = QPointF(x, y);
}

void Mapping::scaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
    if (xDenom != 0 && yDenom != 0)
        setWindowExt(windowExt.x() * xNum / xDenom, windowExt.y() * yNum / yDenom);
}

void Mapping::scaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
    if (xDenom != 0 && yDenom != 0)
        setViewportExt(viewportExt.x() * xNum / xDenom, viewportExt.y() * yNum / yDenom);
}

} // namespace wmf
