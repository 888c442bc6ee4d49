// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a teacher's worksheet: its question file, then its title in the
// worksheet list, both under the list's lock. Both are replaced whole, so a
// failure leaves the old file and the old list as they were.

#include "common/sharedstate.h"
#include "worksheets/listlock.h"

#include <QString>
#include <optional>

namespace worksheets {

inline const char* const kWorksheetSaved = "Your worksheet has been saved.";
inline const char* const kWorksheetSaveProblem = "There was a problem saving your worksheet";

struct SaveOutcome {
    bool saved = false;
    // The title was refused before anything was written: `reason` is the
    // whole message, in the wizard's words.
    bool refused = false;
    QString reason; // why not, for the teacher
};

// What the teacher is told: the saved message, a refusal, or the problem
// message with its reason on a second line.
QString saveMessage(const SaveOutcome& outcome);

// Why the title cannot be saved into the folder, or nothing: a title the
// list or the disk cannot take, or the title of a topic's question set kept
// in the same folder (any letter case).
std::optional<QString> titleClash(const QString& folder, const QString& title);

// Saves the set under its title into the folder. A title already listed
// keeps its place; a new one is added at the end. When the title clashes,
// the list is full or cannot be read, another teacher holds the lock for
// longer than kLockWaitMs (`pause` waits meanwhile) or the folder would not
// let either file be replaced, nothing is written.
SaveOutcome saveWorksheet(const QString& folder, const common::QuestionSet& set,
                          const ListLock::Pause& pause = {});

} // namespace worksheets
