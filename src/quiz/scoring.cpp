// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/scoring.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>

namespace quiz {

QString formatNumber(int number) {
    return number < 0 ? QString::number(number) : u' ' + QString::number(number);
}

QString scoreLine(int score, int total) {
    return QStringLiteral("You have scored") + formatNumber(score) + QStringLiteral(" out of") +
           formatNumber(total) + u'.';
}

std::optional<ResultsWording> resultsWording(int score, int total) {
    const QString wrongAnswersHint =
        QStringLiteral("Click the button above to check which questions you answered incorrectly.");
    const QString wrongAnswersCaption = QStringLiteral("Check Wrong Answers");

    if (score == total)
        return ResultsWording{QStringLiteral("Excellent work. ") + scoreLine(score, total),
                              QString(), QStringLiteral("Print Certificate"), true};
    if (score == total - 1 || score == total - 2)
        return ResultsWording{QStringLiteral("Good work. ") + scoreLine(score, total),
                              wrongAnswersHint, wrongAnswersCaption, false};
    if (score < total - 2)
        return ResultsWording{scoreLine(score, total), wrongAnswersHint, wrongAnswersCaption,
                              false};
    return std::nullopt;
}

QStringList rewardSounds(int score) {
    switch (score) {
    case 12:
        return {QStringLiteral("wav\\halleluj.wav")};
    case 11:
        return {QStringLiteral("wav\\fanf4.wav"), QStringLiteral("wav\\slot_payoff.wav")};
    case 10:
        return {QStringLiteral("wav\\fanf2.wav"), QStringLiteral("wav\\fanf3.wav")};
    case 9:
        return {QStringLiteral("wav\\crowd.wav"), QStringLiteral("wav\\cheer2.wav"),
                QStringLiteral("wav\\klaxon.wav")};
    case 8:
        return {QStringLiteral("wav\\flute.wav"), QStringLiteral("wav\\gong.wav"),
                QStringLiteral("wav\\clap2.wav")};
    case 7:
        return {QStringLiteral("wav\\drumroll.wav"), QStringLiteral("wav\\laser2.wav"),
                QStringLiteral("wav\\whizz.wav")};
    case 6:
        return {QStringLiteral("wav\\clap3.wav"), QStringLiteral("wav\\clown.wav")};
    default:
        return {};
    }
}

QString pickRewardSound(int score, const std::function<double()>& uniform) {
    const QStringList sounds = rewardSounds(score);
    if (sounds.isEmpty())
        return {};
    const auto count = static_cast<int>(sounds.size());
    // The integer part of uniform * count; clamped in case a source returns 1.
    const int r = std::clamp(static_cast<int>(uniform() * count), 0, count - 1);
    return sounds[r];
}

std::function<double()> clockSeededUniform() {
    const auto seed = static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count());
    auto generator = std::make_shared<std::mt19937>(seed);
    return [generator] { return std::uniform_real_distribution<double>(0.0, 1.0)(*generator); };
}

QString wrongAnswerLine(int questionNumber, const QString& questionText) {
    return formatNumber(questionNumber) + QStringLiteral(". ") + questionText;
}

} // namespace quiz
