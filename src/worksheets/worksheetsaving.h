// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a teacher's worksheet: its question file, then its title in the
// worksheet list. Both are replaced whole, so a failure leaves the old file
// and the old list as they were.

#include "common/sharedstate.h"

#include <QString>

namespace worksheets {

inline const char* const kWorksheetSaved = "Your worksheet has been saved.";
inline const char* const kWorksheetSaveProblem = "There was a problem saving your worksheet";

struct SaveOutcome {
    bool saved = false;
    QString error; // why not, for the log of a test; the teacher sees kWorksheetSaveProblem
};

// Saves the set under its title into the folder. A title already listed
// keeps its place; a new one is added at the end. When the list is full or
// cannot be read, nothing is written.
SaveOutcome saveWorksheet(const QString& folder, const common::QuestionSet& set);

} // namespace worksheets
