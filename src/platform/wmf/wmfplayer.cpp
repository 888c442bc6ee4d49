// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmfplayer.h"

#include "platform/wmf/wmfdib.h"
#include "platform/wmf/wmfreader.h"

#include <QPaintEngine>
#include <cmath>

namespace wmf {

namespace {

// Path operations on a clip grow with each excluded rectangle; beyond this
// many path elements further exclusions are dropped.
constexpr int kMaxClipElements = 4096;

} // namespace

Player::Player(const Document::Data& doc, QPainter* painter, const QTransform& pageToDevice,
               double devicePerPixel, PlayReport* report)
    : doc_(doc), p_(painter), pageToDevice_(pageToDevice), pixel_(devicePerPixel),
      report_(report ? report : &ownReport_), objects_(doc.layout.objectCount) {
    const QRectF target = pageToDevice.mapRect(doc.frame);
    targetExtent_ = p_ ? std::max(target.width(), target.height()) : kMaxDashes;
    Mapping m;
    m.pageUnitsPerInch = doc.unitsPerInch;
    // The frame is both the first window and the viewport it maps onto, as a
    // program playing the file would set them up.
    if (!doc.frameMeasured)
        m.windowOrg = m.viewportOrg = doc.frame.topLeft();
    if (!doc.frameMeasured && !doc.frame.isEmpty())
        m.windowExt = m.viewportExt = QPointF(doc.frame.width(), doc.frame.height());
    setMapping(m);
    if (p_) {
        rasterOps_ =
            p_->paintEngine() && p_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
        p_->save();
    }
}

void Player::run() {
    const uchar* base = reinterpret_cast<const uchar*>(doc_.bytes.constData());
    for (const Record& r : doc_.layout.records) {
        Reader in(base + r.offset, r.size);
        if (playRecord(r.function, in))
            ++report_->played;
    }
    if (p_)
        p_->restore();
}

void Player::setMapping(const Mapping& m) {
    dc_.mapping = m;
    const QPointF s = m.scale();
    const QTransform logicalToPage(s.x(), 0, 0, s.y(), m.viewportOrg.x() - m.windowOrg.x() * s.x(),
                                   m.viewportOrg.y() - m.windowOrg.y() * s.y());
    const QTransform before = toDevice_;
    toDevice_ = logicalToPage * pageToDevice_;
    // Font sizes follow the scale of the mapping, not its origins.
    if (before.m11() != toDevice_.m11() || before.m22() != toDevice_.m22())
        fonts_.clear();
}

QRectF Player::devRect(double left, double top, double right, double bottom) const {
    return QRectF(dev(left, top), dev(right, bottom)).normalized();
}

QColor Player::color(ColorRef ref) const {
    if (ref.isPaletteIndex()) {
        if (const Object* o = objects_.at(dc_.palette)) {
            if (const Palette* pal = std::get_if<Palette>(o)) {
                const int i = int(ref.value & 0xFFFF);
                if (i < pal->entries.size())
                    return QColor(pal->entries[i]);
            }
        }
        return Qt::black;
    }
    return ref.toColor();
}

// Returns false for records that were skipped as malformed or ignored.
bool Player::playRecord(quint16 function, Reader& in) {
    Mapping m = dc_.mapping;
    switch (function) {
    case SETMAPMODE:
        m.setMode(in.i16());
        setMapping(m);
        break;
    case SETWINDOWORG: {
        const qint16 y = in.i16(), x = in.i16();
        m.windowOrg = QPointF(x, y);
        setMapping(m);
        break;
    }
    case SETWINDOWEXT: {
        const qint16 y = in.i16(), x = in.i16();
        m.setWindowExt(x, y);
        setMapping(m);
        break;
    }
    case SETVIEWPORTORG: {
        const qint16 y = in.i16(), x = in.i16();
        m.viewportOrg = QPointF(x, y);
        setMapping(m);
        break;
    }
    case SETVIEWPORTEXT: {
        const qint16 y = in.i16(), x = in.i16();
        m.setViewportExt(x, y);
        setMapping(m);
        break;
    }
    case OFFSETWINDOWORG: {
        const qint16 y = in.i16(), x = in.i16();
        m.windowOrg += QPointF(x, y);
        setMapping(m);
        break;
    }
    case OFFSETVIEWPORTORG: {
        const qint16 y = in.i16(), x = in.i16();
        m.viewportOrg += QPointF(x, y);
        setMapping(m);
        break;
    }
    case SCALEWINDOWEXT:
    case SCALEVIEWPORTEXT: {
        const qint16 yDenom = in.i16(), yNum = in.i16(), xDenom = in.i16(), xNum = in.i16();
        if (function == SCALEWINDOWEXT)
            m.scaleWindowExt(xNum, xDenom, yNum, yDenom);
        else
            m.scaleViewportExt(xNum, xDenom, yNum, yDenom);
        setMapping(m);
        break;
    }
    case SAVEDC:
        saveDc();
        return true;
    case RESTOREDC:
        restoreDc(in.i16());
        break;
    case SETBKMODE:
        dc_.bkMode = in.u16() == OPAQUE ? OPAQUE : TRANSPARENT;
        break;
    case SETBKCOLOR:
        dc_.bkColor = color(ColorRef{in.u32()});
        break;
    case SETTEXTCOLOR:
        dc_.textColor = color(ColorRef{in.u32()});
        break;
    case SETTEXTALIGN:
        dc_.textAlign = in.u16();
        break;
    case SETPOLYFILLMODE:
        dc_.polyFillMode = in.u16() == WINDING ? WINDING : ALTERNATE;
        break;
    case SETROP2:
        dc_.rop2 = in.u16();
        break;
    case SETTEXTCHAREXTRA:
        dc_.charExtra = in.i16();
        break;
    case SETTEXTJUSTIFICATION:
        dc_.breakCount = in.u16();
        dc_.breakExtra = in.i16();
        break;
    case MOVETO: {
        const qint16 y = in.i16(), x = in.i16();
        if (in.ok())
            dc_.position = QPointF(x, y);
        break;
    }
    case LINETO:
        lineTo(in);
        break;

    case CREATEPENINDIRECT: {
        Pen pen;
        // A short record still takes its slot, so later indices stay right.
        const bool whole = readPen(in, pen);
        createObject(pen);
        if (!whole)
            ++report_->malformed;
        return whole;
    }
    case CREATEBRUSHINDIRECT: {
        Brush brush;
        const bool whole = readBrush(in, brush);
        if (brush.style != BS_SOLID && brush.style != BS_NULL && brush.style != BS_HATCHED)
            brush.style = BS_SOLID; // pattern styles need a bitmap this record cannot carry
        createObject(brush);
        if (!whole)
            ++report_->malformed;
        return whole;
    }
    case CREATEFONTINDIRECT: {
        Font font;
        const bool whole = readFont(in, font);
        createObject(font);
        if (!whole)
            ++report_->malformed;
        return whole;
    }
    case CREATEPALETTE: {
        Palette palette;
        const bool whole = readPalette(in, palette);
        createObject(palette);
        if (!whole)
            ++report_->malformed;
        return whole;
    }
    case CREATEREGION: {
        Region region;
        const bool whole = readRegion(in, region);
        createObject(region);
        if (!whole)
            ++report_->malformed;
        return whole;
    }
    case DIBCREATEPATTERNBRUSH: {
        Brush brush;
        brush.style = in.u16();
        const bool paletteIndices = in.u16() == 1;
        Dib dib;
        const Palette* pal = nullptr;
        if (const Object* o = objects_.at(dc_.palette))
            pal = std::get_if<Palette>(o);
        if (in.ok() && decodeDib(in, paletteIndices, pal ? pal->entries : QVector<QRgb>(), dib)) {
            brush.pattern = dib.image;
            // A monochrome pattern of the old kind takes the DC's colours.
            brush.monochromePattern = brush.style == BS_PATTERN;
            brush.style = BS_DIBPATTERN;
        } else {
            ++report_->unsupportedBitmaps;
            brush.style = BS_SOLID;
            brush.color.value = 0x808080;
        }
        createObject(brush);
        return true;
    }
    case CREATEPATTERNBRUSH: {
        // A device bitmap header, a pointer and reserved bytes, then the bits.
        Brush brush;
        brush.style = BS_DIBPATTERN;
        brush.monochromePattern = true;
        QByteArray bitmap(reinterpret_cast<const char*>(in.here()),
                          std::min<qsizetype>(in.remaining(), 10));
        if (in.skip(32))
            bitmap.append(reinterpret_cast<const char*>(in.here()), in.remaining());
        if (!decodeBitmap16(
                Reader(reinterpret_cast<const uchar*>(bitmap.constData()), bitmap.size()),
                qRgb(0, 0, 0), qRgb(255, 255, 255), brush.pattern)) {
            ++report_->unsupportedBitmaps;
            brush.style = BS_SOLID;
            brush.color.value = 0x808080;
        }
        createObject(brush);
        return true;
    }
    case SELECTOBJECT:
        selectObject(in.u16());
        break;
    case DELETEOBJECT:
        deleteObject(in.u16());
        break;
    case SELECTPALETTE:
        dc_.palette = in.u16();
        break;

    case INTERSECTCLIPRECT:
        clipRect(in, false);
        break;
    case EXCLUDECLIPRECT:
        clipRect(in, true);
        break;
    case SELECTCLIPREGION:
        selectClipRegion(in.u16());
        break;
    case OFFSETCLIPRGN: {
        const qint16 y = in.i16(), x = in.i16();
        const QPointF by = dev(x, y) - dev(0, 0);
        dc_.clip.offset(by);
        clipDirty_ = true;
        break;
    }

    case POLYGON:
        polygon(in, true);
        break;
    case POLYLINE:
        polygon(in, false);
        break;
    case POLYPOLYGON:
        polyPolygon(in);
        break;
    case RECTANGLE:
        rectangle(in, false);
        break;
    case ROUNDRECT:
        rectangle(in, true);
        break;
    case ELLIPSE:
        ellipse(in);
        break;
    case ARC:
    case PIE:
    case CHORD:
        arc(in, function);
        break;
    case SETPIXEL:
        setPixel(in);
        break;
    case FILLREGION:
    case FRAMEREGION:
    case PAINTREGION:
    case INVERTREGION:
        regionRecord(function, in);
        break;

    case TEXTOUT:
        textOut(in);
        break;
    case EXTTEXTOUT:
        extTextOut(in);
        break;

    case PATBLT:
        patBlt(in);
        break;
    case BITBLT:
    case STRETCHBLT:
    case DIBBITBLT:
    case DIBSTRETCHBLT:
    case STRETCHDIB:
    case SETDIBTODEV:
        blit(function, in);
        break;

    default:
        // Escapes, palette animation, flood fills, layout and the like:
        // nothing a player of pictures needs to act on.
        ++report_->ignored;
        return false;
    }
    if (!in.ok()) {
        ++report_->malformed;
        return false;
    }
    return true;
}

void Player::saveDc() {
    if (int(saved_.size()) >= kMaxSaveDepth) {
        ++unsavedDepth_;
        return;
    }
    saved_.push_back(dc_);
}

void Player::restoreDc(int which) {
    // Negative: that many levels back; positive: the absolute level.
    int keep;
    if (which < 0) {
        int back = -which;
        const int dropped = std::min(back, unsavedDepth_);
        unsavedDepth_ -= dropped;
        back -= dropped;
        if (back == 0)
            return;
        keep = int(saved_.size()) - back;
    } else {
        keep = which - 1;
    }
    if (which == 0 || keep < 0 || keep >= int(saved_.size()))
        return;
    DcState state = std::move(saved_[size_t(keep)]);
    saved_.resize(size_t(keep));
    unsavedDepth_ = 0;
    const bool clipChanged = state.clip.kind != dc_.clip.kind || state.clip.rect != dc_.clip.rect ||
                             state.clip.kind == Clip::Path;
    dc_ = std::move(state);
    setMapping(dc_.mapping);
    clipDirty_ = clipDirty_ || clipChanged;
}

void Player::createObject(Object object) {
    objects_.add(std::move(object));
}

void Player::selectObject(int index) {
    const Object* o = objects_.at(index);
    if (!o) {
        ++report_->badObjectIndices;
        return;
    }
    if (const Pen* pen = std::get_if<Pen>(o)) {
        dc_.pen = *pen;
    } else if (const Brush* brush = std::get_if<Brush>(o)) {
        dc_.brush = *brush;
    } else if (const Font* font = std::get_if<Font>(o)) {
        dc_.font = *font;
    } else if (std::holds_alternative<Region>(*o)) {
        selectClipRegion(index);
    }
}

void Player::deleteObject(int index) {
    if (!objects_.remove(index))
        ++report_->badObjectIndices;
}

void Player::clipRect(Reader& in, bool exclude) {
    const qint16 bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
    if (!in.ok())
        return;
    const QRectF r = devRect(left, top, right, bottom);
    if (exclude) {
        if (dc_.clip.kind == Clip::Path && dc_.clip.path.elementCount() > kMaxClipElements)
            return;
        // Everything: far beyond any drawing of 16-bit coordinates.
        const QRectF all = devRect(-65536, -65536, 65536, 65536);
        dc_.clip.exclude(r, all);
    } else {
        dc_.clip.intersect(r);
    }
    clipDirty_ = true;
}

void Player::selectClipRegion(int index) {
    // A region replaces the clip; anything else (producers write 0 for "no
    // region") resets it.
    const Object* o = objects_.at(index);
    const Region* region = o ? std::get_if<Region>(o) : nullptr;
    if (region && region->valid)
        dc_.clip.setPath(regionPath(*region));
    else
        dc_.clip = Clip();
    clipDirty_ = true;
}

void Player::applyClip() {
    clipDirty_ = false;
    if (!p_)
        return;
    // The state saved at the start holds the caller's clip; ours intersects it.
    p_->restore();
    p_->save();
    switch (dc_.clip.kind) {
    case Clip::None:
        break;
    case Clip::Rect:
        p_->setClipRect(dc_.clip.rect, Qt::IntersectClip);
        break;
    case Clip::Path:
        p_->setClipPath(dc_.clip.path, Qt::IntersectClip);
        break;
    }
}

bool Player::beginDraw() {
    if (dc_.rop2 == R2_NOP)
        return false;
    if (clipDirty_)
        applyClip();
    if (!p_)
        return true;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    if (rasterOps_) {
        switch (dc_.rop2) {
        case R2_NOT:
            mode = QPainter::RasterOp_NotDestination;
            break;
        case R2_XORPEN:
            mode = QPainter::RasterOp_SourceXorDestination;
            break;
        case R2_MASKPEN:
            mode = QPainter::RasterOp_SourceAndDestination;
            break;
        case R2_MERGEPEN:
            mode = QPainter::RasterOp_SourceOrDestination;
            break;
        }
    }
    p_->setCompositionMode(mode);
    p_->setRenderHint(QPainter::Antialiasing, mode == QPainter::CompositionMode_SourceOver);
    return true;
}

void Player::note(const QRectF& r) {
    if (!p_)
        bounds_ = bounds_.isNull() ? r : bounds_.united(r);
}

QPen Player::qpen() const {
    const Pen& pen = dc_.pen;
    const int style = pen.style & 0x0F;
    if (style == PS_NULL)
        return Qt::NoPen;
    QColor c = color(pen.color);
    if (dc_.rop2 == R2_BLACK)
        c = Qt::black;
    else if (dc_.rop2 == R2_WHITE)
        c = Qt::white;
    const double width = std::max(devX(pen.width), pixel_);
    QPen qp(c, width);
    switch (pen.style & 0x0F00) {
    case 0x0100:
        qp.setCapStyle(Qt::SquareCap);
        break;
    case 0x0200:
        qp.setCapStyle(Qt::FlatCap);
        break;
    default:
        qp.setCapStyle(Qt::RoundCap);
    }
    switch (pen.style & 0xF000) {
    case 0x1000:
        qp.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        qp.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        qp.setJoinStyle(Qt::RoundJoin);
    }
    // Thin pens dash in pixels, wide ones in multiples of their width.
    if (style >= PS_DASH && style <= PS_DASHDOTDOT) {
        static const QVector<qreal> thin[4] = {{18, 6}, {3, 3}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
        static const QVector<qreal> wide[4] = {{3, 1}, {1, 1}, {3, 1, 1, 1}, {3, 1, 1, 1, 1, 1}};
        const bool isThin = width < 2 * pixel_;
        QVector<qreal> dashes = isThin ? thin[style - PS_DASH] : wide[style - PS_DASH];
        if (isThin) {
            for (qreal& d : dashes)
                d *= pixel_ / width;
        }
        qp.setDashPattern(dashes);
        qp.setCapStyle(Qt::FlatCap);
    }
    return qp;
}

QBrush Player::qbrush(const Brush& brush) const {
    QColor c = color(brush.color);
    if (dc_.rop2 == R2_BLACK)
        c = Qt::black;
    else if (dc_.rop2 == R2_WHITE)
        c = Qt::white;
    switch (brush.style) {
    case BS_NULL:
        return Qt::NoBrush;
    case BS_HATCHED: {
        static const Qt::BrushStyle hatches[6] = {Qt::HorPattern,   Qt::VerPattern,
                                                  Qt::FDiagPattern, Qt::BDiagPattern,
                                                  Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(c, brush.hatch < 6 ? hatches[brush.hatch] : Qt::SolidPattern);
    }
    case BS_DIBPATTERN: {
        if (brush.pattern.isNull())
            return QBrush(c);
        QImage pattern = brush.pattern;
        if (brush.monochromePattern) {
            pattern = pattern.convertToFormat(QImage::Format_RGB32);
            const QRgb fg = dc_.textColor.rgb(), bg = dc_.bkColor.rgb();
            for (int y = 0; y < pattern.height(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(pattern.scanLine(y));
                for (int x = 0; x < pattern.width(); ++x)
                    line[x] = qGray(line[x]) < 128 ? fg : bg;
            }
        }
        QBrush b(pattern);
        // Pattern pixels are pixels of the picture.
        b.setTransform(QTransform::fromScale(pixel_, pixel_));
        return b;
    }
    default:
        return QBrush(c);
    }
}

void Player::drawPath(const QPainterPath& path, bool fill, bool stroke) {
    QPen pen = stroke ? qpen() : QPen(Qt::NoPen);
    // Millions of dashes on a line far longer than the page would take
    // seconds to stroke: such lines are drawn solid.
    if (pen.style() == Qt::CustomDashLine) {
        double period = 0;
        for (qreal d : pen.dashPattern())
            period += d * pen.widthF();
        if (period <= 0 || path.length() / period > kMaxDashes)
            pen.setStyle(Qt::SolidLine);
    }
    const bool hasBrush = fill && dc_.brush.style != BS_NULL;
    if (pen.style() == Qt::NoPen && !hasBrush)
        return;
    if (!p_) {
        const double w = pen.style() == Qt::NoPen ? 0 : pen.widthF() / 2;
        note(path.boundingRect().adjusted(-w, -w, w, w));
        return;
    }
    if (!beginDraw())
        return;
    if (hasBrush) {
        if (dc_.brush.style == BS_HATCHED && dc_.bkMode == OPAQUE)
            p_->fillPath(path, dc_.bkColor);
        p_->fillPath(path, qbrush(dc_.brush));
    }
    if (pen.style() != Qt::NoPen) {
        p_->setBrush(Qt::NoBrush);
        p_->setPen(pen);
        p_->drawPath(path);
    }
}

void Player::fillRect(const QRectF& rect, const QBrush& brush) {
    if (brush.style() == Qt::NoBrush)
        return;
    if (!p_) {
        note(rect);
        return;
    }
    if (!beginDraw())
        return;
    p_->fillRect(rect, brush);
}

} // namespace wmf
