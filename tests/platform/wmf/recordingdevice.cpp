// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingdevice.h"

#include <QPixmap>
#include <QTextItem>
#include <QtMath>
#include <cmath>

RecordingEngine::RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

void RecordingEngine::updateState(const QPaintEngineState& state) {
    const DirtyFlags flags = state.state();
    if (flags & DirtyTransform)
        transform_ = state.transform();
    if (flags & DirtyPen)
        pen_ = state.pen();
    if (flags & DirtyBrush)
        brush_ = state.brush();
    if (flags & (DirtyClipPath | DirtyClipRegion)) {
        QPainterPath clip;
        if (flags & DirtyClipPath) {
            clip = transform_.map(state.clipPath());
        } else {
            clip.addRegion(state.clipRegion());
            clip = transform_.map(clip);
        }
        switch (state.clipOperation()) {
        case Qt::NoClip:
            clipEnabled_ = false;
            break;
        case Qt::ReplaceClip:
            clip_ = clip;
            clipEnabled_ = true;
            break;
        case Qt::IntersectClip:
            clip_ = clipEnabled_ ? clip_.intersected(clip) : clip;
            clipEnabled_ = true;
            break;
        }
    }
    if (flags & DirtyClipEnabled)
        clipEnabled_ = state.isClipEnabled();
}

RecordedItem RecordingEngine::base() const {
    RecordedItem item;
    item.pen = pen_;
    item.brush = brush_;
    item.clipped = clipEnabled_;
    if (clipEnabled_) {
        item.clip = clip_.boundingRect();
        item.clipPath = clip_;
    }
    return item;
}

void RecordingEngine::drawPath(const QPainterPath& path) {
    RecordedItem item = base();
    item.path = transform_.map(path);
    item.bounds = item.path.boundingRect();
    items.push_back(item);
}

void RecordingEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QVector<QPointF>(points, points + count)));
    if (mode != PolylineMode)
        path.closeSubpath();
    drawPath(path);
}

void RecordingEngine::drawRects(const QRectF* rects, int count) {
    for (int i = 0; i < count; ++i) {
        QPainterPath path;
        path.addRect(rects[i]);
        drawPath(path);
    }
}

void RecordingEngine::drawEllipse(const QRectF& rect) {
    QPainterPath path;
    path.addEllipse(rect);
    drawPath(path);
}

void RecordingEngine::drawLines(const QLineF* lines, int count) {
    for (int i = 0; i < count; ++i) {
        QPainterPath path(lines[i].p1());
        path.lineTo(lines[i].p2());
        drawPath(path);
    }
}

void RecordingEngine::drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) {
    drawImage(r, pm.toImage(), sr, Qt::AutoColor);
}

void RecordingEngine::drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                                Qt::ImageConversionFlags) {
    RecordedItem item = base();
    item.kind = RecordedItem::Image;
    item.bounds = transform_.mapRect(r);
    item.image = image.copy(sr.toRect());
    // A mirroring transform shows the image mirrored: record what is seen.
    if (transform_.m11() < 0 || transform_.m22() < 0)
        item.image = item.image.mirrored(transform_.m11() < 0, transform_.m22() < 0);
    items.push_back(item);
}

void RecordingEngine::drawTextItem(const QPointF& p, const QTextItem& textItem) {
    RecordedItem item = base();
    item.kind = RecordedItem::Text;
    item.text = textItem.text();
    item.font = textItem.font();
    item.origin = transform_.map(p);
    const double scale = std::sqrt(std::abs(transform_.determinant()));
    item.pixelSize = textItem.font().pixelSize() * scale;
    item.angle = qRadiansToDegrees(std::atan2(-transform_.m12(), transform_.m11()));
    item.bounds = QRectF(item.origin, QSizeF(0, 0));
    items.push_back(item);
}

QVector<RecordedItem> RecordingDevice::texts() const {
    QVector<RecordedItem> out;
    for (const RecordedItem& i : items())
        if (i.kind == RecordedItem::Text)
            out.push_back(i);
    return out;
}

QVector<RecordedItem> RecordingDevice::images() const {
    QVector<RecordedItem> out;
    for (const RecordedItem& i : items())
        if (i.kind == RecordedItem::Image)
            out.push_back(i);
    return out;
}

QVector<RecordedItem> RecordingDevice::paths() const {
    QVector<RecordedItem> out;
    for (const RecordedItem& i : items())
        if (i.kind == RecordedItem::Path)
            out.push_back(i);
    return out;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return int(size_.width() * 25.4 / 96);
    case PdmHeightMM:
        return int(size_.height() * 25.4 / 96);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    }
    return 0;
}
