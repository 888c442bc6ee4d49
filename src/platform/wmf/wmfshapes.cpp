// SPDX-License-Identifier: GPL-3.0-or-later
// Lines, polygons, rectangles, ellipses, arcs, pixels and regions.

#include "platform/wmf/wmfplayer.h"
#include "platform/wmf/wmfreader.h"

#include <QtMath>
#include <cmath>

namespace wmf {

void Player::lineTo(Reader& in) {
    const qint16 y = in.i16(), x = in.i16();
    if (!in.ok())
        return;
    QPainterPath path(dev(dc_.position.x(), dc_.position.y()));
    path.lineTo(dev(x, y));
    dc_.position = QPointF(x, y);
    drawPath(path, false, true);
}

void Player::polygon(Reader& in, bool closed) {
    const int count = in.i16();
    if (count == 0)
        return;
    if (count < 0 || !in.has(qsizetype(count) * 4)) {
        in.skip(in.remaining() + 1); // mark malformed
        return;
    }
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const qint16 x = in.i16(), y = in.i16();
        points.append(dev(x, y));
    }
    QPainterPath path;
    path.setFillRule(dc_.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    path.addPolygon(points);
    if (closed)
        path.closeSubpath();
    drawPath(path, closed, true);
}

void Player::polyPolygon(Reader& in) {
    const int polygons = in.u16();
    if (!in.has(qsizetype(polygons) * 2)) {
        in.skip(in.remaining() + 1);
        return;
    }
    std::vector<int> counts(static_cast<size_t>(polygons));
    qint64 total = 0;
    for (int& c : counts) {
        c = in.u16();
        total += c;
    }
    if (!in.has(total * 4)) {
        in.skip(in.remaining() + 1);
        return;
    }
    QPainterPath path;
    path.setFillRule(dc_.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    for (int c : counts) {
        if (c == 0)
            continue;
        QPolygonF points;
        points.reserve(c);
        for (int i = 0; i < c; ++i) {
            const qint16 x = in.i16(), y = in.i16();
            points.append(dev(x, y));
        }
        path.addPolygon(points);
        path.closeSubpath();
    }
    drawPath(path, true, true);
}

void Player::rectangle(Reader& in, bool rounded) {
    qint16 cornerHeight = 0, cornerWidth = 0;
    if (rounded) {
        cornerHeight = in.i16();
        cornerWidth = in.i16();
    }
    const qint16 bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
    if (!in.ok())
        return;
    const QRectF r = devRect(left, top, right, bottom);
    QPainterPath path;
    if (rounded)
        path.addRoundedRect(r, devX(cornerWidth) / 2, devY(cornerHeight) / 2);
    else
        path.addRect(r);
    drawPath(path, true, true);
}

void Player::ellipse(Reader& in) {
    const qint16 bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
    if (!in.ok())
        return;
    QPainterPath path;
    path.addEllipse(devRect(left, top, right, bottom));
    drawPath(path, true, true);
}

void Player::arc(Reader& in, int kind) {
    const qint16 yEnd = in.i16(), xEnd = in.i16(), yStart = in.i16(), xStart = in.i16();
    const qint16 bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
    if (!in.ok())
        return;
    const QRectF r = devRect(left, top, right, bottom);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    // The radial points give the angles; the arc runs counter-clockwise on
    // the device from start to end. Angles are parametric, as Qt's arcs take
    // them, so they are measured on the ellipse scaled to a circle.
    const QPointF c = r.center();
    auto angle = [&](QPointF p) {
        return qRadiansToDegrees(
            std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width()));
    };
    const double a1 = angle(dev(xStart, yStart));
    const double a2 = angle(dev(xEnd, yEnd));
    double sweep = std::fmod(a2 - a1 + 720.0, 360.0);
    if (sweep < 1e-9)
        sweep = 360; // start equal to end: the whole ellipse

    QPainterPath path;
    if (kind == PIE) {
        path.moveTo(c);
        path.arcTo(r, a1, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, a1);
        path.arcTo(r, a1, sweep);
        if (kind == CHORD)
            path.closeSubpath();
    }
    drawPath(path, kind != ARC, true);
}

void Player::setPixel(Reader& in) {
    const ColorRef ref{in.u32()};
    const qint16 y = in.i16(), x = in.i16();
    if (!in.ok())
        return;
    const QPointF p = dev(x, y);
    fillRect(QRectF(p.x(), p.y(), pixel_, pixel_), color(ref));
}

QPainterPath Player::regionPath(const Region& region) const {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QRect& r : region.rects)
        path.addRect(devRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()));
    return path;
}

void Player::regionRecord(quint16 function, Reader& in) {
    const int regionIndex = in.u16();
    const int brushIndex = (function == FILLREGION || function == FRAMEREGION) ? in.u16() : -1;
    qint16 frameHeight = 1, frameWidth = 1;
    if (function == FRAMEREGION) {
        frameHeight = in.i16();
        frameWidth = in.i16();
    }
    if (!in.ok())
        return;
    const Object* o = objects_.at(regionIndex);
    const Region* region = o ? std::get_if<Region>(o) : nullptr;
    const Brush* brush = &dc_.brush;
    if (brushIndex >= 0) {
        const Object* b = objects_.at(brushIndex);
        brush = b ? std::get_if<Brush>(b) : nullptr;
    }
    if (!region || !region->valid || !brush) {
        ++report_->badObjectIndices;
        return;
    }
    const QPainterPath path = regionPath(*region).simplified();
    if (!p_) {
        note(path.boundingRect());
        return;
    }
    if (!beginDraw())
        return;
    if (function == INVERTREGION) {
        if (rasterOps_) {
            p_->setCompositionMode(QPainter::RasterOp_NotDestination);
            p_->fillPath(path, Qt::black);
        }
        return;
    }
    if (function == FRAMEREGION) {
        // A border of the brush inside the region's outline.
        const double w = std::max(devX(frameWidth), pixel_);
        const double h = std::max(devY(frameHeight), pixel_);
        QPainterPathStroker stroker;
        stroker.setWidth(2 * std::max(w, h));
        stroker.setJoinStyle(Qt::MiterJoin);
        p_->fillPath(stroker.createStroke(path).intersected(path), qbrush(*brush));
        return;
    }
    p_->fillPath(path, qbrush(*brush));
}

} // namespace wmf
