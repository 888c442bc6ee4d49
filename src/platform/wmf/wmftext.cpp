// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wmf/wmftext.h"

#include "platform/wmf/wmfobjects.h"

#include <QStringDecoder>
#include <map>

namespace wmf {

namespace {

// Unicode for bytes 0x20..0xFF of the Symbol font; 0 where it has no glyph.
const char16_t kSymbolTable[224] = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F,
    // 0x30
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B,
    0x003C, 0x003D, 0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A,
    0x039B, 0x039C, 0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA,
    0x03BB, 0x03BC, 0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B,
    0x007C, 0x007D, 0x223C, 0,
    // 0x80..0x9F: no glyphs
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248,
    0x2026, 0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284,
    0x2282, 0x2286, 0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3,
    0x23A7, 0x23A8, 0x23A9, 0x23AA,
    // 0xF0
    0, 0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6,
    0x23AB, 0x23AC, 0x23AD, 0};

// The Wingdings characters with a clear Unicode counterpart: the bullets,
// boxes, ticks, hands and numbers that documents use. Others have none here.
char32_t wingdings(uchar b) {
    if (b >= 0x81 && b <= 0x8A)
        return 0x2460 + (b - 0x81); // circled digits one to ten
    if (b >= 0x8C && b <= 0x95)
        return 0x2776 + (b - 0x8C); // the same, negative
    if (b >= 0x5E && b <= 0x69)
        return 0x2648 + (b - 0x5E); // the zodiac
    switch (b) {
    case 0x22:
        return 0x2702; // scissors
    case 0x28:
        return 0x260E; // telephone
    case 0x2A:
        return 0x2709; // envelope
    case 0x41:
        return 0x270C; // victory hand
    case 0x45:
        return 0x261C; // pointing left
    case 0x46:
        return 0x261E; // pointing right
    case 0x47:
        return 0x261D; // pointing up
    case 0x48:
        return 0x261F; // pointing down
    case 0x4A:
        return 0x263A; // smiling face
    case 0x4C:
        return 0x2639; // frowning face
    case 0x4E:
        return 0x2620; // skull and crossbones
    case 0x51:
        return 0x2708; // aeroplane
    case 0x52:
        return 0x263C; // sun
    case 0x54:
        return 0x2744; // snowflake
    case 0x58:
        return 0x2720; // maltese cross
    case 0x59:
        return 0x2721; // star of David
    case 0x5B:
        return 0x262F; // yin yang
    case 0x6C:
        return 0x25CF; // black circle
    case 0x6E:
        return 0x25A0; // black square
    case 0x6F:
        return 0x25A1; // white square
    case 0x71:
        return 0x2751; // shadowed white square
    case 0x75:
        return 0x25C6; // black diamond
    case 0x76:
        return 0x2756; // diamond minus white X
    case 0x9F:
        return 0x2022; // bullet
    case 0xA1:
        return 0x25CB; // white circle
    case 0xA7:
        return 0x25AA; // small black square
    case 0xA8:
        return 0x25FB; // white medium square
    case 0xAB:
        return 0x2605; // black star
    case 0xD8:
        return 0x27A2; // arrowhead
    case 0xE8:
        return 0x2794; // heavy arrow
    case 0xF0:
        return 0x21E8; // white arrow right
    case 0xFB:
        return 0x2717; // ballot x
    case 0xFC:
        return 0x2714; // heavy tick
    case 0xFD:
        return 0x2612; // ballot box with x
    case 0xFE:
        return 0x2611; // ballot box with tick
    }
    return 0;
}

const char* codecName(quint8 charset) {
    switch (charset) {
    case SHIFTJIS_CHARSET:
        return "Shift-JIS";
    case HANGUL_CHARSET:
    case JOHAB_CHARSET:
        return "windows-949";
    case GB2312_CHARSET:
        return "GBK";
    case CHINESEBIG5_CHARSET:
        return "Big5";
    case GREEK_CHARSET:
        return "windows-1253";
    case TURKISH_CHARSET:
        return "windows-1254";
    case VIETNAMESE_CHARSET:
        return "windows-1258";
    case HEBREW_CHARSET:
        return "windows-1255";
    case ARABIC_CHARSET:
        return "windows-1256";
    case BALTIC_CHARSET:
        return "windows-1257";
    case RUSSIAN_CHARSET:
        return "windows-1251";
    case THAI_CHARSET:
        return "windows-874";
    case EASTEUROPE_CHARSET:
        return "windows-1250";
    case OEM_CHARSET:
        return "IBM437";
    case MAC_CHARSET:
        return "x-mac-roman";
    }
    return "windows-1252";
}

bool isLeadByte(quint8 charset, uchar b) {
    switch (charset) {
    case SHIFTJIS_CHARSET:
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case HANGUL_CHARSET:
    case JOHAB_CHARSET:
    case GB2312_CHARSET:
    case CHINESEBIG5_CHARSET:
        return b >= 0x81 && b <= 0xFE;
    }
    return false;
}

// Windows-1252 without a codec: Latin-1 with its own 0x80..0x9F.
QChar fromWindows1252(uchar b) {
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
}

QString decodeWith(quint8 charset, const QByteArray& bytes) {
    if (charset == ANSI_CHARSET || charset == DEFAULT_CHARSET) {
        QString s(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            s[i] = fromWindows1252(uchar(bytes[i]));
        return s;
    }
    // Decoders are kept per thread: opening one is costly.
    thread_local std::map<quint8, QStringDecoder> decoders;
    auto it = decoders.find(charset);
    if (it == decoders.end())
        it = decoders
                 .emplace(charset,
                          QStringDecoder(codecName(charset), QStringConverter::Flag::Stateless))
                 .first;
    if (!it->second.isValid())
        return QString::fromLatin1(bytes);
    it->second.resetState();
    return it->second.decode(bytes);
}

} // namespace

bool usesSymbolTable(const Font& font) {
    return font.charset == SYMBOL_CHARSET && font.face.compare("Symbol", Qt::CaseInsensitive) == 0;
}

QString fontFamily(const Font& font) {
    // Text of the Symbol font is mapped to Unicode: a serif face with the
    // Symbol font's look draws it, and Qt falls back for the math signs. A
    // font named Symbol is not asked for: Debian's stand-in for it has no
    // Unicode table and Qt does not fall back from a symbol font.
    if (usesSymbolTable(font))
        return QStringLiteral("Times New Roman");
    if (font.charset == SYMBOL_CHARSET)
        return QString::fromLatin1(font.face);
    return decodeWith(font.charset, font.face);
}

QVector<TextUnit> decodeText(const QByteArray& bytes, const Font& font) {
    QVector<TextUnit> units;
    const int n = int(bytes.size());
    units.reserve(n);
    if (font.charset == SYMBOL_CHARSET) {
        const bool table = usesSymbolTable(font);
        const bool wingdingsTable = font.face.compare("Wingdings", Qt::CaseInsensitive) == 0;
        for (int i = 0; i < n; ++i) {
            const uchar b = uchar(bytes[i]);
            QString s;
            if (table) {
                if (b >= 0x20 && kSymbolTable[b - 0x20])
                    s = QChar(kSymbolTable[b - 0x20]);
            } else if (wingdingsTable) {
                // Unmapped characters go to the private area where an
                // installed Wingdings has them.
                const char32_t u = wingdings(b);
                s = u ? QString::fromUcs4(&u, 1) : QString(QChar(0xF000 + b));
            } else {
                s = QChar(b); // other symbol fonts are drawn by their own codes
            }
            units.push_back(TextUnit{s, i, 1});
        }
        return units;
    }
    // Split into characters of one or two bytes.
    for (int i = 0; i < n;) {
        const int len = (isLeadByte(font.charset, uchar(bytes[i])) && i + 1 < n) ? 2 : 1;
        units.push_back(TextUnit{QString(), i, len});
        i += len;
    }
    const QString all = decodeWith(font.charset, bytes);
    if (all.size() == units.size()) {
        for (int u = 0; u < units.size(); ++u)
            units[u].chars = all.at(u);
    } else {
        for (TextUnit& u : units)
            u.chars = decodeWith(font.charset, bytes.mid(u.firstByte, u.byteCount));
    }
    return units;
}

} // namespace wmf
