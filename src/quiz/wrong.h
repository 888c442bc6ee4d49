#pragma once
#include "platform/screen.h"

#include <array>

namespace platform {
class TextLabel;
}

namespace quiz {

// The wrong-answers list: the questions of the last quiz answered wrongly,
// filled by the quiz at its end and shown from the results screen.
class WrongScreen : public platform::Screen {
    Q_OBJECT
public:
    WrongScreen();

    platform::TextLabel* Label6;
    platform::TextLabel* Label4;
    std::array<platform::TextLabel*, 10> Label2{};
    platform::TextLabel* Label5;
    platform::TextLabel* Label3; // "Exit", index 1

    void Label3_Click(int index);

protected:
    void Form_Load() override;
};

WrongScreen& Wrong();
bool wrongLoaded();

} // namespace quiz
