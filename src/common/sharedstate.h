// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Application-wide state shared by the screens. Lives for the whole run and
// starts empty (false, 0 or the empty string).

#include <QString>
#include <array>

namespace common {

// One multiple-choice set: a title and questions 1 to 10. The arrays are
// indexed by question number, so slot 0 is unused.
struct QuestionSet {
    QString title;
    std::array<QString, 11> questionText, optionA, optionB, optionC, optionD;
    std::array<QString, 11> rightAnswer; // "1" to "4", as stored in the question file
};

struct SharedState {
    bool soundOn = false;

    // The notes screen's page set: how many pages, the stem of their file
    // names and the page shown (also the teachers' guide's page).
    int pageCount = 0;
    QString notesFile;
    int pageNumber = 0;

    // The frames the animations show; each runs on from where it stopped.
    int earthRiseFrame = 0;
    int moonPhaseFrame = 0;
    int logoFrame = 0;

    QuestionSet questions;

    int questionNumber = 0;
    std::array<int, 11> marks{}; // 1 for a right answer, by question number
    int score = 0;
    int total = 0;
    QString certificateSubject;

    int worksheetCount = 0;
    // By position in the worksheet list, 1 to 1000, as the list numbers them.
    std::array<QString, 1001> worksheetTitles;
    int cataloguePage = 0;
    QString titleBeingDeleted;
};

SharedState& state();
// Back to a fresh run's state; for tests.
void resetState();

} // namespace common
