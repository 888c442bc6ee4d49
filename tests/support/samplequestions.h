#pragma once
// A question set for tests: questions "Question number1?" to
// "Question number10?", options "a" to "d", right answers A, B, C, D, A, B...

#include "app/sharedstate.h"

namespace testenv {

inline int sampleRightChoice(int question) {
    return (question - 1) % 4 + 1;
}

inline app::QuestionSet sampleQuestionSet(const QString& title) {
    app::QuestionSet set;
    set.questtitle = title;
    for (int q = 1; q <= 10; ++q) {
        set.questtext[size_t(q)] = QStringLiteral("Question number%1?").arg(q);
        set.optiona[size_t(q)] = QStringLiteral("a");
        set.optionb[size_t(q)] = QStringLiteral("b");
        set.optionc[size_t(q)] = QStringLiteral("c");
        set.optiond[size_t(q)] = QStringLiteral("d");
        set.correct[size_t(q)] = QString::number(sampleRightChoice(q));
    }
    return set;
}

} // namespace testenv
