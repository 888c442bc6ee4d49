// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question file: one multiple-choice set as 72 lines of Windows-1252
// text, one field per line, CR LF line ends.
//
//   line 1            title                      (commas stored as "&")
//   line 2            " "                        separator
//   lines 3+7(n-1)..  question n, options A to D (commas stored as "&"),
//                     the correct option "1" to "4", then " "
//
// Reading skips leading spaces of each field and ends a field at a comma or
// the line end; whatever follows a comma on the same line is ignored. Lines
// after line 72 are never read. A file that starts with a UTF-8 byte-order
// mark is read as UTF-8.

#include "common/sharedstate.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

namespace worksheets {

constexpr int kQuestionCount = 10;
constexpr int kQuestionFileLines = 72;

// Windows-1252, the code page the files are written in. Every byte decodes;
// characters outside the code page are written as "?".
QString decodeWindows1252(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);
// The first character of the text that Windows-1252 cannot hold, or nothing.
std::optional<QString> characterOutsideCodePage(const QString& text);

// Texts may hold commas, which would end a field, so each "," is stored as
// "&". Reading turns every "&" back into ",", also one typed as "&".
QString encodeCommas(const QString& text);
QString decodeCommas(const QString& text);

struct QuestionSetRead {
    std::optional<common::QuestionSet> set; // empty when the file is unusable
    QString error;                          // why, for the caller's message
};

// Reads one set from the device's current position; on success the device
// is left after line 72. A file that ends early, has a line longer than
// kMaxLineBytes or whose correct-option field is not "1" to "4" is refused.
QuestionSetRead readQuestionSet(QIODevice& file);

// The exact bytes of the file for a set (slots 1 to 10). A line break inside
// a text is written as a space so that every field stays on its own line.
QByteArray questionSetBytes(const common::QuestionSet& set);

// Writes the file beside the old one and replaces it only when complete, so
// a failure (a full disk, a crash) leaves any old file as it was. A set whose
// right answer is not "1" to "4", or with a character outside the code page,
// is not written, since it could not be read back as it was. Returns an
// error message, or nothing on success.
std::optional<QString> writeQuestionSet(const QString& path, const common::QuestionSet& set);

// Loads the set from an open file into the shared question set. On failure
// the previous set stays as it was and the reason is returned.
std::optional<QString> loadQuestionSet(QIODevice& file);

struct QuestionFileLoad {
    enum class Outcome { Loaded, NotFound, CannotBeRead, Damaged };
    Outcome outcome = Outcome::Loaded;
    QString reason; // for CannotBeRead and Damaged: what the teacher can mend
};

// Opens the file, loads its set into the shared question set and closes it.
QuestionFileLoad loadQuestionFile(const QString& path);

} // namespace worksheets
