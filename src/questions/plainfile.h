// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a data file for reading only when it is a plain file. A named pipe
// put in a file's place would block the program until something wrote to
// it, and a device could read without end; a folder cannot be read at all.

#include <QString>

class QFile;

namespace worksheets {

struct PlainFileOpen {
    enum class Outcome { Opened, NotFound, NotAFile, Failed };
    Outcome outcome = Outcome::Failed;
    QString error; // for Failed: the system's reason
};

// Opens `path` into `file` for reading. The kind of file is checked before
// opening and again on what was opened, which never waits.
PlainFileOpen openPlainFile(QFile& file, const QString& path);

} // namespace worksheets
