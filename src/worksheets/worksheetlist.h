// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet list "track.txt" in the worksheets folder: the number of
// titles N on the first line (written " N "), then the N titles, one a line,
// exactly as typed. Windows-1252 text, CR LF line ends, read field by field
// like the question files. It holds each title once, at most 1000 of them,
// in the order they were first saved.
//
// Several teachers may share one folder, so every change holds the lock
// (ListLock) around its read-change-write and reads the list again under
// it; the list is replaced whole, never rewritten in place.

#include "questions/fields.h"
#include "worksheets/listlock.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;

namespace worksheets {

constexpr int kMaxWorksheets = 1000;

// The list's file is "track.txt", which a worksheet titled so would take:
// no worksheet may have this title, in any letter case.
inline constexpr char kListTitle[] = "track";

struct WorksheetTitles {
    QStringList titles;    // as many as could be read
    bool complete = false; // the count and every title it promises were read
    // A list an editor saved as UTF-8 is written back as UTF-8, so that no
    // title loses a letter the code page lacks.
    TextEncoding encoding = TextEncoding::Windows1252;
};

// Reads a list from the device's current position (UTF-8 after a
// byte-order mark). A count that is not a whole number from 0, a count over
// 1000 (its first 1000 titles are read), a line longer than kMaxLineBytes or
// fewer titles than the count leave the list incomplete.
WorksheetTitles readWorksheetTitles(QIODevice& file);
// The exact bytes of a list file.
QByteArray worksheetListBytes(const QStringList& titles,
                              TextEncoding encoding = TextEncoding::Windows1252);

class WorksheetList {
public:
    // `pause` is how a change waits for the lock (see ListLock).
    explicit WorksheetList(const QString& folder, ListLock::Pause pause = {});

    QString path() const;

    // Reads the list as it is; a missing file, or anything but a plain
    // file, reads as incomplete.
    WorksheetTitles read() const;

    enum class Outcome { Changed, Unchanged, Full, Failed };
    struct Change {
        Outcome outcome = Outcome::Failed;
        QStringList titles; // the list after the change
        QString error;      // why it failed, in words for the teacher
    };
    // A step run under the lock once the list has taken the change, before
    // it is written; its error (in words for the teacher) stops the change.
    using BeforeWriting = std::function<std::optional<QString>()>;

    // Appends the title unless it is listed (exact comparison). A missing
    // list is created; a full one is left as it is, and so is one that
    // cannot be read (nor is `before` run then).
    Change add(const QString& title, const BeforeWriting& before = {});
    // Removes the title's last entry; a title not listed changes nothing.
    Change remove(const QString& title);
    // Creates an empty list when there is none, without waiting for the lock.
    Change create();

private:
    // Runs one read-change-write under the lock. `edit` changes the titles
    // read and says whether they need writing.
    Change change(const std::function<Outcome(QStringList&)>& edit, const BeforeWriting& before);

    QString folder_;
    ListLock::Pause pause_;
};

} // namespace worksheets
