#pragma once
// Reading the worksheet list "multiple\track.txt" at start-up: a number N,
// then N titles, one field per line.

namespace common {
struct SharedState;
}

namespace worksheets {

// Reads the list into `worksheetCount` and `worksheetTitles`. Returns false
// on any failure (missing or unreadable file, a count above 1000, fewer
// titles than the count); what was read before the failure stays.
bool readWorksheetList(common::SharedState& state);

} // namespace worksheets
