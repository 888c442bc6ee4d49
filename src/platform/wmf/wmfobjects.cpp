// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmfobjects.h"

#include "platform/wmf/wmfreader.h"

#include <algorithm>

namespace wmf {

ObjectTable::ObjectTable(int announced) {
    slots_.reserve(size_t(std::clamp(announced, 0, 1024)));
}

int ObjectTable::add(Object object) {
    int index = firstFree_;
    while (index < int(slots_.size()) && !std::holds_alternative<std::monostate>(slots_[index]))
        ++index;
    if (index >= kMaxSlots)
        return -1;
    if (index == int(slots_.size()))
        slots_.emplace_back();
    slots_[index] = std::move(object);
    firstFree_ = index + 1;
    ++live_;
    return index;
}

const Object* ObjectTable::at(int index) const {
    if (index < 0 || index >= int(slots_.size()))
        return nullptr;
    if (std::holds_alternative<std::monostate>(slots_[index]))
        return nullptr;
    return &slots_[index];
}

bool ObjectTable::remove(int index) {
    if (!at(index))
        return false;
    slots_[index] = std::monostate();
    firstFree_ = std::min(firstFree_, index);
    --live_;
    return true;
}

bool readPen(Reader& in, Pen& pen) {
    pen.style = in.u16();
    pen.width = in.i16();
    in.i16(); // the width's y part is unused
    pen.color.value = in.u32();
    return in.ok();
}

bool readBrush(Reader& in, Brush& brush) {
    brush.style = in.u16();
    brush.color.value = in.u32();
    brush.hatch = in.u16();
    return in.ok();
}

bool readFont(Reader& in, Font& font) {
    font.height = in.i16();
    font.width = in.i16();
    font.escapement = in.i16();
    in.i16(); // orientation: GDI draws by the escapement in this mode
    font.weight = in.i16();
    font.italic = in.u8() != 0;
    font.underline = in.u8() != 0;
    font.strikeOut = in.u8() != 0;
    font.charset = in.u8();
    in.skip(4); // precision, clipping, quality, pitch and family
    if (!in.ok())
        return false;
    // The face name is at most 32 bytes, NUL-terminated; short records happen.
    const qsizetype n = std::min<qsizetype>(in.remaining(), 32);
    const char* face = reinterpret_cast<const char*>(in.here());
    font.face = QByteArray(face, qsizetype(qstrnlen(face, n)));
    return true;
}

bool readPalette(Reader& in, Palette& palette) {
    in.u16(); // start
    const int count = in.u16();
    if (!in.ok() || !in.has(qsizetype(count) * 4))
        return false;
    palette.entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        const quint8 r = in.u8(), g = in.u8(), b = in.u8();
        in.u8(); // flags
        palette.entries.push_back(qRgb(r, g, b));
    }
    return true;
}

bool readRegion(Reader& in, Region& region) {
    in.skip(2 + 2 + 4 + 2); // chain, type, object count, region size
    const int scanCount = in.i16();
    in.i16(); // largest scan
    const qint16 left = in.i16(), top = in.i16(), right = in.i16(), bottom = in.i16();
    if (!in.ok())
        return false;
    region.bounds = QRect(QPoint(left, top), QPoint(right, bottom)).normalized();
    for (int s = 0; s < scanCount && in.ok() && region.rects.size() < kMaxRegionRects; ++s) {
        const int count = in.u16();
        const qint16 scanTop = in.i16(), scanBottom = in.i16();
        if (!in.has(qsizetype(count) * 2 + 2))
            break;
        for (int i = 0; i + 1 < count; i += 2) {
            const qint16 l = in.i16(), r = in.i16();
            if (r > l && scanBottom > scanTop)
                region.rects.push_back(QRect(l, scanTop, r - l, scanBottom - scanTop));
        }
        if (count % 2)
            in.u16();
        in.u16(); // the count repeated
    }
    // Files with no usable scans still mean their bounds.
    if (region.rects.isEmpty() && !region.bounds.isEmpty())
        region.rects.push_back(region.bounds);
    region.valid = true;
    return true;
}

} // namespace wmf
