// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The field reading of the program's data files: one field per line, leading
// spaces skipped, a comma or the line end (CR LF, LF or CR) ending the field.
// Whatever follows a comma on the same line is ignored.

#include <QString>

class QIODevice;

namespace worksheets {

// The longest line a data file may hold, in bytes. The wizard's longest box
// takes 60 characters; a line far beyond that is damage, and reading stops
// there instead of holding the rest of it in memory.
constexpr qsizetype kMaxLineBytes = 1024;

// Files are written in Windows-1252; one that an editor saved as UTF-8 with
// a byte-order mark is read as UTF-8.
enum class TextEncoding { Windows1252, Utf8 };

// The UTF-8 byte-order mark.
inline constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// Consumes a UTF-8 byte-order mark at the device's position, if there is
// one, and says how the text after it is encoded.
TextEncoding readEncodingMark(QIODevice& file);

enum class FieldRead {
    Read,    // the field is in `field`
    End,     // the file has no further line
    TooLong, // the line is longer than kMaxLineBytes
    NotText, // a file marked as UTF-8 holds a line that is not UTF-8
};

// Reads the next line's field.
FieldRead readField(QIODevice& file, QString& field,
                    TextEncoding encoding = TextEncoding::Windows1252);

} // namespace worksheets
