// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menuactions.h"

#include "common/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "shell/menuscreen.h"
#include "shell/titlescreen.h"
#include "topics/guidescreen.h"
#include "topics/notesscreen.h"
#include "topics/topicscreen.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"

#include <QPushButton>
#include <QTimer>

namespace shell {

using common::state;

QString missingTopicMessage(const QString& topic) {
    return QStringLiteral("\"%1\" cannot be opened: its topic file \"%2\" is missing from the "
                          "content folder.\n\nInstall Corvella again to put it back; the other "
                          "topics still work.")
        .arg(topic, topics::topicFilePath(topic));
}

namespace {
// A topic opens when the content folder has its topic file; without it the
// menu names the missing file and stays where it is.
void openTopic(const QString& title) {
    QString message;
    if (!topics::topicFileExists(title))
        message = missingTopicMessage(title);
    else if (topics::TopicScreen* topic = topics::topicScreen(title, &message))
        topic->showScreen();
    // Shown once the click has been handled, so the click sound comes first.
    if (!message.isEmpty())
        QTimer::singleShot(0, [message] { platform::messages().ok(message); });
}
} // namespace

void runMenuItem(MenuItem item) {
    switch (item) {
    case MenuItem::Introduction: {
        state().pageCount = 2;
        state().notesFile = QStringLiteral("introduction");
        topics::NotesScreen& notes = topics::notesScreen();
        notes.pagePicture->setPicture(QStringLiteral("wmf\\introductiona.wmf"));
        notes.printPagePicture->setPicture(QStringLiteral("wmf2\\introductiona.wmf"));
        notes.showScreen();
        break;
    }
    case MenuItem::Acknowledgements:
        topics::notesScreen().showAcknowledgements();
        topics::notesScreen().showScreen();
        break;
    case MenuItem::TeachersGuide: {
        topics::GuideScreen& guide = topics::guideScreen();
        guide.pagePicture->setPicture(QStringLiteral("wmf\\guide1.wmf"));
        guide.printPagePicture->setPicture(QStringLiteral("wmf2\\guide1.wmf"));
        state().pageNumber = 1;
        guide.showScreen();
        break;
    }
    case MenuItem::Exit:
        showExitScreen();
        break;
    case MenuItem::Tides:
    case MenuItem::LifeOnEarth:
    case MenuItem::SunAndStars:
    case MenuItem::SolarSystem:
    case MenuItem::OrbitsAndGravitation:
    case MenuItem::TimeAndSeasons:
    case MenuItem::PhasesOfTheMoon:
    case MenuItem::Eclipses:
    case MenuItem::SunspotsAndAurora:
    case MenuItem::ContinentsAndOceans:
    case MenuItem::MoonLandings:
        openTopic(menuScreen().menuItems.value(item)->caption());
        break;
    case MenuItem::MultipleChoiceWizard:
        worksheets::wizardScreen().showScreen(); // the menu stays beneath
        break;
    case MenuItem::WorksheetCatalogue:
        // The catalogue brings back a freshly loaded menu on its way out.
        worksheets::catalogueScreen().showScreen();
        menuScreen().unload();
        break;
    }
}

} // namespace shell
