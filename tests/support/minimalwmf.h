// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small valid metafile for tests that need a page: a placeable header
// (1440 units to the inch), one rectangle, and the end record.

#include <QByteArray>
#include <QList>
#include <QtEndian>

namespace testenv {

inline QByteArray minimalWmf(int widthUnits = 1440, int heightUnits = 720) {
    const auto w = quint16(widthUnits), h = quint16(heightUnits);
    // The placeable header: key, handle, box, units per inch, reserved; then its checksum.
    QList<quint16> words = {0xCDD7, 0x9AC6, 0, 0, 0, w, h, 1440, 0, 0};
    quint16 sum = 0;
    for (quint16 word : words)
        sum ^= word;
    words << sum;
    // Header (9 words, 19 in all, largest record 7), a rectangle (bottom, right,
    // top, left), the end record; sizes in words, low half first.
    words << QList<quint16>{
        1, 9, 0x0300, 19, 0, 0, 7, 0, 0, 7, 0, 0x041B, quint16(h / 2), quint16(w / 2),
        0, 0, 3,      0,  0};
    QByteArray bytes;
    for (quint16 word : words) {
        char c[2];
        qToLittleEndian(word, c);
        bytes.append(c, 2);
    }
    return bytes;
}

} // namespace testenv
