// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the records of a document through a device-context state machine onto
// a QPainter. Coordinates are mapped to the painter's own coordinates here, so
// text stays upright and pens keep their widths whatever the mapping.

#include "platform/wmf/wmfdcstate.h"
#include "platform/wmf/wmfdocumentdata.h"
#include "platform/wmf/wmfobjects.h"

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <map>
#include <vector>

namespace wmf {

class Reader;

class Player {
public:
    // With a null painter nothing is drawn and bounds() collects the extent of
    // what would be drawn, in page units.
    Player(const Document::Data& doc, QPainter* painter, const QTransform& pageToDevice,
           double devicePerPixel, PlayReport* report);
    void run();
    QRectF bounds() const { return bounds_; }

    static constexpr int kMaxSaveDepth = 1024;
    static constexpr double kMaxDashes = 100000;

private:
    // wmfplayer.cpp: dispatch, state and objects.
    bool playRecord(quint16 function, Reader& in);
    void setMapping(const Mapping& m);
    void saveDc();
    void restoreDc(int which);
    void createObject(Object object);
    void selectObject(int index);
    void deleteObject(int index);
    QColor color(ColorRef ref) const;
    void clipRect(Reader& in, bool exclude);
    void selectClipRegion(int index);

    // Device coordinates.
    QPointF dev(double x, double y) const { return toDevice_.map(QPointF(x, y)); }
    QRectF devRect(double left, double top, double right, double bottom) const;
    double devX(double logical) const { return std::abs(logical * toDevice_.m11()); }
    double devY(double logical) const { return std::abs(logical * toDevice_.m22()); }

    // Painting, with the clip and raster mode of the DC applied.
    bool beginDraw();
    void note(const QRectF& deviceRect);
    QPen qpen() const;
    QBrush qbrush(const Brush& brush) const;
    void drawPath(const QPainterPath& path, bool fill, bool stroke);
    void fillRect(const QRectF& rect, const QBrush& brush);
    void applyClip();

    // wmfshapes.cpp
    void polygon(Reader& in, bool closed);
    void polyPolygon(Reader& in);
    void rectangle(Reader& in, bool rounded);
    void ellipse(Reader& in);
    void arc(Reader& in, int kind);
    void setPixel(Reader& in);
    void lineTo(Reader& in);
    QPainterPath regionPath(const Region& region) const;
    void regionRecord(quint16 function, Reader& in);

    // wmftextout.cpp
    void textOut(Reader& in);
    void extTextOut(Reader& in);
    void drawText(QPointF logicalRef, const QByteArray& bytes, const QVector<qint16>& dx,
                  int options, const QRectF& logicalRect);
    struct FontChoice {
        QFont font;
        double scale = 1;  // drawn at font pixel size times this
        double ascent = 0; // device units
        double descent = 0;
    };
    const FontChoice& fontChoice();

    // wmfblits.cpp
    void patBlt(Reader& in);
    void blit(quint16 function, Reader& in);
    void drawBitmap(QImage image, QRectF src, QPointF destA, QPointF destB, quint32 rop);
    void fillWithRop(const QRectF& rect, quint32 rop);

    const Document::Data& doc_;
    QPainter* p_;
    QTransform pageToDevice_;
    QTransform toDevice_; // logical to device
    double pixel_;        // one pixel of the picture at 96 dpi, in device units
    PlayReport* report_;
    PlayReport ownReport_;

    DcState dc_;
    std::vector<DcState> saved_;
    int unsavedDepth_ = 0; // SAVEDCs beyond the limit, to keep RESTOREDC pairs
    ObjectTable objects_;
    bool clipDirty_ = false;
    bool rasterOps_ = false;
    QRectF bounds_;
    double targetExtent_ = 0; // the larger side of the target, device units

    std::map<QByteArray, FontChoice> fonts_;
};

} // namespace wmf
