// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmfdcstate.h"

namespace wmf {

void Clip::intersect(const QRectF& r) {
    switch (kind) {
    case None:
        kind = Rect;
        rect = r;
        break;
    case Rect:
        rect = rect.intersected(r);
        if (rect.isEmpty())
            rect = QRectF(); // an empty clip hides everything
        break;
    case Path: {
        QPainterPath p;
        p.addRect(r);
        path = path.intersected(p);
        break;
    }
    }
}

void Clip::exclude(const QRectF& r, const QRectF& everything) {
    if (kind == None) {
        kind = Path;
        path = QPainterPath();
        path.addRect(everything);
    } else if (kind == Rect) {
        kind = Path;
        path = QPainterPath();
        path.addRect(rect);
    }
    QPainterPath p;
    p.addRect(r);
    path = path.subtracted(p);
}

void Clip::setPath(const QPainterPath& p) {
    kind = Path;
    path = p;
}

void Clip::offset(QPointF by) {
    rect.translate(by);
    path.translate(by);
}

} // namespace wmf
