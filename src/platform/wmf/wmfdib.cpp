// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmfdib.h"

#include "platform/wmf/wmfreader.h"

#include <algorithm>

namespace wmf {

namespace {

enum Compression {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_JPEG = 4,
    BI_PNG = 5
};

struct Header {
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = BI_RGB;
    quint32 colorsUsed = 0;
    quint32 masks[3] = {0, 0, 0};
    bool hasMasks = false;
    bool core = false;
};

bool readHeader(Reader& in, Header& h) {
    const quint32 size = in.u32();
    if (size == 12) {
        h.core = true;
        h.width = in.u16();
        h.height = in.u16();
        in.u16();
        h.bitCount = in.u16();
        return in.ok();
    }
    if (size < 40 || !in.has(qsizetype(size) - 4))
        return false;
    h.width = in.i32();
    h.height = in.i32();
    in.u16(); // planes
    h.bitCount = in.u16();
    h.compression = in.u32();
    in.skip(12); // image size, resolution
    h.colorsUsed = in.u32();
    in.u32(); // important colours
    if (size >= 52) {
        // Version 4 and 5 headers carry the masks inside.
        for (quint32& m : h.masks)
            m = in.u32();
        h.hasMasks = true;
        in.skip(qsizetype(size) - 52);
    } else {
        in.skip(qsizetype(size) - 40);
    }
    return in.ok();
}

// A mask's shift and width, to scale its field to eight bits.
struct Channel {
    int shift = 0;
    int bits = 0;
    explicit Channel(quint32 mask) {
        if (!mask)
            return;
        while (!(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        while (mask & 1) {
            mask >>= 1;
            ++bits;
        }
    }
    int value(quint32 pixel) const {
        if (bits == 0)
            return 0;
        const quint32 v = (pixel >> shift) & ((1u << std::min(bits, 31)) - 1);
        if (bits >= 8)
            return int(v >> (bits - 8));
        // Replicate the high bits so that full intensity stays 255.
        quint32 out = 0;
        for (int have = 0; have < 8; have += bits)
            out = (out << bits) | v;
        return int((out >> (((8 + bits - 1) / bits) * bits - 8)) & 0xFF);
    }
};

void decodeRows(Reader& in, const Header& h, const QVector<QRgb>& colors, QImage& img,
                bool bottomUp) {
    const int w = int(h.width), height = int(h.height);
    const qint64 stride = ((qint64(w) * h.bitCount + 31) / 32) * 4;
    quint32 masks[3] = {h.masks[0], h.masks[1], h.masks[2]};
    if (h.compression != BI_BITFIELDS && !h.hasMasks) {
        if (h.bitCount == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else {
            masks[0] = 0xFF0000;
            masks[1] = 0x00FF00;
            masks[2] = 0x0000FF;
        }
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    auto color = [&](int index) -> QRgb {
        return index < colors.size() ? colors[index] : qRgb(0, 0, 0);
    };
    // A short file keeps the rows it has; the rest stay transparent.
    const int rows = int(std::min<qint64>(height, in.remaining() / stride));
    for (int r = 0; r < rows; ++r) {
        const uchar* src = in.here() + qsizetype(r) * stride;
        QRgb* dst = reinterpret_cast<QRgb*>(img.scanLine(bottomUp ? height - 1 - r : r));
        switch (h.bitCount) {
        case 1:
            for (int x = 0; x < w; ++x)
                dst[x] = color((src[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                dst[x] = color((src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                dst[x] = color(src[x]);
            break;
        case 16:
            for (int x = 0; x < w; ++x) {
                const quint32 p = quint32(src[2 * x] | (src[2 * x + 1] << 8));
                dst[x] = qRgb(red.value(p), green.value(p), blue.value(p));
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            break;
        case 32:
            for (int x = 0; x < w; ++x) {
                const uchar* s = src + 4 * x;
                const quint32 p =
                    quint32(s[0] | (s[1] << 8) | (s[2] << 16)) | (quint32(s[3]) << 24);
                dst[x] = qRgb(red.value(p), green.value(p), blue.value(p));
            }
            break;
        }
    }
}

// Run-length data: pixels the runs skip stay transparent.
void decodeRle(Reader& in, const Header& h, const QVector<QRgb>& colors, QImage& img,
               bool bottomUp) {
    const int w = int(h.width), height = int(h.height);
    const bool four = h.compression == BI_RLE4;
    auto color = [&](int index) -> QRgb {
        return index < colors.size() ? colors[index] : qRgb(0, 0, 0);
    };
    int x = 0, y = 0;
    auto put = [&](int index) {
        if (x < w && y < height)
            reinterpret_cast<QRgb*>(img.scanLine(bottomUp ? height - 1 - y : y))[x] = color(index);
        ++x;
    };
    while (in.has(2) && y < height) {
        const int n = in.u8();
        const int v = in.u8();
        if (n > 0) {
            for (int i = 0; i < n && x < w; ++i)
                put(four ? ((i & 1) ? (v & 0xF) : (v >> 4)) : v);
            continue;
        }
        if (v == 0) { // end of line
            x = 0;
            ++y;
        } else if (v == 1) { // end of bitmap
            break;
        } else if (v == 2) { // delta
            x += in.u8();
            y += in.u8();
        } else { // absolute run of v pixels, padded to a word
            const int bytes = four ? (v + 1) / 2 : v;
            if (!in.has(bytes))
                break;
            const uchar* src = in.here();
            for (int i = 0; i < v && x < w; ++i)
                put(four ? ((i & 1) ? (src[i / 2] & 0xF) : (src[i / 2] >> 4)) : src[i]);
            in.skip(bytes + (bytes & 1));
        }
    }
}

} // namespace

bool decodeDib(Reader in, bool paletteIndices, const QVector<QRgb>& palette, Dib& out) {
    Header h;
    if (!readHeader(in, h))
        return false;
    const bool topDown = h.height < 0;
    h.height = topDown ? -h.height : h.height;
    if (h.width <= 0 || h.height <= 0 || h.width * h.height > kMaxBitmapPixels)
        return false;
    out.bottomUp = !topDown;

    if (h.compression == BI_JPEG || h.compression == BI_PNG) {
        out.image = QImage::fromData(in.here(), int(std::min<qsizetype>(in.remaining(), INT_MAX)));
        return !out.image.isNull();
    }
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    const bool rle = h.compression == BI_RLE8 || h.compression == BI_RLE4;
    if (rle && h.bitCount != (h.compression == BI_RLE8 ? 8 : 4))
        return false;
    if (h.compression != BI_RGB && h.compression != BI_BITFIELDS && !rle)
        return false;
    if (h.compression == BI_BITFIELDS && !h.hasMasks) {
        for (quint32& m : h.masks)
            m = in.u32();
    }

    // The colour table.
    QVector<QRgb> colors;
    const qint64 tableSize = h.bitCount <= 8
                                 ? (h.colorsUsed ? qint64(h.colorsUsed) : 1 << h.bitCount)
                                 : qint64(h.colorsUsed);
    const int entryBytes = paletteIndices ? 2 : (h.core ? 3 : 4);
    const qint64 kept = std::min<qint64>(tableSize, 256);
    for (qint64 i = 0; i < kept && in.ok(); ++i) {
        if (paletteIndices) {
            const int index = in.u16();
            colors.push_back(index < palette.size() ? palette[index] : qRgb(0, 0, 0));
        } else {
            const quint8 b = in.u8(), g = in.u8(), r = in.u8();
            if (!h.core)
                in.u8();
            colors.push_back(qRgb(r, g, b));
        }
    }
    in.skip((tableSize - kept) * entryBytes);
    if (!in.ok())
        return false;
    if (h.bitCount > 8)
        colors.clear();

    out.image =
        QImage(int(h.width), int(h.height), rle ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.image.isNull())
        return false;
    out.image.fill(rle ? Qt::transparent : Qt::black);
    if (rle)
        decodeRle(in, h, colors, out.image, !topDown);
    else
        decodeRows(in, h, colors, out.image, !topDown);
    return true;
}

bool decodeBitmap16(Reader in, QRgb zeroColor, QRgb oneColor, QImage& out) {
    in.i16(); // type
    const int w = in.i16();
    const int h = in.i16();
    const int widthBytes = in.i16();
    in.u8(); // planes
    const int bits = in.u8();
    if (!in.ok() || w <= 0 || h <= 0 || qint64(w) * h > kMaxBitmapPixels)
        return false;
    if (bits != 1 && bits != 24 && bits != 32)
        return false;
    if (qint64(widthBytes) * 8 < qint64(w) * bits)
        return false;
    out = QImage(w, h, QImage::Format_RGB32);
    if (out.isNull())
        return false;
    out.fill(Qt::black);
    const int rows = int(std::min<qint64>(h, in.remaining() / widthBytes));
    for (int y = 0; y < rows; ++y) {
        const uchar* src = in.here() + qsizetype(y) * widthBytes;
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (bits == 1)
                dst[x] = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? oneColor : zeroColor;
            else
                dst[x] =
                    qRgb(src[x * (bits / 8) + 2], src[x * (bits / 8) + 1], src[x * (bits / 8)]);
        }
    }
    return true;
}

} // namespace wmf
