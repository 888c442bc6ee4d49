// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding of the bitmaps that metafile records carry: device-independent
// bitmaps (all depths, colour masks, run-length compression) and the old
// device-dependent form of the first blit records.

#include <QImage>
#include <QVector>

namespace wmf {

class Reader;

// No bitmap larger than this many pixels is decoded (64 MB at 32 bits).
constexpr qint64 kMaxBitmapPixels = 16 * 1024 * 1024;

struct Dib {
    QImage image;         // top-down, RGB32 or ARGB32 (run-length gaps are transparent)
    bool bottomUp = true; // as stored; the image is always top-down
};

// Colour tables hold RGB quads, or with `paletteIndices` 16-bit indices into
// `palette` (the selected logical palette).
bool decodeDib(Reader in, bool paletteIndices, const QVector<QRgb>& palette, Dib& out);

// A device-dependent bitmap; monochrome bits are drawn in the given colours.
bool decodeBitmap16(Reader in, QRgb zeroColor, QRgb oneColor, QImage& out);

} // namespace wmf
