// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/screen.h"
#include "topics/topicinfo.h"

namespace activities {
class ActivityScreen;
}

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace topics {

// The buttons of a topic screen; the numbers are their indices as clicks report them.
enum class TopicButton {
    MultipleChoice = 0,
    LabellingActivity = 1,
    Exit = 2,
    OrderingActivity = 3,
    KeyFacts = 4,
    TeachersNotes = 5,
};

// A topic screen: the title, a large picture and six text buttons that
// lead to the key facts, the teacher's notes, the quiz, the activities and
// back to the menu.
class TopicScreen : public platform::Screen {
    Q_OBJECT
public:
    explicit TopicScreen(TopicInfo info);

    const TopicInfo& info() const { return info_; }

    platform::TextLabel* titleLabel;
    platform::PictureBox* topicPicture;
    platform::TextLabel* multipleChoiceButton;
    platform::TextLabel* labellingButton;
    platform::TextLabel* exitButton;
    platform::TextLabel* orderingButton;
    platform::TextLabel* keyFactsButton;
    platform::TextLabel* teachersNotesButton;

    void onButtonClicked(TopicButton button);

protected:
    void onLoad() override;

private:
    platform::TextLabel* addTopicButton(TopicButton button, const char* caption, double left,
                                        double top, double width);
    void openNotes(const NotesSet& set);
    void openQuiz();
    void openActivity(const QString& activityFile);
    void noActivity(const QString& activity);

    const TopicInfo info_;
};

// Whether the content folder has the file of the topic titled so.
bool topicFileExists(const QString& title);
// The screen of the topic titled so, loaded from its topic file; nullptr when
// the file is refused, with the reason in `problem`.
TopicScreen* topicScreen(const QString& title, QString* problem = nullptr);

} // namespace topics
