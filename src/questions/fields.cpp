// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/fields.h"

#include "questions/questionfile.h"

#include <QIODevice>
#include <QStringDecoder>

namespace worksheets {
namespace {

// One line's bytes without its line end, at most kMaxLineBytes of them.
FieldRead readLine(QIODevice& file, QByteArray& line) {
    line.clear();
    char c = 0;
    if (!file.getChar(&c))
        return FieldRead::End;
    for (;;) {
        if (c == '\n')
            return FieldRead::Read;
        if (c == '\r') {
            char next = 0;
            if (file.peek(&next, 1) == 1 && next == '\n')
                file.getChar(&next);
            return FieldRead::Read;
        }
        if (line.size() == kMaxLineBytes)
            return FieldRead::TooLong;
        line.append(c);
        if (!file.getChar(&c))
            return FieldRead::Read; // the last line may lack its line end
    }
}

// A field is text in mid-file: a byte-order mark at its start is a character
// of the title, kept so that the list is written back as it was read. Bytes
// that are not UTF-8 are damage: read as replacement characters, they would
// be written back as other, longer text.
bool decodeUtf8(const QByteArray& bytes, QString& text) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

TextEncoding readEncodingMark(QIODevice& file) {
    const QByteArray mark(kUtf8Mark);
    if (file.peek(mark.size()) != mark)
        return TextEncoding::Windows1252;
    file.skip(mark.size());
    return TextEncoding::Utf8;
}

FieldRead readField(QIODevice& file, QString& field, TextEncoding encoding) {
    QByteArray line;
    const FieldRead read = readLine(file, line);
    if (read != FieldRead::Read)
        return read;
    qsizetype start = 0;
    while (start < line.size() && line[start] == ' ')
        ++start;
    qsizetype end = line.indexOf(',', start);
    if (end < 0)
        end = line.size();
    const QByteArray bytes = line.mid(start, end - start);
    if (encoding == TextEncoding::Windows1252) {
        field = decodeWindows1252(bytes);
        return FieldRead::Read;
    }
    return decodeUtf8(bytes, field) ? FieldRead::Read : FieldRead::NotText;
}

} // namespace worksheets
