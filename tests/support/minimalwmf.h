// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small valid metafile for tests that need a page: a placeable header
// (1440 units to the inch), one rectangle, and the end record.

#include <QByteArray>
#include <QtEndian>

namespace testenv {

inline QByteArray minimalWmf(int widthUnits = 1440, int heightUnits = 720) {
    QByteArray b;
    auto u16 = [&b](quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        b.append(c, 2);
    };
    auto u32 = [&](quint32 v) {
        u16(quint16(v & 0xffff));
        u16(quint16(v >> 16));
    };
    u32(0x9AC6CDD7u);
    u16(0);
    u16(0);
    u16(0);
    u16(quint16(widthUnits));
    u16(quint16(heightUnits));
    u16(1440);
    u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= qFromLittleEndian<quint16>(b.constData() + i);
    u16(sum);
    // Header: 9 words, then a rectangle (7 words) and the end record (3 words).
    const quint32 words = 9 + 7 + 3;
    u16(1);
    u16(9);
    u16(0x0300);
    u32(words);
    u16(0);
    u32(7);
    u16(0);
    u32(7);
    u16(0x041B); // rectangle: bottom, right, top, left
    u16(quint16(heightUnits / 2));
    u16(quint16(widthUnits / 2));
    u16(0);
    u16(0);
    u32(3);
    u16(0);
    return b;
}

} // namespace testenv
