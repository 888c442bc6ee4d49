// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menuscreen.h"

#include "common/animation.h"
#include "common/menureturn.h"
#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/choicelook.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "shell/menuactions.h"
#include "worksheets/listedworksheets.h"

#include <QRadioButton>
#include <QTimer>

namespace shell {

using common::state;
namespace style = common::style;

namespace {
constexpr int kEarthRiseFrames = 100;
const QColor kItemHighlight(0, 0, 128);

QRadioButton* soundOption(platform::Screen* screen, const QString& name, const QString& caption,
                          double top) {
    auto* option = new QRadioButton(caption, screen);
    option->setObjectName(name);
    screen->placeTwips(option, 10440, top, 1455, 255);
    QFont f(style::kTahoma);
    f.setPointSizeF(9.75);
    f.setBold(true);
    option->setFont(f);
    QPalette p = option->palette();
    p.setColor(QPalette::WindowText, style::kYellow);
    p.setColor(QPalette::Window, style::kScreenBlue);
    option->setPalette(p);
    option->setBackgroundRole(QPalette::Window);
    option->setAutoFillBackground(true);
    platform::useChoiceLook(option);
    return option;
}
} // namespace

MenuScreen::MenuScreen() : Screen(QStringLiteral("menuScreen"), Kind::FullSize) {
    titleLabel = addText(QStringLiteral("titleLabel"), 0, 0, 0, 10680, 900, style::kTahoma, 32.25,
                         true, style::kYellow, Qt::AlignHCenter);
    titleLabel->setCaption(QString::fromLatin1(common::kProductTitle));
    subtitleLabel = addText(QStringLiteral("subtitleLabel"), 0, 0, 8280, 12000, 375, style::kTahoma,
                            9.75, false, style::kYellow, Qt::AlignHCenter);
    subtitleLabel->setCaption(
        QStringLiteral("Corvella: Earth and space science for primary schools"));

    earthRisePicture = addPicture(QStringLiteral("earthRisePicture"), 0, 6960, 1080, 4815, 3615);
    earthMoonPicture =
        addPicture(QStringLiteral("earthMoonPicture"), 0, 0, 2400, 4815, 1215, earthRisePicture);

    soundOnOption =
        soundOption(this, QStringLiteral("soundOnOption"), QStringLiteral("Sound On"), 120);
    soundOffOption =
        soundOption(this, QStringLiteral("soundOffOption"), QStringLiteral("Sound Off"), 480);
    connect(soundOnOption, &QRadioButton::clicked, this, [] { state().soundOn = true; });
    connect(soundOffOption, &QRadioButton::clicked, this, [] { state().soundOn = false; });

    addItem(MenuItem::TeachersGuide, QStringLiteral("Teachers' Guide"), 120, 1320, 3075, 495,
            14.25);
    addItem(MenuItem::Introduction, QStringLiteral("Introduction"), 120, 2400, 3195, 375, 12);
    addItem(MenuItem::SunAndStars, QStringLiteral("The Sun and other Stars"), 120, 3120, 3195, 375,
            12);
    addItem(MenuItem::SolarSystem, QStringLiteral("The Solar System"), 120, 3840, 3195, 375, 12);
    addItem(MenuItem::OrbitsAndGravitation, QStringLiteral("Orbits and Gravitation"), 120, 4560,
            3195, 375, 12);
    addItem(MenuItem::Tides, QStringLiteral("The Tides"), 120, 5280, 3195, 375, 12);
    addItem(MenuItem::ContinentsAndOceans, QStringLiteral("Continents and Oceans"), 120, 6000, 3195,
            375, 12);
    addItem(MenuItem::LifeOnEarth, QStringLiteral("Life on Earth"), 3480, 2400, 3195, 375, 12);
    addItem(MenuItem::TimeAndSeasons, QStringLiteral("Time and the Seasons"), 3480, 3120, 3195, 375,
            12);
    addItem(MenuItem::PhasesOfTheMoon, QStringLiteral("The Phases of the Moon"), 3480, 3840, 3195,
            375, 12);
    addItem(MenuItem::Eclipses, QStringLiteral("Eclipses"), 3480, 4560, 3195, 375, 12);
    addItem(MenuItem::SunspotsAndAurora, QStringLiteral("Sunspots and the Aurora"), 3480, 5280,
            3195, 375, 12);
    addItem(MenuItem::MoonLandings, QStringLiteral("The Moon Landings"), 3480, 6000, 3195, 375, 12);
    addItem(MenuItem::MultipleChoiceWizard, QStringLiteral("Multiple Choice Wizard"), 7080, 5760,
            4635, 495, 18);
    addItem(MenuItem::WorksheetCatalogue, QStringLiteral("Worksheet Catalogue"), 7080, 6600, 4635,
            495, 18);
    addItem(MenuItem::Acknowledgements, QStringLiteral("Acknowledgments"), 120, 7920, 3075, 495,
            14.25);
    addItem(MenuItem::Exit, QStringLiteral("Exit"), 10560, 7920, 1245, 495, 18);
    menuItems[MenuItem::Exit]->setBackColor(Qt::black);

    worksheetListTimer =
        addTimer(QStringLiteral("worksheetListTimer"), 1, [this] { onWorksheetListTick(); });
    earthRiseTimer = addTimer(QStringLiteral("earthRiseTimer"), 100, [this] { onEarthRiseTick(); });
}

void MenuScreen::addItem(MenuItem item, const QString& caption, double left, double top,
                         double width, double height, double points) {
    platform::TextLabel* label =
        addButton(QStringLiteral("menuItems"), int(item), left, top, width, height, caption, points,
                  kItemHighlight, [this](int index) { onMenuItemClicked(MenuItem(index)); });
    highlightOnHover(label);
    menuItems.insert(item, label);
}

void MenuScreen::onLoad() {
    common::adaptScreen(*this, earthRisePicture);
    setBackColor(style::kScreenBlue);
    earthMoonPicture->setPicture(QStringLiteral("Images\\earthmoonsm2.jpg"));
    earthRisePicture->setPicture(common::earthRiseFrameFile(0));
    state().soundOn = true;
    soundOnOption->setChecked(true);
    worksheetListTimer->start();
}

void MenuScreen::onWorksheetListTick() {
    worksheetListTimer->stop();
    worksheetListRead = worksheets::readListedWorksheets();
    if (worksheetListRead)
        earthRiseTimer->start();
}

void MenuScreen::onEarthRiseTick() {
    state().earthRiseFrame = common::nextFrame(state().earthRiseFrame, kEarthRiseFrames);
    earthRisePicture->setPicture(common::earthRiseFrameFile(state().earthRiseFrame));
}

void MenuScreen::onMenuItemClicked(MenuItem item) {
    earthRiseTimer->stop();
    runMenuItem(item);
    common::playSound(QStringLiteral("wav\\click.wav"));
}

MenuScreen& menuScreen() {
    return platform::touch<MenuScreen>(QStringLiteral("menuScreen"));
}

bool menuScreenLoaded() {
    return platform::ScreenRegistry::instance().isLoaded(QStringLiteral("menuScreen"));
}

} // namespace shell

namespace common {

void returnToMenu() {
    shell::MenuScreen& menu = shell::menuScreen();
    // As at the menu's start: the animation runs once the list was read (a
    // freshly loaded menu starts it when it has read the list).
    if (menu.worksheetListRead)
        menu.earthRiseTimer->start();
    menu.showScreen();
}

} // namespace common
