// SPDX-License-Identifier: GPL-3.0-or-later
// TEXTOUT and EXTTEXTOUT: fonts at device size, alignment, dx arrays,
// escapement, opaque and clipped rectangles.

#include "platform/wmf/wmfplayer.h"
#include "platform/wmf/wmfreader.h"
#include "platform/wmf/wmftext.h"

#include <QFontMetricsF>
#include <cmath>

namespace wmf {

namespace {

enum ExtTextOptions { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// Font sizes are clamped to this many device units, and to a few times the
// picture's size: larger glyphs show nothing but cost a fill each.
constexpr double kMaxFontSize = 16384;

QByteArray fontKey(const Font& f) {
    QByteArray key;
    key.reserve(16 + f.face.size());
    for (int v : {int(f.height), int(f.width), int(f.weight), int(f.italic), int(f.underline),
                  int(f.strikeOut), int(f.charset)})
        key.append(reinterpret_cast<const char*>(&v), sizeof v);
    key.append(f.face);
    return key;
}

} // namespace

const Player::FontChoice& Player::fontChoice() {
    const Font& f = dc_.font;
    const QByteArray key = fontKey(f);
    auto it = fonts_.find(key);
    if (it != fonts_.end())
        return it->second;

    QFont font(fontFamily(f));
    font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : int(f.weight), 100, 900)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setKerning(false);                            // GDI does not kern
    font.setHintingPreference(QFont::PreferNoHinting); // same shapes on screen and paper

    // Negative heights give the em size; positive ones the cell (ascent plus
    // descent), which depends on the font's own proportions.
    double em;
    if (f.height < 0) {
        em = devY(-f.height);
    } else if (f.height > 0) {
        font.setPixelSize(100);
        const QFontMetricsF fm(font);
        const double cell = fm.ascent() + fm.descent();
        em = devY(f.height) * (cell > 0 ? 100 / cell : 1);
    } else {
        em = 12 * pixel_; // the system font's size
    }
    if (!std::isfinite(em))
        em = 12 * pixel_;
    em = std::clamp(em, 1e-3, std::min(kMaxFontSize, std::max(4 * targetExtent_, 1.0)));
    // Qt takes whole pixel sizes: draw at the nearest one, scaled to the exact size.
    const int pixels = std::max(1, int(std::lround(em)));
    font.setPixelSize(pixels);
    FontChoice choice;
    choice.scale = em / pixels;
    if (f.width != 0) {
        const QFontMetricsF fm(font);
        const double wanted = devX(f.width) / choice.scale;
        if (fm.averageCharWidth() > 0)
            font.setStretch(
                std::clamp(int(std::lround(100 * wanted / fm.averageCharWidth())), 1, 4000));
    }
    const QFontMetricsF fm(font);
    choice.font = font;
    choice.ascent = fm.ascent() * choice.scale;
    choice.descent = fm.descent() * choice.scale;
    return fonts_.emplace(key, choice).first->second;
}

void Player::textOut(Reader& in) {
    const int length = in.i16();
    if (length < 0 || !in.has(length + (length & 1) + 4)) {
        in.skip(in.remaining() + 1);
        return;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(in.here()), length);
    in.skip(length + (length & 1));
    const qint16 y = in.i16(), x = in.i16();
    drawText(QPointF(x, y), bytes, {}, 0, QRectF());
}

void Player::extTextOut(Reader& in) {
    const qint16 y = in.i16(), x = in.i16();
    const int length = in.i16();
    const int options = in.u16();
    QRectF rect;
    if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
        const qint16 left = in.i16(), top = in.i16(), right = in.i16(), bottom = in.i16();
        rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    if (!in.ok() || length < 0 || !in.has(length)) {
        in.skip(in.remaining() + 1);
        return;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(in.here()), length);
    in.skip(std::min<qsizetype>(length + (length & 1), in.remaining()));
    // The dx array is optional; a short one is not used.
    QVector<qint16> dx;
    if (in.has(qsizetype(length) * 2)) {
        dx.resize(length);
        for (qint16& d : dx)
            d = in.i16();
    }
    drawText(QPointF(x, y), bytes, dx, options, rect);
}

void Player::drawText(QPointF logicalRef, const QByteArray& bytes, const QVector<qint16>& dx,
                      int options, const QRectF& logicalRect) {
    QRectF rect;
    if (!logicalRect.isNull())
        rect = devRect(logicalRect.left(), logicalRect.top(), logicalRect.right(),
                       logicalRect.bottom());
    if ((options & ETO_OPAQUE) && !rect.isEmpty())
        fillRect(rect, dc_.bkColor);
    if (bytes.isEmpty())
        return;

    const FontChoice& fc = fontChoice();
    const QVector<TextUnit> units = decodeText(bytes, dc_.font);

    // Advances in device units along the baseline.
    const double extra = devX(dc_.charExtra);
    QVector<double> advances(units.size());
    double total = 0;
    const QFontMetricsF fm(fc.font);
    for (int i = 0; i < units.size(); ++i) {
        const TextUnit& u = units[i];
        double a;
        if (!dx.isEmpty()) {
            int sum = 0;
            for (int b = u.firstByte; b < u.firstByte + u.byteCount && b < dx.size(); ++b)
                sum += dx[b];
            a = sum * toDevice_.m11();
            a = std::abs(a) * (sum < 0 ? -1 : 1);
        } else {
            a = fm.horizontalAdvance(u.chars) * fc.scale + extra;
            if (u.chars == QLatin1String(" ") && dc_.breakCount > 0)
                a += devX(dc_.breakExtra) / dc_.breakCount;
        }
        advances[i] = a;
        total += a;
    }

    const bool updateCp = dc_.textAlign & TA_UPDATECP;
    const QPointF ref = updateCp ? dc_.position : logicalRef;
    const QPointF origin = dev(ref.x(), ref.y());

    double start = 0;
    switch (dc_.textAlign & TA_CENTER) {
    case TA_RIGHT:
        start = -total;
        break;
    case TA_CENTER:
        start = -total / 2;
        break;
    }
    double baseline = fc.ascent; // top alignment
    switch (dc_.textAlign & TA_BASELINE) {
    case TA_BASELINE:
        baseline = 0;
        break;
    case TA_BOTTOM:
        baseline = -fc.descent;
        break;
    }
    const double angle = -dc_.font.escapement / 10.0;

    if (updateCp) {
        // The position moves along the text direction, in logical units.
        double move = 0;
        if ((dc_.textAlign & TA_CENTER) == 0)
            move = total;
        else if ((dc_.textAlign & TA_CENTER) == TA_RIGHT)
            move = -total;
        const double rad = dc_.font.escapement / 10.0 * M_PI / 180.0;
        const QPointF devMove(move * std::cos(rad), -move * std::sin(rad));
        dc_.position = toDevice_.inverted().map(origin + devMove);
    }

    const QRectF cell(start, baseline - fc.ascent, total, fc.ascent + fc.descent);
    QTransform local;
    local.translate(origin.x(), origin.y());
    local.rotate(angle);
    if (!p_) {
        note(local.mapRect(cell));
        return;
    }
    if (!beginDraw())
        return;

    const QTransform base = p_->worldTransform();
    const bool clipped = (options & ETO_CLIPPED) && !rect.isNull();
    if (clipped) {
        p_->save();
        p_->setClipRect(rect, Qt::IntersectClip);
    }
    p_->setWorldTransform(local * base);
    if (dc_.bkMode == OPAQUE && !(options & ETO_OPAQUE))
        p_->fillRect(cell, dc_.bkColor);
    p_->scale(fc.scale, fc.scale);
    p_->setFont(fc.font);
    p_->setPen(dc_.textColor);
    const double k = 1 / fc.scale;
    if (dx.isEmpty() && extra == 0 && dc_.breakCount == 0) {
        QString all;
        for (const TextUnit& u : units)
            all += u.chars;
        p_->drawText(QPointF(start * k, baseline * k), all);
    } else {
        double x = start;
        for (int i = 0; i < units.size(); ++i) {
            if (!units[i].chars.isEmpty())
                p_->drawText(QPointF(x * k, baseline * k), units[i].chars);
            x += advances[i];
        }
    }
    p_->setWorldTransform(base);
    if (clipped)
        p_->restore();
}

} // namespace wmf
