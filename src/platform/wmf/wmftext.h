// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text of the text records: bytes in the font's character set become Unicode,
// unit by unit so that each character keeps its byte position (the dx arrays
// of EXTTEXTOUT count bytes, two for a double-byte character).

#include <QByteArray>
#include <QString>
#include <QVector>

namespace wmf {

struct Font;

enum Charset : quint8 {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    MAC_CHARSET = 77,
    SHIFTJIS_CHARSET = 128,
    HANGUL_CHARSET = 129,
    JOHAB_CHARSET = 130,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    VIETNAMESE_CHARSET = 163,
    HEBREW_CHARSET = 177,
    ARABIC_CHARSET = 178,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    THAI_CHARSET = 222,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};

struct TextUnit {
    QString chars; // usually one character
    int firstByte = 0;
    int byteCount = 1;
};

QVector<TextUnit> decodeText(const QByteArray& bytes, const Font& font);

// The family to ask Qt for: the face name decoded in the font's charset.
QString fontFamily(const Font& font);

// True when the font's bytes are mapped through the Symbol font's table.
bool usesSymbolTable(const Font& font);

} // namespace wmf
