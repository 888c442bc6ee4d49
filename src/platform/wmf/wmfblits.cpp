// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmaps and raster operations: PATBLT, the blits with and without a
// bitmap, STRETCHDIB and SETDIBTODEV.

#include "platform/wmf/wmfdib.h"
#include "platform/wmf/wmfplayer.h"
#include "platform/wmf/wmfreader.h"

namespace wmf {

namespace {

// The ternary raster operation codes (the high word of a raster operation).
enum Rop3 : quint8 {
    BLACKNESS = 0x00,
    NOTSRCERASE = 0x11,
    NOTSRCCOPY = 0x33,
    SRCERASE = 0x44,
    DSTINVERT = 0x55,
    PATINVERT = 0x5A,
    SRCINVERT = 0x66,
    SRCAND = 0x88,
    DSTCOPY = 0xAA,
    MERGEPAINT = 0xBB,
    MERGECOPY = 0xC0,
    SRCCOPY = 0xCC,
    SRCPAINT = 0xEE,
    PATCOPY = 0xF0,
    PATPAINT = 0xFB,
    WHITENESS = 0xFF,
};

quint8 rop3(quint32 rop) {
    return quint8(rop >> 16);
}

// Makes pixels of one colour transparent: how a mask drawn with AND (white
// keeps the page) or an image drawn with OR (black keeps it) looks.
QImage withTransparent(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
    }
    return out;
}

} // namespace

// A fill of the destination for operations that use no source bitmap.
void Player::fillWithRop(const QRectF& rect, quint32 rop) {
    switch (rop3(rop)) {
    case PATCOPY:
    case PATPAINT:
        if (dc_.brush.style == BS_HATCHED && dc_.bkMode == OPAQUE)
            fillRect(rect, dc_.bkColor);
        fillRect(rect, qbrush(dc_.brush));
        break;
    case PATINVERT:
        if (rasterOps_ && p_ && beginDraw()) {
            p_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p_->fillRect(rect, qbrush(dc_.brush));
        } else {
            fillRect(rect, qbrush(dc_.brush));
        }
        break;
    case BLACKNESS:
        fillRect(rect, Qt::black);
        break;
    case WHITENESS:
        fillRect(rect, Qt::white);
        break;
    case DSTINVERT:
        if (rasterOps_ && p_ && beginDraw()) {
            p_->setCompositionMode(QPainter::RasterOp_NotDestination);
            p_->fillRect(rect, Qt::black);
        }
        break;
    default:
        break; // the page stays as it is
    }
}

void Player::patBlt(Reader& in) {
    const quint32 rop = in.u32();
    const qint16 height = in.i16(), width = in.i16(), top = in.i16(), left = in.i16();
    if (!in.ok())
        return;
    QRectF r = devRect(left, top, left + width, top + height);
    // Office suites draw table rules as one-unit fills: keep them visible.
    if (r.width() < pixel_)
        r.setWidth(pixel_);
    if (r.height() < pixel_)
        r.setHeight(pixel_);
    fillWithRop(r, rop);
}

void Player::blit(quint16 function, Reader& in) {
    // Records without a bitmap are one word longer than their fields and
    // carry a reserved word before the destination.
    const qsizetype fixedWords = (function >> 8) + 3; // the size of a record without bitmap
    const bool withoutBitmap = (function == BITBLT || function == STRETCHBLT ||
                                function == DIBBITBLT || function == DIBSTRETCHBLT) &&
                               in.remaining() == fixedWords * 2 - 6;

    quint32 rop = 0x00CC0020; // SRCCOPY
    bool paletteIndices = false;
    if (function == SETDIBTODEV) {
        paletteIndices = in.u16() == 1;
        in.u16(); // scan count
        in.u16(); // start scan
    } else {
        rop = in.u32();
        if (function == STRETCHDIB)
            paletteIndices = in.u16() == 1;
    }
    qint16 srcH = 0, srcW = 0;
    const bool stretch =
        function == STRETCHBLT || function == DIBSTRETCHBLT || function == STRETCHDIB;
    if (stretch) {
        srcH = in.i16();
        srcW = in.i16();
    }
    const qint16 ySrc = in.i16(), xSrc = in.i16();
    if (withoutBitmap)
        in.u16(); // reserved
    const qint16 destH = in.i16(), destW = in.i16(), yDest = in.i16(), xDest = in.i16();
    if (!stretch) {
        srcH = destH;
        srcW = destW;
    }
    if (!in.ok())
        return;

    const QPointF a = dev(xDest, yDest);
    const QPointF b = dev(xDest + destW, yDest + destH);
    if (withoutBitmap) {
        QRectF r = QRectF(a, b).normalized();
        if (r.width() < pixel_)
            r.setWidth(pixel_);
        if (r.height() < pixel_)
            r.setHeight(pixel_);
        fillWithRop(r, rop);
        return;
    }

    QImage image;
    bool bottomUp = false;
    if (function == BITBLT || function == STRETCHBLT) {
        // Monochrome device bitmaps take the text and background colours.
        if (!decodeBitmap16(in, dc_.textColor.rgb(), dc_.bkColor.rgb(), image)) {
            ++report_->unsupportedBitmaps;
            return;
        }
    } else {
        const Object* o = objects_.at(dc_.palette);
        const Palette* pal = o ? std::get_if<Palette>(o) : nullptr;
        Dib dib;
        if (!decodeDib(in, paletteIndices, pal ? pal->entries : QVector<QRgb>(), dib)) {
            ++report_->unsupportedBitmaps;
            return;
        }
        image = dib.image;
        bottomUp = dib.bottomUp;
    }
    in.skip(in.remaining());

    // STRETCHDIB and SETDIBTODEV count source rows of a bottom-up bitmap from
    // its bottom; the blits address the bitmap as a top-down device would.
    const bool fromBottom = bottomUp && (function == STRETCHDIB || function == SETDIBTODEV);
    QRectF src(xSrc, fromBottom ? image.height() - ySrc - srcH : ySrc, srcW, srcH);
    drawBitmap(image, src, a, b, rop);
}

void Player::drawBitmap(QImage image, QRectF src, QPointF a, QPointF b, quint32 rop) {
    // A negative source size mirrors as a negative destination does.
    bool mirrorX = (b.x() < a.x()) != (src.width() < 0);
    bool mirrorY = (b.y() < a.y()) != (src.height() < 0);
    src = src.normalized().intersected(QRectF(image.rect()));
    if (src.isEmpty())
        return;
    QRectF dest = QRectF(a, b).normalized();
    if (dest.isEmpty())
        return;

    switch (rop3(rop)) {
    case DSTCOPY:
        return;
    case NOTSRCCOPY:
        image.invertPixels();
        break;
    case SRCAND:
        image = withTransparent(image, qRgb(255, 255, 255));
        break;
    case SRCPAINT:
        image = withTransparent(image, qRgb(0, 0, 0));
        break;
    case PATCOPY:
    case BLACKNESS:
    case WHITENESS:
    case DSTINVERT:
    case PATINVERT:
        fillWithRop(dest, rop); // operations that ignore the source
        return;
    default:
        break;
    }

    if (!p_) {
        note(dest);
        return;
    }
    if (!beginDraw())
        return;
    if (src.toRect() != image.rect())
        image = image.copy(src.toRect());
    if (mirrorX || mirrorY)
        image = image.mirrored(mirrorX, mirrorY);
    if (rop3(rop) == SRCINVERT && rasterOps_)
        p_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    // Shrunk pictures are smoothed; enlarged ones keep their pixels crisp.
    const QRectF onDevice = p_->worldTransform().mapRect(dest);
    p_->setRenderHint(QPainter::SmoothPixmapTransform,
                      onDevice.width() < image.width() || onDevice.height() < image.height());
    p_->drawImage(dest, image);
}

} // namespace wmf
