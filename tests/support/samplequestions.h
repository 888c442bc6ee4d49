// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Question number1?" to "Question number10?", options "a" to "d", answers A, B, C, D, A...

#include "common/sharedstate.h"

namespace testenv {

inline int sampleRightChoice(int question) {
    return (question - 1) % 4 + 1;
}

inline common::QuestionSet sampleQuestionSet(const QString& title) {
    common::QuestionSet set;
    set.title = title;
    for (int q = 1; q <= 10; ++q) {
        set.questionText[size_t(q)] = QStringLiteral("Question number%1?").arg(q);
        set.optionA[size_t(q)] = QStringLiteral("a");
        set.optionB[size_t(q)] = QStringLiteral("b");
        set.optionC[size_t(q)] = QStringLiteral("c");
        set.optionD[size_t(q)] = QStringLiteral("d");
        set.rightAnswer[size_t(q)] = QString::number(sampleRightChoice(q));
    }
    return set;
}

} // namespace testenv
