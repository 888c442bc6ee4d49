// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/topicscreen.h"

#include "activities/activityscreen.h"
#include "common/contentfile.h"
#include "common/menureturn.h"
#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/mediapaths.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "topics/notesscreen.h"

#include <QTimer>

namespace topics {

using common::state;
namespace style = common::style;

TopicScreen::TopicScreen(TopicInfo info)
    : Screen(info.screenName, Kind::FullSize), info_(std::move(info)) {
    using platform::PictureBox;
    topicPicture = addPicture(QStringLiteral("topicPicture"), int(PictureBox::Mode::AutoSize),
                              info_.pictureLeft, info_.pictureTop, 0, 0);

    titleLabel = addText(QStringLiteral("titleLabel"), 0, 120, 0, 6120, info_.titleHeight,
                         style::kTimes, 27.75, true, Qt::yellow);
    titleLabel->setCaption(info_.title);

    multipleChoiceButton =
        addTopicButton(TopicButton::MultipleChoice, "Multiple Choice", 120, 7920, 3195);
    labellingButton =
        addTopicButton(TopicButton::LabellingActivity, "Labelling Activity", 3600, 7920, 3195);
    exitButton = addTopicButton(TopicButton::Exit, "Exit", 10560, 7920, 1245);
    orderingButton =
        addTopicButton(TopicButton::OrderingActivity, "Ordering Activity", 7080, 7920, 3195);
    keyFactsButton = addTopicButton(TopicButton::KeyFacts, "Key Facts", 6360, 120, 1995);
    teachersNotesButton =
        addTopicButton(TopicButton::TeachersNotes, "Teacher's Notes", 8640, 120, 3195);
}

platform::TextLabel* TopicScreen::addTopicButton(TopicButton button, const char* caption,
                                                 double left, double top, double width) {
    platform::TextLabel* label =
        addButton(QStringLiteral("topicButtons"), int(button), left, top, width,
                  style::kButtonHeight, QString::fromLatin1(caption), style::kButtonPoints,
                  info_.highlight, [this](int index) { onButtonClicked(TopicButton(index)); });
    highlightOnHover(label);
    return label;
}

void TopicScreen::onLoad() {
    common::adaptScreen(*this);
    setBackColor(info_.background);
    topicPicture->setPicture(info_.picture);
    if (info_.centred)
        topicPicture->move(
            (platform::twipsToPixels(platform::kWindowWidthTwips) - topicPicture->width()) / 2,
            topicPicture->y());
}

void TopicScreen::onButtonClicked(TopicButton button) {
    switch (button) {
    case TopicButton::MultipleChoice:
        openQuiz();
        break;
    case TopicButton::LabellingActivity:
        if (info_.labelling.isEmpty())
            noActivity(QStringLiteral("labelling"));
        else
            openActivity(info_.labelling);
        break;
    case TopicButton::OrderingActivity:
        if (info_.ordering.isEmpty())
            noActivity(QStringLiteral("ordering"));
        else
            openActivity(info_.ordering);
        break;
    case TopicButton::KeyFacts:
        openNotes(info_.keyFacts);
        break;
    case TopicButton::TeachersNotes:
        openNotes(info_.teachersNotes);
        break;
    case TopicButton::Exit:
        common::returnToMenu();
        unload();
        break;
    }
    common::playSound(QStringLiteral("wav\\click.wav"));
}

void TopicScreen::openNotes(const NotesSet& set) {
    state().pageCount = set.pageCount;
    state().notesFile = set.notesFile;
    NotesScreen& notes = notesScreen();
    notes.pagePicture->setPicture(set.firstPage);
    notes.printPagePicture->setPicture(set.firstPrint);
    notes.showScreen();
}

void TopicScreen::openQuiz() {
    using Outcome = worksheets::QuestionFileLoad::Outcome;
    const worksheets::QuestionFileLoad load =
        worksheets::loadQuestionFile(platform::resolveContentPath(info_.questionFile));
    std::optional<QString> error;
    switch (load.outcome) {
    case Outcome::Loaded:
        break;
    case Outcome::NotFound:
        error = QStringLiteral("The questions for \"%1\" could not be found.").arg(info_.title);
        break;
    case Outcome::CannotBeRead:
        error = QStringLiteral("The questions for \"%1\" cannot be read.\n%2")
                    .arg(info_.title, load.reason);
        break;
    case Outcome::Damaged:
        // The reader's reason on its own line: it tells what to mend.
        error = QStringLiteral("The questions for \"%1\" could not be read: the question file "
                               "seems to be damaged.\n%2")
                    .arg(info_.title, load.reason);
        break;
    }
    if (error) {
        const QString message = *error;
        // After the click sound, like every other click on this screen.
        QTimer::singleShot(0, [message] { platform::messages().ok(message); });
        return;
    }
    quiz::QuizScreen& quiz = quiz::quizScreen();
    quiz.topicPicture->setPicture(info_.quizPicture);
    quiz.subjectLabel->setCaption(QString::fromLatin1(common::kProductTitle));
    quiz.showScreen();
}

void TopicScreen::openActivity(const QString& activityFile) {
    QString problem;
    activities::ActivityScreen* activity = activities::activityScreen(activityFile, &problem);
    if (!activity) {
        QTimer::singleShot(0, [problem] { platform::messages().ok(problem); });
        return;
    }
    activity->titleLabel->setCaption(titleLabel->caption());
    activity->showScreen();
}

void TopicScreen::noActivity(const QString& activity) {
    const QString message =
        QStringLiteral("\"%1\" has no %2 activity. You will find one in \"Life on Earth\" and in "
                       "\"The Sun and other Stars\".")
            .arg(info_.title, activity);
    QTimer::singleShot(0, [message] { platform::messages().ok(message); });
}

bool topicFileExists(const QString& title) {
    return platform::contentFileExists(topicFilePath(title));
}

TopicScreen* topicScreen(const QString& title, QString* problem) {
    for (platform::Screen* loaded : platform::ScreenRegistry::instance().loaded())
        if (auto* topic = qobject_cast<TopicScreen*>(loaded);
            topic && topic->info().title.compare(title, Qt::CaseInsensitive) == 0)
            return topic;
    TopicRead read = loadTopicInfo(title);
    if (read.info && platform::ScreenRegistry::instance().isLoaded(read.info->screenName))
        read = {std::nullopt,
                common::refusalMessage(topicFilePath(title),
                                       QStringLiteral("another screen is already named \"%1\"")
                                           .arg(read.info->screenName))};
    if (!read.info) {
        if (problem)
            *problem = read.problem;
        return nullptr;
    }
    return &platform::touch<TopicScreen>(read.info->screenName,
                                         [&read] { return new TopicScreen(*read.info); });
}

} // namespace topics
