#pragma once
#include "platform/screen.h"

#include <QMap>

class QRadioButton;
class QTimer;

namespace platform {
class PictureBox;
class TextLabel;
} // namespace platform

namespace app {

// The main menu: every topic, the teachers' material and the worksheet
// tools, with the earth-rise animation and the sound switch.
class MenuScreen : public platform::Screen {
    Q_OBJECT
public:
    MenuScreen();

    platform::TextLabel* Label1;
    platform::TextLabel* Label3;
    platform::PictureBox* Picture1;
    platform::PictureBox* Picture2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QTimer* Timer1;
    QTimer* Timer2;
    QMap<int, platform::TextLabel*> Label2; // indices 0-10 and 15-20

    void Label2_Click(int index);

protected:
    void Form_Load() override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void addItem(int index, const QString& caption, double left, double top, double width,
                 double height, double points);
};

MenuScreen& intro0();
bool intro0Loaded();

} // namespace app
