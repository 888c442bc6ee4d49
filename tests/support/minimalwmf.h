// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small valid metafile: a placeable header (1440 units to the inch), a rectangle, the end.

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>

namespace testenv {

inline QByteArray minimalWmf(int widthUnits = 1440, int heightUnits = 720) {
    const auto w = quint16(widthUnits), h = quint16(heightUnits);
    // The placeable header: key, handle, box, units per inch, reserved; then its checksum.
    QList<quint16> words = {0xCDD7, 0x9AC6, 0, 0, 0, w, h, 1440, 0, 0};
    quint16 sum = 0;
    for (quint16 word : words)
        sum ^= word;
    words << sum;
    // Header (9 words, 19 in all, largest record 7), rectangle (bottom, right, top, left), end.
    words << QList<quint16>{
        1, 9, 0x0300, 19, 0, 0, 7, 0, 0, 7, 0, 0x041B, quint16(h / 2), quint16(w / 2),
        0, 0, 3,      0,  0};
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (quint16 word : words)
        out << word;
    return bytes;
}

} // namespace testenv
