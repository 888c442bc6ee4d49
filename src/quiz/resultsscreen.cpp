// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/resultsscreen.h"

#include "common/animation.h"
#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "quiz/certificate.h"
#include "quiz/scoring.h"
#include "quiz/wronganswersscreen.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QTimer>

namespace quiz {

using common::state;
namespace style = common::style;

namespace {
constexpr int kFullMoon = 13;
constexpr int kLongestName = 25;

std::function<std::function<double()>()>& randomSource() {
    static std::function<std::function<double()>()> source = clockSeededUniform;
    return source;
}

platform::TextLabel* text(platform::Screen* screen, const QString& name, double left, double top,
                          double width, double height, double points) {
    platform::TextLabel* label = screen->addText(name, 0, left, top, width, height, style::kTimes,
                                                 points, false, Qt::yellow, Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}
} // namespace

void ResultsScreen::setRandomSource(std::function<std::function<double()>()> seeded) {
    randomSource() = seeded ? std::move(seeded) : clockSeededUniform;
}

ResultsScreen::ResultsScreen() : Screen(QStringLiteral("resultsScreen"), Kind::FullSize) {
    headingLabel = addText(QStringLiteral("headingLabel"), 0, 0, 120, 12000, 900, style::kTahoma,
                           36, true, Qt::yellow, Qt::AlignHCenter);
    headingLabel->setCaption(QStringLiteral("Well Done!"));

    moonPicture = addPicture(QStringLiteral("moonPicture"), 0, 5880, 1440, 4800, 3600);

    const auto addResultsButton = [this](ResultsButton button, double left, double top,
                                         double width) {
        platform::TextLabel* label =
            addButton(QStringLiteral("resultsButtons"), int(button), left, top, width,
                      style::kButtonHeight, QString(), style::kButtonPoints, Qt::black,
                      [this](int index) { onButtonClicked(ResultsButton(index)); });
        label->setBorder(true);
        highlightOnHover(label);
        return label;
    };
    followUpButton = addResultsButton(ResultsButton::FollowUp, 240, 1800, 3765);
    exitButton = addResultsButton(ResultsButton::Exit, 10560, 7920, 1245);
    followUpButton->hide();
    exitButton->setCaption(QStringLiteral("Exit"));

    scoreLabel = text(this, QStringLiteral("scoreLabel"), 0, 5400, 12000, 855, 24);
    hintLabel = text(this, QStringLiteral("hintLabel"), 1680, 6000, 8640, 1335, 24);
    hintLabel->hide();
    tryAgainLabel = text(this, QStringLiteral("tryAgainLabel"), 0, 6240, 12000, 855, 24);
    tryAgainLabel->setCaption(QStringLiteral("Read the Key Facts and try again."));

    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setAccessibleName(QStringLiteral("Your name"));
    placeTwips(nameEdit, 3120, 6600, 5760, 615);
    nameEdit->setMaxLength(kLongestName);
    QFont nameFont(platform::installedFamily(style::kTimes));
    nameFont.setPointSizeF(24);
    nameEdit->setFont(nameFont);
    nameEdit->hide();

    nameHintLabel = text(this, QStringLiteral("nameHintLabel"), 3120, 7440, 5775, 855, 18);
    nameHintLabel->setCaption(
        QStringLiteral("Enter your name in the box above before printing your certificate"));
    nameHintLabel->hide();

    pictureTimer = addTimer(QStringLiteral("pictureTimer"), 1, [this] {
        moonPicture->setPicture(common::moonPhaseFrameFile(kFullMoon));
        pictureTimer->stop();
        focusTimer->start();
    });
    focusTimer = addTimer(QStringLiteral("focusTimer"), 10, [this] {
        if (nameEdit->isVisible())
            nameEdit->setFocus(Qt::OtherFocusReason);
        focusTimer->stop();
        followUpButton->setOpaque(true);
        exitButton->setOpaque(true);
        rewardSoundTimer->start();
    });
    rewardSoundTimer = addTimer(QStringLiteral("rewardSoundTimer"), 1, [this] {
        const std::function<double()> uniform = randomSource()();
        if (state().soundOn) {
            const QString sound = pickRewardSound(state().score, uniform);
            if (!sound.isEmpty())
                common::playSound(sound);
        }
        rewardSoundTimer->stop();
    });
}

void ResultsScreen::onLoad() {
    common::adaptScreen(*this, moonPicture);
    if (const auto wording = resultsWording(state().score, state().total)) {
        if (wording->certificate) {
            tryAgainLabel->hide();
            followUpButton->show();
            nameEdit->show();
            nameHintLabel->show();
        } else {
            hintLabel->setCaption(wording->hint);
        }
        scoreLabel->setCaption(wording->message);
        followUpButton->setCaption(wording->buttonCaption);
    }
    pictureTimer->start();
}

void ResultsScreen::onButtonClicked(ResultsButton button) {
    if (button == ResultsButton::FollowUp) {
        if (state().score == state().total) {
            try {
                printCertificate();
            } catch (...) {
                platform::messages().ok(kCertificateCancelled);
            }
            return; // the certificate path plays no click
        }
        wrongAnswersScreen().showScreen();
    } else {
        platform::ScreenRegistry::instance().unload(QStringLiteral("wrongAnswersScreen"));
        unload();
    }
    common::playSound(QStringLiteral("wav\\click.wav"));
}

void ResultsScreen::printCertificate() {
    Certificate certificate;
    certificate.subject = state().certificateSubject;
    certificate.subjectWidth = platform::pixelsToTwips(
        QFontMetricsF(font()).horizontalAdvance(state().certificateSubject));
    certificate.name = nameEdit->text();
    certificate.score = state().score;
    certificate.total = state().total;
    const QString name = certificate.name.trimmed();
    const QString what = name.isEmpty() ? QStringLiteral("Certificate")
                                        : QStringLiteral("Certificate - %1").arg(name);
    if (platform::printJob(what, [&certificate](platform::Printer& printer) {
            quiz::printCertificate(printer, certificate);
        }) == platform::PrintOutcome::Printed)
        platform::messages().ok(kCertificatePrinting);
}

ResultsScreen& resultsScreen() {
    return platform::touch<ResultsScreen>(QStringLiteral("resultsScreen"));
}

} // namespace quiz
