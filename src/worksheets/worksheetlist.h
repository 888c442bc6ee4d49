// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet list "track.txt" in the worksheets folder: the number of
// titles N on the first line (written " N "), then the N titles, one a line,
// exactly as typed. Windows-1252 text, CR LF line ends, read field by field
// like the question files. It holds each title once, at most 1000 of them,
// in the order they were first saved.
//
// Several teachers may share one folder, so every change holds the lock
// file "track.lock" around its read-change-write and reads the list again
// under it; the list is replaced whole, never rewritten in place.

#include "questions/fields.h"

#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

namespace worksheets {

constexpr int kMaxWorksheets = 1000;

struct WorksheetTitles {
    QStringList titles;    // as many as could be read
    bool complete = false; // the count and every title it promises were read
    // A list an editor saved as UTF-8 is written back as UTF-8, so that no
    // title loses a letter the code page lacks.
    TextEncoding encoding = TextEncoding::Windows1252;
};

// Reads a list from the device's current position (UTF-8 after a
// byte-order mark). A count that is not a whole number from 0 to 1000, a
// line longer than kMaxLineBytes or fewer titles than the count leave the
// list incomplete.
WorksheetTitles readWorksheetTitles(QIODevice& file);
// The exact bytes of a list file.
QByteArray worksheetListBytes(const QStringList& titles,
                              TextEncoding encoding = TextEncoding::Windows1252);

class WorksheetList {
public:
    explicit WorksheetList(const QString& folder);

    QString path() const;

    // Reads the list as it is; a missing file reads as incomplete.
    WorksheetTitles read() const;

    enum class Outcome { Changed, Unchanged, Full, Failed };
    struct Change {
        Outcome outcome = Outcome::Failed;
        QStringList titles; // the list after the change
        QString error;      // why it failed
    };

    // Appends the title unless it is listed (exact comparison). A missing
    // list is created; a full one is left as it is.
    Change add(const QString& title);
    // Removes the title's last entry; a title not listed changes nothing.
    Change remove(const QString& title);
    // Creates an empty list when there is none.
    Change create();

private:
    // Runs one read-change-write under the lock. `edit` changes the titles
    // read and says whether they need writing.
    Change change(const std::function<Outcome(QStringList&)>& edit);

    QString folder_;
};

} // namespace worksheets
