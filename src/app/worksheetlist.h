#pragma once
// Reading the worksheet list "multiple\track.txt": a number N, then N
// titles, one field per line.

#include <QString>

namespace app {

struct SharedState;

// Reads the list into `sheetcount` and `sheetnames`. Returns false on any
// failure (missing or unreadable file, a count above 1000, fewer titles than
// the count); what was read before the failure stays.
bool readWorksheetList(SharedState& state);

} // namespace app
