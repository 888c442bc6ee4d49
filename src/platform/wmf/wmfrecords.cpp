// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmfrecords.h"

#include "platform/wmf/wmfreader.h"

namespace wmf {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
constexpr int kPlaceableBytes = 22;
constexpr int kHeaderWords = 9;

} // namespace

bool splitRecords(const QByteArray& bytes, FileLayout& layout, QString& damage) {
    layout = FileLayout();
    damage.clear();
    if (bytes.size() > kMaxFileBytes) {
        damage = QStringLiteral("file larger than %1 bytes").arg(kMaxFileBytes);
        return false;
    }
    Reader in(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());

    if (in.has(kPlaceableBytes) && Reader(in).u32() == kPlaceableKey) {
        in.u32();
        in.u16(); // handle, always zero
        const qint16 left = in.i16(), top = in.i16(), right = in.i16(), bottom = in.i16();
        layout.placeable = true;
        layout.bounds = QRect(left, top, right - left, bottom - top);
        layout.unitsPerInch = in.u16();
        in.skip(6); // reserved, checksum: a wrong checksum is common and harmless
    }

    const quint16 type = in.u16();
    const quint16 headerWords = in.u16();
    in.u16(); // version
    in.u32(); // file size in words: often wrong, the records tell the truth
    layout.objectCount = in.u16();
    in.u32(); // largest record
    in.u16(); // unused
    if (!in.ok() || (type != 1 && type != 2) || headerWords != kHeaderWords)
        return false;

    while (in.remaining() > 0) {
        const qsizetype at = in.pos();
        if (!in.has(6)) {
            damage = QStringLiteral("%1 stray bytes at offset %2").arg(in.remaining()).arg(at);
            break;
        }
        const quint32 words = in.u32();
        const quint16 function = in.u16();
        const qsizetype bytesLeft = in.remaining() + 6;
        if (words < 3 || qint64(words) * 2 > bytesLeft) {
            damage = QStringLiteral("record %1 at offset %2 claims %3 words, %4 bytes remain")
                         .arg(layout.records.size())
                         .arg(at)
                         .arg(words)
                         .arg(bytesLeft);
            break;
        }
        const qsizetype paramBytes = qsizetype(words) * 2 - 6;
        if (function == EOF_) {
            layout.endRecordSeen = true;
            break;
        }
        layout.records.push_back(Record{function, in.pos(), paramBytes});
        in.skip(paramBytes);
    }
    if (!layout.endRecordSeen && damage.isEmpty())
        damage = QStringLiteral("no end record");
    return true;
}

const char* functionName(quint16 function) {
    switch (function) {
#define WMF_NAME(n)                                                                                \
    case n:                                                                                        \
        return #n;
        WMF_NAME(REALIZEPALETTE)
        WMF_NAME(SETPALENTRIES)
        WMF_NAME(SETBKMODE)
        WMF_NAME(SETMAPMODE)
        WMF_NAME(SETROP2)
        WMF_NAME(SETRELABS)
        WMF_NAME(SETPOLYFILLMODE)
        WMF_NAME(SETSTRETCHBLTMODE)
        WMF_NAME(SETTEXTCHAREXTRA)
        WMF_NAME(RESTOREDC)
        WMF_NAME(INVERTREGION)
        WMF_NAME(PAINTREGION)
        WMF_NAME(SELECTCLIPREGION)
        WMF_NAME(SELECTOBJECT)
        WMF_NAME(SETTEXTALIGN)
        WMF_NAME(RESIZEPALETTE)
        WMF_NAME(DIBCREATEPATTERNBRUSH)
        WMF_NAME(SETLAYOUT)
        WMF_NAME(DELETEOBJECT)
        WMF_NAME(CREATEPATTERNBRUSH)
        WMF_NAME(SETBKCOLOR)
        WMF_NAME(SETTEXTCOLOR)
        WMF_NAME(SETTEXTJUSTIFICATION)
        WMF_NAME(SETWINDOWORG)
        WMF_NAME(SETWINDOWEXT)
        WMF_NAME(SETVIEWPORTORG)
        WMF_NAME(SETVIEWPORTEXT)
        WMF_NAME(OFFSETWINDOWORG)
        WMF_NAME(OFFSETVIEWPORTORG)
        WMF_NAME(LINETO)
        WMF_NAME(MOVETO)
        WMF_NAME(OFFSETCLIPRGN)
        WMF_NAME(FILLREGION)
        WMF_NAME(SETMAPPERFLAGS)
        WMF_NAME(SELECTPALETTE)
        WMF_NAME(CREATEPALETTE)
        WMF_NAME(CREATEPENINDIRECT)
        WMF_NAME(CREATEFONTINDIRECT)
        WMF_NAME(CREATEBRUSHINDIRECT)
        WMF_NAME(POLYGON)
        WMF_NAME(POLYLINE)
        WMF_NAME(SCALEWINDOWEXT)
        WMF_NAME(SCALEVIEWPORTEXT)
        WMF_NAME(EXCLUDECLIPRECT)
        WMF_NAME(INTERSECTCLIPRECT)
        WMF_NAME(ELLIPSE)
        WMF_NAME(FLOODFILL)
        WMF_NAME(RECTANGLE)
        WMF_NAME(SETPIXEL)
        WMF_NAME(FRAMEREGION)
        WMF_NAME(ANIMATEPALETTE)
        WMF_NAME(TEXTOUT)
        WMF_NAME(POLYPOLYGON)
        WMF_NAME(EXTFLOODFILL)
        WMF_NAME(ROUNDRECT)
        WMF_NAME(PATBLT)
        WMF_NAME(ESCAPE)
        WMF_NAME(CREATEREGION)
        WMF_NAME(ARC)
        WMF_NAME(PIE)
        WMF_NAME(CHORD)
        WMF_NAME(BITBLT)
        WMF_NAME(DIBBITBLT)
        WMF_NAME(EXTTEXTOUT)
        WMF_NAME(STRETCHBLT)
        WMF_NAME(DIBSTRETCHBLT)
        WMF_NAME(SETDIBTODEV)
        WMF_NAME(STRETCHDIB)
        WMF_NAME(SAVEDC)
#undef WMF_NAME
    }
    return "unknown";
}

} // namespace wmf
