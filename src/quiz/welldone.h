#pragma once
#include "platform/screen.h"

#include <array>
#include <functional>

class QLineEdit;
class QTimer;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace quiz {

// The results screen: the score in one of three wordings, a moon picture, a
// reward sound, and the certificate or the wrong-answers list.
class ResultsScreen : public platform::Screen {
    Q_OBJECT
public:
    ResultsScreen();

    platform::TextLabel* Label4;
    platform::PictureBox* Picture1;
    std::array<platform::TextLabel*, 2> Label3{};
    platform::TextLabel* Label1;
    platform::TextLabel* Label5;
    platform::TextLabel* Label6;
    QLineEdit* Text1;
    platform::TextLabel* Label2;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;

    void Label3_Click(int index);
    void Printpage();

    // The random source of the reward sound; tests seed their own.
    static void setRandomSource(std::function<std::function<double()>()> seeded);

protected:
    void Form_Load() override;
};

ResultsScreen& Welldone();

} // namespace quiz
