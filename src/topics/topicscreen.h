#pragma once
#include "platform/screen.h"
#include "topics/topicinfo.h"

#include <array>

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace topics {

// A topic screen: the title, a large picture and six command labels that
// lead to the key facts, the teacher's notes, the quiz, the activities and
// back to the menu.
class TopicScreen : public platform::Screen {
    Q_OBJECT
public:
    explicit TopicScreen(Topic topic);

    const TopicInfo& info() const { return info_; }

    platform::TextLabel* Label1;
    platform::PictureBox* Image1;
    std::array<platform::TextLabel*, 6> Label3{};

    void Label3_Click(int index);

protected:
    void Form_Load() override;

private:
    void openNotes(const NotesSet& set);
    void openQuiz();
    void noActivity(const QString& activity);

    const TopicInfo& info_;
};

class TidesScreen : public TopicScreen {
public:
    TidesScreen() : TopicScreen(Topic::Tides) {}
};
class SunScreen : public TopicScreen {
public:
    SunScreen() : TopicScreen(Topic::Sun) {}
};
class LifeScreen : public TopicScreen {
public:
    LifeScreen() : TopicScreen(Topic::Life) {}
};

TopicScreen& tides();
TopicScreen& sun();
TopicScreen& life();

} // namespace topics
