// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device context a metafile draws through: mapping, selected objects,
// colours, modes, current position and clip. SAVEDC copies it whole.

#include "platform/wmf/wmfmapping.h"
#include "platform/wmf/wmfobjects.h"

#include <QPainterPath>

namespace wmf {

enum BkMode { TRANSPARENT = 1, OPAQUE = 2 };
enum PolyFillMode { ALTERNATE = 1, WINDING = 2 };
enum Rop2 {
    R2_BLACK = 1,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_MASKPEN = 9,
    R2_NOP = 11,
    R2_COPYPEN = 13,
    R2_MERGEPEN = 15,
    R2_WHITE = 16
};
enum TextAlign { TA_UPDATECP = 1, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };

// The clip, in device coordinates: GDI keeps it there when the mapping changes.
struct Clip {
    enum Kind { None, Rect, Path } kind = None;
    QRectF rect;
    QPainterPath path;

    void intersect(const QRectF& r);
    void exclude(const QRectF& r, const QRectF& everything);
    void setPath(const QPainterPath& p);
    void offset(QPointF by);
};

struct DcState {
    Mapping mapping;
    Pen pen;     // black, one pixel
    Brush brush; // white
    Font font;
    int palette = -1; // object index of the selected palette
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = OPAQUE;
    int polyFillMode = ALTERNATE;
    int rop2 = R2_COPYPEN;
    int textAlign = 0;
    int charExtra = 0;
    int breakExtra = 0; // logical units spread over the break characters of a text
    int breakCount = 0;
    QPointF position; // logical
    Clip clip;

    DcState() { brush.color.value = 0xFFFFFF; }
};

} // namespace wmf
