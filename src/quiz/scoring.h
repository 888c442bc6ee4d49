// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the results screen and the wrong-answers list say about a score, and
// which reward sound it earns. Plain functions, so the wordings can be
// checked without any screen.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace quiz {

// A number joined into a text: a leading space unless it is negative, so
// "Question" + formatNumber(1) reads "Question 1".
QString formatNumber(int number);

// "You have scored 8 out of 10." (also the certificate's score line).
QString scoreLine(int score, int total);

// The results screen's settings for a score.
struct ResultsWording {
    QString message;       // the score message
    QString hint;          // the line under it; empty when left as designed
    QString buttonCaption; // the first button
    // A perfect score only: hide "Read the Key Facts and try again.", show the
    // first button, the name box and the hint about the name. The other
    // wordings leave visibility to the opener.
    bool certificate = false;
};

// Nothing for a score above the total: the screen is then left as designed.
std::optional<ResultsWording> resultsWording(int score, int total);

// The sounds a score may earn, each equally likely; empty for no sound.
QStringList rewardSounds(int score);

// Picks one of rewardSounds(score) with `uniform`, a source of numbers in
// [0, 1). Returns an empty path when the score earns no sound.
QString pickRewardSound(int score, const std::function<double()>& uniform);

// A uniform source in [0, 1) seeded from the clock, so successive runs differ.
std::function<double()> clockSeededUniform();

// A line of the wrong-answers list: " 2. What is the Sun?".
QString wrongAnswerLine(int questionNumber, const QString& questionText);

} // namespace quiz
