// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/titlescreen.h"

#include "common/animation.h"
#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/appwindow.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "shell/backdrop.h"
#include "shell/menuscreen.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

namespace shell {

using common::state;
namespace style = common::style;

namespace {
constexpr double kClientWidth = 5460;
constexpr double kClientHeight = 6570;
constexpr int kFirstMoonPhase = 7;
constexpr int kMoonPhases = 28;
const QColor kDialogGrey(192, 192, 192);
const QColor kTitleGrey(128, 128, 128);
const QColor kCreditBlue(0, 0, 255);
const QColor kSubtitleGreen(0, 128, 0);

void creditLine(platform::TextLabel* label, const QString& text, double points) {
    label->setCaption(text);
    label->setFontSpec(style::kTimes, points);
    label->setForeColor(kCreditBlue);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}
} // namespace

TitleScreen::TitleScreen() : Screen(QStringLiteral("titleScreen"), Kind::Dialog) {
    setBackColor(kDialogGrey);
    // Window lists and screen readers name the title and exit screen after the program.
    setCaption(QString::fromLatin1(common::kProductTitle));
    setFixedSize(platform::twipsToPixels(kClientWidth), platform::twipsToPixels(kClientHeight));

    panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setMouseTracking(true);
    placeTwips(panel, 0, -90, 5480, 6660);

    titleLabel = addLabel(QStringLiteral("titleLabel"), 0, 60, 360, 5355, 705, panel);
    titleLabel->setCaption(QString::fromLatin1(common::kProductTitle));
    titleLabel->setFontSpec(style::kTimes, 21.75, true);
    titleLabel->setForeColor(kTitleGrey);
    titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Controls inside the panel are placed relative to it.
    moonPhasePicture =
        addPicture(QStringLiteral("moonPhasePicture"), 0, 300, 1200, 4800, 3600, panel);
    moonPhasePicture->setBackColor(Qt::black);
    moonPhasePicture->setOpaque(true);

    // Credits name only who really made the program and where its pictures
    // come from (the acknowledgments page has the full list).
    writersLabel = addLabel(QStringLiteral("writersLabel"), 0, 360, 4980, 4695, 375, panel);
    creditLine(writersLabel, QStringLiteral("Written by the Corvella contributors"), 14.25);
    mapsCreditLabel = addLabel(QStringLiteral("mapsCreditLabel"), 0, 480, 5310, 4455, 375, panel);
    creditLine(mapsCreditLabel, QStringLiteral("Maps courtesy of NASA and the USGS"), 12);
    licenceLabel = addLabel(QStringLiteral("licenceLabel"), 0, 480, 5640, 4455, 375, panel);
    creditLine(licenceLabel, QStringLiteral("Free software: GNU GPL, version 3 or later"), 12);

    okButton = new QPushButton(QStringLiteral("OK"), panel);
    okButton->setObjectName(QStringLiteral("okButton"));
    placeTwips(okButton, 1320, 6000, 1335, 375);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &TitleScreen::onOkClicked);

    exitButton = new QPushButton(QStringLiteral("Exit"), panel);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    placeTwips(exitButton, 2760, 6000, 1335, 375);
    connect(exitButton, &QPushButton::clicked, this, &TitleScreen::onExitClicked);

    subtitleLabel = addLabel(QStringLiteral("subtitleLabel"), 0, 0, 6420, 5415, 255, panel);
    subtitleLabel->setCaption(
        QStringLiteral("Corvella: Earth and space science for primary schools"));
    subtitleLabel->setFontSpec(style::kArial, 8.25);
    subtitleLabel->setForeColor(kSubtitleGreen);
    subtitleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    moonPhaseTimer = addTimer(QStringLiteral("moonPhaseTimer"), 150, [this] { onMoonPhaseTick(); });
}

bool TitleScreen::centreOnDisplay() {
    const QSizeF display = common::displaySizeTwips();
    if (display.isEmpty())
        return false;
    const QPointF origin = common::centredOrigin(display, QSizeF(kClientWidth, kClientHeight));
    move(platform::twipsToPixels(origin.x()), platform::twipsToPixels(origin.y()));
    return true;
}

void TitleScreen::onLoad() {
    if (!centreOnDisplay()) {
        common::adaptScreen(*this, moonPhasePicture);
        panel->raise();
    }
    state().moonPhaseFrame = kFirstMoonPhase;
    backdrop().showScreen();
    moonPhasePicture->setPicture(common::moonPhaseFrameFile(kFirstMoonPhase));
    moonPhaseTimer->start();
}

void TitleScreen::onMoonPhaseTick() {
    state().moonPhaseFrame = common::nextFrame(state().moonPhaseFrame, kMoonPhases);
    moonPhasePicture->setPicture(common::moonPhaseFrameFile(state().moonPhaseFrame));
}

void TitleScreen::onOkClicked() {
    // On to the menu; the exit screen opened by a close button over another
    // screen goes back to that screen.
    platform::AppWindow* window = platform::AppWindow::existing();
    platform::Screen* front = window ? window->frontScreen() : nullptr;
    if (front && front->name() != QLatin1String("menuScreen"))
        front->showScreen();
    else
        menuScreen().showScreen();
    unload();
    common::playSound(QStringLiteral("wav\\click.wav"));
}

void TitleScreen::onExitClicked() {
    common::playSound(QStringLiteral("wav\\click.wav"));
    platform::endProgram();
}

void TitleScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!isUnloading())
        platform::endProgram();
}

TitleScreen& titleScreen() {
    return platform::touch<TitleScreen>(QStringLiteral("titleScreen"));
}

void showExitScreen() {
    // Before the menu has been opened the title screen is still up as itself.
    platform::AppWindow* window = platform::AppWindow::existing();
    if (window && window->isVisible())
        titleScreen().okButton->setText(QStringLiteral("Cancel"));
    titleScreen().showScreen();
}

} // namespace shell
