// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graphics objects a metafile creates, and the table that holds them.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QVector>
#include <variant>
#include <vector>

namespace wmf {

class Reader;

// A colour reference: 0x00bbggrr, or a palette index when the top byte is 1.
struct ColorRef {
    quint32 value = 0;
    bool isPaletteIndex() const { return (value >> 24) == 1; }
    QColor toColor() const {
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    }
};

enum PenStyle { PS_SOLID = 0, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME };

struct Pen {
    quint16 style = PS_SOLID; // low byte: line style; then end cap and join bits
    qint16 width = 0;         // logical units; 0 is one device pixel
    ColorRef color;
};

enum BrushStyle {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HATCHED = 2,
    BS_PATTERN = 3,
    BS_DIBPATTERN = 5,
    BS_DIBPATTERNPT = 6
};

struct Brush {
    quint16 style = BS_SOLID;
    ColorRef color;
    quint16 hatch = 0;
    QImage pattern;                 // for pattern brushes
    bool monochromePattern = false; // pattern drawn in text and background colours
};

struct Font {
    qint16 height = 0; // negative: em height; positive: cell height
    qint16 width = 0;
    qint16 escapement = 0; // tenths of a degree
    qint16 weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charset = 0;
    QByteArray face;
};

struct Palette {
    QVector<QRgb> entries;
};

// A region as the union of its scan rectangles, in logical units; at most
// this many are kept, as clipping and filling cost grows with each.
constexpr int kMaxRegionRects = 4096;
struct Region {
    bool valid = false; // a record too short to hold a region still takes a slot
    QRect bounds;
    QVector<QRect> rects;
};

using Object = std::variant<std::monostate, Pen, Brush, Font, Palette, Region>;

// Objects live in numbered slots; a new object takes the lowest free slot.
class ObjectTable {
public:
    // Producers often under-count objects, so the table grows as needed, but
    // never beyond this many slots.
    static constexpr int kMaxSlots = 16384;

    explicit ObjectTable(int announced = 0);

    // Returns the slot taken, or -1 when the table is full.
    int add(Object object);
    // Null for an empty or invalid index.
    const Object* at(int index) const;
    bool remove(int index);
    int liveCount() const { return live_; }

private:
    std::vector<Object> slots_;
    int firstFree_ = 0; // no free slot below this
    int live_ = 0;
};

// Record parsers for the object-creating records. They return false when the
// record is too short to hold the object.
bool readPen(Reader& in, Pen& pen);
bool readBrush(Reader& in, Brush& brush);
bool readFont(Reader& in, Font& font);
bool readPalette(Reader& in, Palette& palette);
bool readRegion(Reader& in, Region& region);

} // namespace wmf
