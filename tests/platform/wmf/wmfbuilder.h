// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds small metafiles record by record for tests.

#include <QByteArray>
#include <QtEndian>
#include <initializer_list>

class WmfBuilder {
public:
    // A placeable header with the given box and units per inch; pass inch 0
    // for a file without one.
    explicit WmfBuilder(int left = 0, int top = 0, int right = 1000, int bottom = 1000,
                        int inch = 1000) {
        if (inch > 0) {
            u32(0x9AC6CDD7u);
            u16(0);
            for (int v : {left, top, right, bottom})
                u16(quint16(v));
            u16(quint16(inch));
            u32(0);
            u16(0); // checksum, not checked
        }
        u16(1);
        u16(9);
        u16(0x0300);
        u32(0);
        u16(0);
        u32(0);
        u16(0);
    }

    // Goes on appending records to bytes built before.
    static WmfBuilder continuing(const QByteArray& bytes) {
        WmfBuilder b;
        b.bytes_ = bytes;
        return b;
    }

    // A record of 16-bit words, in the order they appear in the file.
    WmfBuilder& rec(quint16 function, std::initializer_list<int> words) {
        u32(quint32(3 + words.size()));
        u16(function);
        for (int w : words)
            u16(quint16(w));
        return *this;
    }
    // A record of words followed by raw bytes (padded to a word).
    WmfBuilder& rec(quint16 function, std::initializer_list<int> words, QByteArray tail) {
        if (tail.size() % 2)
            tail.append('\0');
        u32(quint32(3 + words.size() + tail.size() / 2));
        u16(function);
        for (int w : words)
            u16(quint16(w));
        bytes_.append(tail);
        return *this;
    }
    WmfBuilder& raw(const QByteArray& b) {
        bytes_.append(b);
        return *this;
    }
    QByteArray end() {
        QByteArray out = bytes_;
        const quint32 size = 3;
        out.append(reinterpret_cast<const char*>(&size), 4);
        out.append(2, '\0');
        return out;
    }
    QByteArray withoutEnd() const { return bytes_; }

    static QByteArray le16(int v) {
        QByteArray b(2, '\0');
        qToLittleEndian(quint16(v), b.data());
        return b;
    }
    static QByteArray le32(quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    }

private:
    void u16(quint16 v) { bytes_.append(le16(v)); }
    void u32(quint32 v) { bytes_.append(le32(v)); }
    QByteArray bytes_;
};
