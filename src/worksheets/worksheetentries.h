// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the teacher types into the wizard: a title, ten questions, four
// options a question and one tick a question for the right option. Here are
// the checks "Save Worksheet" makes before anything is written, and the
// conversions to and from the question set.

#include "common/sharedstate.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace worksheets {

constexpr int kTitleMaxLength = 25;
constexpr int kQuestionMaxLength = 60;
constexpr int kOptionMaxLength = 30;
constexpr int kOptionsPerQuestion = 4;
constexpr int kOptionBoxes = 10 * kOptionsPerQuestion;

struct WorksheetEntries {
    QString title;
    std::array<QString, 10> questions; // question q + 1 in slot q
    // Option k (0 = A to 3 = D) of question q + 1 in slot 4q + k, and
    // whether it is ticked as the right one.
    std::array<QString, kOptionBoxes> options;
    std::array<bool, kOptionBoxes> ticks{};

    bool operator==(const WorksheetEntries& other) const {
        return title == other.title && questions == other.questions && options == other.options &&
               ticks == other.ticks;
    }
    bool operator!=(const WorksheetEntries& other) const { return !(*this == other); }
};

// Why a title cannot name a worksheet, in the wizard's words, or nothing.
// Titles become file names and lines of the worksheet list, so a title is
// refused when the list could not give it back (a comma, a leading space, a
// character outside the list's code page) or a common file system could not
// store it ("/", "\", ":" and the other forbidden characters, control
// characters, a trailing space or full stop, names Windows keeps for
// devices), and when its file would be the worksheet list's own. An empty title passes here; the
// checks below catch it first.
std::optional<QString> titleProblem(const QString& title);

// The first problem in the entries, checked in this order: an empty title,
// an unusable title, then question by question an empty question box, an
// empty option box, no tick, more than one tick and a character the file's
// code page cannot hold (named with the question and option). Nothing when the
// worksheet can be saved. A box holding only spaces is not empty.
std::optional<QString> entriesProblem(const WorksheetEntries& entries);

// The question set the entries make; they must have passed the checks.
common::QuestionSet questionSetOf(const WorksheetEntries& entries);

// The texts of the entries longer than the wizard's boxes take (a file
// edited by hand), named as the wizard names them: "the title",
// "Question 3", "Question 3, option B". Empty when everything fits.
QStringList overlongTexts(const WorksheetEntries& entries);

// The entries that show a loaded set in the wizard, or nothing when a right
// answer is not "1" to "4".
std::optional<WorksheetEntries> entriesOf(const common::QuestionSet& set);

} // namespace worksheets
