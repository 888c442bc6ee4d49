#pragma once
// The field reading of the program's data files: one field per line, leading
// spaces skipped, a comma or the line end (CR LF, LF or CR) ending the field.
// Whatever follows a comma on the same line is ignored.

#include <QString>

class QIODevice;

namespace worksheets {

// Reads the next line's field, decoded from Windows-1252. False when the file
// has no further line.
bool readField(QIODevice& file, QString& field);

} // namespace worksheets
