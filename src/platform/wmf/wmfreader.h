// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounds-checked little-endian reading of record parameters. A read past the
// end yields zero and marks the reader failed, so a handler can read all its
// fields first and check once.

#include <QtGlobal>
#include <cstring>

namespace wmf {

class Reader {
public:
    Reader() = default;
    Reader(const uchar* data, qsizetype size) : p_(data), size_(size > 0 ? size : 0) {}

    bool ok() const { return ok_; }
    qsizetype pos() const { return pos_; }
    qsizetype remaining() const { return size_ - pos_; }
    const uchar* here() const { return p_ + pos_; }

    bool has(qsizetype n) const { return n >= 0 && n <= remaining(); }
    bool skip(qsizetype n) {
        if (!has(n))
            return fail();
        pos_ += n;
        return true;
    }
    // A reader over the next `n` bytes; this reader moves past them.
    Reader sub(qsizetype n) {
        if (!has(n)) {
            fail();
            return Reader();
        }
        Reader r(p_ + pos_, n);
        pos_ += n;
        return r;
    }

    quint8 u8() {
        if (!has(1))
            return fail(), 0;
        return p_[pos_++];
    }
    quint16 u16() {
        if (!has(2))
            return fail(), 0;
        quint16 v = quint16(p_[pos_] | (p_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    qint16 i16() { return qint16(u16()); }
    quint32 u32() {
        quint32 lo = u16();
        quint32 hi = u16();
        return lo | (hi << 16);
    }
    qint32 i32() { return qint32(u32()); }

private:
    bool fail() {
        ok_ = false;
        pos_ = size_;
        return false;
    }

    const uchar* p_ = nullptr;
    qsizetype size_ = 0;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

} // namespace wmf
