// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small metafiles played onto a device that records what is drawn, font- and raster-free.

#include "platform/wmf/wmfdcstate.h"
#include "platform/wmf/wmfdocument.h"
#include "platform/wmf/wmfrecords.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <QtEndian>
#include <QtMath>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

struct RecordedItem {
    enum Kind { Path, Text, Image } kind = Path;
    QRectF bounds; // device coordinates, for paths and images
    QPen pen;
    QBrush brush;
    QString text;         // for text
    QPointF origin;       // text baseline start, device coordinates
    double pixelSize = 0; // effective font pixel size on the device
    double angle = 0;     // degrees, counter-clockwise on the device
    QImage image;         // as seen in `bounds`
    QPainterPath clip;    // device coordinates; empty when there is none
};

// Rectangles and ellipses arrive as paths through QPaintEngine's fallbacks.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState&) override {}

    void drawPath(const QPainterPath& path) override {
        record(RecordedItem::Path).bounds = toDevice().map(path).boundingRect();
    }

    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags) override {
        const QTransform t = toDevice();
        RecordedItem& item = record(RecordedItem::Image);
        item.bounds = t.mapRect(r);
        // A mirroring transform shows the image mirrored: record what is seen.
        item.image = image.copy(sr.toRect()).mirrored(t.m11() < 0, t.m22() < 0);
    }

    void drawTextItem(const QPointF& p, const QTextItem& textItem) override {
        const QTransform t = toDevice();
        RecordedItem& item = record(RecordedItem::Text);
        item.text = textItem.text();
        item.origin = t.map(p);
        item.pixelSize = textItem.font().pixelSize() * std::sqrt(std::abs(t.determinant()));
        item.angle = qRadiansToDegrees(std::atan2(-t.m12(), t.m11()));
    }

    QVector<RecordedItem> items;

private:
    QTransform toDevice() const { return painter()->combinedTransform(); }

    RecordedItem& record(RecordedItem::Kind kind) {
        items.push_back(RecordedItem{kind});
        RecordedItem& item = items.last();
        item.pen = painter()->pen();
        item.brush = painter()->brush();
        if (painter()->hasClipping())
            item.clip = toDevice().map(painter()->clipPath());
        return item;
    }
};

// 1000 x 1000 device units at 96 per inch (the other metrics are not asked for).
class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine_; }

    QVector<RecordedItem> items(RecordedItem::Kind kind) const {
        QVector<RecordedItem> out;
        for (const RecordedItem& i : engine_.items)
            if (i.kind == kind)
                out.push_back(i);
        return out;
    }

protected:
    int metric(PaintDeviceMetric m) const override {
        if (m == PdmDevicePixelRatioScaled)
            return int(QPaintDevice::devicePixelRatioFScale());
        return m == PdmDevicePixelRatio ? 1 : m == PdmWidth || m == PdmHeight ? 1000 : 96;
    }

private:
    mutable RecordingEngine engine_;
};

inline QByteArray le16(int v) {
    QByteArray b(2, '\0');
    qToLittleEndian(quint16(v), b.data());
    return b;
}

inline QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// One record: its function and 16-bit words in file order.
using Rec = std::pair<quint16, std::vector<int>>;

class WmfBuilder {
public:
    // A placeable header with the given box and units per inch (0: none); one unit a pixel.
    explicit WmfBuilder(int left = 0, int top = 0, int right = 1000, int bottom = 1000,
                        int inch = 96) {
        if (inch > 0) {
            bytes += le32(0x9AC6CDD7u) + le16(0);
            for (int v : {left, top, right, bottom, inch})
                bytes += le16(v);
            bytes += QByteArray(6, '\0'); // reserved and checksum, not checked
        }
        bytes += le16(1) + le16(9) + le16(0x0300) + QByteArray(12, '\0');
    }

    // A record of 16-bit words in file order, then raw bytes padded to a word.
    WmfBuilder& rec(quint16 function, const std::vector<int>& words, QByteArray tail = {}) {
        if (tail.size() % 2)
            tail.append('\0');
        bytes += le32(quint32(3 + words.size() + tail.size() / 2)) + le16(function);
        for (int w : words)
            bytes += le16(w);
        bytes += tail;
        return *this;
    }

    WmfBuilder& recs(std::initializer_list<Rec> records) {
        for (const auto& [function, words] : records)
            rec(function, words);
        return *this;
    }

    WmfBuilder& font(int height, int charset = 0, const QByteArray& face = "Arial",
                     int escapement = 0) {
        QByteArray tail(8, '\0'); // italic, underline, strike-out, charset, then pitch and such
        tail[3] = char(charset);
        tail += face + QByteArray(32 - face.size(), '\0');
        return rec(wmf::CREATEFONTINDIRECT, {height, 0, escapement, escapement, 400}, tail);
    }

    WmfBuilder& text(int x, int y, const QByteArray& s, std::initializer_list<int> dx = {},
                     int options = 0, QRect rect = QRect()) {
        QByteArray tail;
        if (options & 6) // opaque or clipped: the rectangle comes first
            for (int v : {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1})
                tail += le16(v);
        tail += s + QByteArray(s.size() % 2, '\0');
        for (int d : dx)
            tail += le16(d);
        return rec(wmf::EXTTEXTOUT, {y, x, int(s.size()), options}, tail);
    }

    QByteArray end() const { return bytes + le32(3) + le16(0); }

    QByteArray bytes;
};

// A bitmap info header; a negative height is top-down.
inline QByteArray dibHeader(int width, int height, int bits, int compression = 0,
                            int colorsUsed = 0) {
    return le32(40) + le32(quint32(width)) + le32(quint32(height)) + le16(1) + le16(bits) +
           le32(quint32(compression)) + QByteArray(12, '\0') + le32(quint32(colorsUsed)) + le32(0);
}

// Colours as a bitmap stores them: a colour table, or the pixels of 32 bits.
inline QByteArray quads(std::initializer_list<QRgb> colours) {
    QByteArray b;
    for (QRgb c : colours)
        b += le32(c & 0xFFFFFF);
    return b;
}

// Rows top-down joined by '/': black, white, red, green, blue as kwrgb, '.' clear, else '?'.
inline QString pixelsOf(const QImage& image) {
    const QList<QRgb> names = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0),
                               qRgb(0, 0, 255)};
    QStringList rows(image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const qsizetype i = names.indexOf(image.pixel(x, y));
            rows[y] += QChar(qAlpha(image.pixel(x, y)) == 0 ? '.' : "kwrgb?"[i < 0 ? 5 : i]);
        }
    }
    return rows.join(QLatin1Char('/'));
}

inline std::unique_ptr<RecordingDevice> play(const QByteArray& bytes,
                                             wmf::PlayReport* report = nullptr,
                                             const QRectF& target = QRectF(0, 0, 1000, 1000)) {
    auto device = std::make_unique<RecordingDevice>();
    if (const auto doc = wmf::Document::parse(bytes)) {
        QPainter painter(device.get());
        doc->play(painter, target, report);
    }
    return device;
}
