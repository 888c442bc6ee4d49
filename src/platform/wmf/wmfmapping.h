// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window and viewport of a device context: how logical coordinates map
// into page coordinates (the units of the picture's frame).

#include <QPointF>
#include <QRectF>

namespace wmf {

enum MapMode {
    MM_TEXT = 1,
    MM_LOMETRIC,
    MM_HIMETRIC,
    MM_LOENGLISH,
    MM_HIENGLISH,
    MM_TWIPS,
    MM_ISOTROPIC,
    MM_ANISOTROPIC
};

struct Mapping {
    int mode = MM_TEXT;
    QPointF windowOrg, windowExt{1, 1};
    QPointF viewportOrg, viewportExt{1, 1};
    double pageUnitsPerInch = 96; // fixed modes convert inches to page units with this

    // Page = (logical - windowOrg) * scale + viewportOrg.
    QPointF scale() const;
    QPointF toPage(QPointF logical) const {
        const QPointF s = scale();
        return QPointF((logical.x() - windowOrg.x()) * s.x() + viewportOrg.x(),
                       (logical.y() - windowOrg.y()) * s.y() + viewportOrg.y());
    }

    // The record handlers: zero extents are refused as GDI does.
    void setMode(int m);
    void setWindowExt(double x, double y);
    void setViewportExt(double x, double y);
    void scaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    void scaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
};

} // namespace wmf
