// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/wronganswersscreen.h"

#include "common/screenadaptation.h"
#include "common/style.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"

namespace quiz {

namespace style = common::style;

namespace {
constexpr double kHeadingPoints = 20.25;
constexpr int kExitIndex = 1; // its index in the row of buttons, as before the list had one

platform::TextLabel* line(platform::Screen* screen, const QString& name, int index, double left,
                          double top, double points, const QColor& colour, Qt::Alignment align) {
    return screen->addText(name, index, left, top, 12000, 540, style::kTahoma, points, true, colour,
                           align);
}
} // namespace

WrongAnswersScreen::WrongAnswersScreen()
    : Screen(QStringLiteral("wrongAnswersScreen"), Kind::FullSize) {
    setTitleLabel = line(this, QStringLiteral("setTitleLabel"), 0, 0, 120, kHeadingPoints,
                         Qt::yellow, Qt::AlignHCenter);
    introLabel = line(this, QStringLiteral("introLabel"), 0, 240, 960, style::kButtonPoints,
                      Qt::yellow, Qt::AlignLeft);
    introLabel->setCaption(QStringLiteral("You answered the following questions incorrectly."));
    for (int i = 0; i < int(answerLines.size()); ++i) {
        answerLines[size_t(i)] = line(this, QStringLiteral("answerLines"), i, 120, 1680 + 600 * i,
                                      style::kButtonPoints, Qt::white, Qt::AlignLeft);
        answerLines[size_t(i)]->hide();
    }
    tryAgainLabel = line(this, QStringLiteral("tryAgainLabel"), 0, 0, 7920, kHeadingPoints,
                         Qt::yellow, Qt::AlignHCenter);
    tryAgainLabel->setCaption(QStringLiteral("Read the Key Facts and try again."));

    exitButton = addButton(QStringLiteral("exitButton"), kExitIndex, 10560, 7920, 1245,
                           style::kButtonHeight, QStringLiteral("Exit"), style::kButtonPoints,
                           Qt::black, [this](int) { onExitClicked(); });
    exitButton->setOpaque(true);
    exitButton->setBorder(true);
}

void WrongAnswersScreen::onLoad() {
    common::adaptScreen(*this);
}

void WrongAnswersScreen::onExitClicked() {
    platform::ScreenRegistry::instance().unload(QStringLiteral("resultsScreen"));
    unload();
}

WrongAnswersScreen& wrongAnswersScreen() {
    return platform::touch<WrongAnswersScreen>(QStringLiteral("wrongAnswersScreen"));
}
bool wrongAnswersScreenLoaded() {
    return platform::ScreenRegistry::instance().isLoaded(QStringLiteral("wrongAnswersScreen"));
}

} // namespace quiz
