// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A paint device that records what a painter draws on it, in device
// coordinates, so tests can check numbers without depending on fonts or on
// rasterisation.

#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVector>

struct RecordedItem {
    enum Kind { Path, Text, Image } kind = Path;
    QRectF bounds;     // device coordinates
    QPainterPath path; // device coordinates, for paths
    QPen pen;
    QBrush brush;
    QString text;         // for text
    QPointF origin;       // text baseline start, device coordinates
    double pixelSize = 0; // effective font pixel size on the device
    double angle = 0;     // degrees, counter-clockwise on the device
    QFont font;
    QImage image; // as drawn into `bounds`
    bool clipped = false;
    QRectF clip;           // bounding rectangle of the clip, device coordinates
    QPainterPath clipPath; // device coordinates
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine();
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override;
    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawEllipse(const QRectF& rect) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override;
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags flags) override;
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
    Type type() const override { return QPaintEngine::User; }

    QVector<RecordedItem> items;

private:
    RecordedItem base() const;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
    bool clipEnabled_ = false;
    QPainterPath clip_; // device coordinates
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size = QSize(1000, 1000)) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const QVector<RecordedItem>& items() const { return engine_.items; }
    QVector<RecordedItem> texts() const;
    QVector<RecordedItem> images() const;
    QVector<RecordedItem> paths() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    mutable RecordingEngine engine_;
};
