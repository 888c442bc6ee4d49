// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetsaving.h"

#include "questions/questionfile.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsfolder.h"

#include <QFileInfo>

namespace worksheets {

SaveOutcome saveWorksheet(const QString& folder, const common::QuestionSet& set) {
    if (folder.isEmpty())
        return {false, QStringLiteral("There is no folder for worksheets.")};
    WorksheetList list(folder);
    // A file the list cannot take would be saved but never listed.
    if (QFileInfo::exists(list.path())) {
        const WorksheetTitles listed = list.read();
        if (!listed.complete)
            return {false, QStringLiteral("The worksheet list cannot be read.")};
        if (listed.titles.size() >= kMaxWorksheets && !listed.titles.contains(set.title))
            return {false, QStringLiteral("The worksheet list is full.")};
    }
    if (auto error = writeQuestionSet(worksheetFilePath(folder, set.title), set))
        return {false, *error};
    const WorksheetList::Change added = list.add(set.title);
    switch (added.outcome) {
    case WorksheetList::Outcome::Changed:
    case WorksheetList::Outcome::Unchanged:
        return {true, QString()};
    case WorksheetList::Outcome::Full:
        return {false, QStringLiteral("The worksheet list is full.")};
    case WorksheetList::Outcome::Failed:
        break;
    }
    return {false, added.error};
}

} // namespace worksheets
