// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetsaving.h"

#include "questions/questionfile.h"
#include "questions/safewrite.h"
#include "worksheets/worksheetentries.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsfolder.h"

namespace worksheets {

QString saveMessage(const SaveOutcome& outcome) {
    if (outcome.saved)
        return QString::fromLatin1(kWorksheetSaved);
    if (outcome.refused)
        return outcome.reason;
    QString message = QString::fromLatin1(kWorksheetSaveProblem);
    if (!outcome.reason.isEmpty())
        message += u'\n' + outcome.reason;
    return message;
}

std::optional<QString> titleClash(const QString& folder, const QString& title) {
    if (auto problem = titleProblem(title))
        return problem;
    for (const QString& topicSet : topicSetTitlesIn(folder)) {
        if (topicSet.compare(title, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Your worksheet title cannot be \"%1\": a topic's quiz has "
                                  "that title. Please choose another title.")
                .arg(title);
    }
    return std::nullopt;
}

SaveOutcome saveWorksheet(const QString& folder, const common::QuestionSet& set,
                          const ListLock::Pause& pause) {
    const auto failed = [](const QString& reason) { return SaveOutcome{false, false, reason}; };
    if (folder.isEmpty())
        return failed(QStringLiteral("The worksheets folder cannot be written."));
    if (auto clash = titleClash(folder, set.title))
        return {false, true, *clash};
    const QString file = worksheetFilePath(folder, set.title);
    WorksheetList list(folder, pause);
    // One file replaced and not the other would leave a worksheet unlisted.
    for (const QString& path : {file, list.path()}) {
        if (auto refusal = replaceRefusal(path))
            return failed(*refusal);
    }
    // The question file is written under the lock, once the list has room.
    const WorksheetList::Change added =
        list.add(set.title, [&] { return writeQuestionSet(file, set); });
    switch (added.outcome) {
    case WorksheetList::Outcome::Changed:
    case WorksheetList::Outcome::Unchanged:
        return {true, false, QString()};
    case WorksheetList::Outcome::Full:
        return failed(QStringLiteral("The worksheet list is full."));
    case WorksheetList::Outcome::Failed:
        break;
    }
    return failed(added.error);
}

} // namespace worksheets
