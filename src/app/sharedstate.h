#pragma once
// Application-wide state shared by the screens. Lives for the whole run and
// starts empty (0 or the empty string).

#include <QString>
#include <array>
#include <cstdint>

namespace app {

// One multiple-choice set: a title and questions 1 to 10 (slot 0 unused).
struct QuestionSet {
    QString questtitle;
    std::array<QString, 11> questtext, optiona, optionb, optionc, optiond, correct;
};

struct SharedState {
    int16_t soundon = 0;
    int16_t numpages = 0;
    QString notesfile;
    int16_t pagenum = 0;
    int16_t riseframe = 0;
    int16_t phaseframe = 0;
    int16_t logoframe = 0;

    QuestionSet quest;

    int16_t qnum = 0;
    std::array<int16_t, 11> marks{};
    int16_t score = 0;
    int16_t total = 0;
    QString certsubject;

    double sheetcount = 0;
    std::array<QString, 1001> sheetnames;
    int catpage = 0;
    QString delname;
};

SharedState& state();
// Back to a fresh run's state; for tests.
void resetState();

} // namespace app
