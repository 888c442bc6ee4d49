#include "app/intro0.h"

#include "app/adapt.h"
#include "app/animation.h"
#include "app/menuactions.h"
#include "app/sharedstate.h"
#include "app/sound.h"
#include "app/worksheetlist.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"

#include <QRadioButton>
#include <QTimer>

namespace app {
namespace {
const QColor kMenuBlue(39, 55, 131);
const QColor kYellow(255, 255, 0);

QRadioButton* soundOption(platform::Screen* screen, const QString& name, const QString& caption,
                          double top) {
    auto* option = new QRadioButton(caption, screen);
    option->setObjectName(name);
    screen->placeTwips(option, 10440, top, 1455, 255);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    option->setFont(f);
    QPalette p = option->palette();
    p.setColor(QPalette::WindowText, kYellow);
    p.setColor(QPalette::Window, kMenuBlue);
    option->setPalette(p);
    option->setBackgroundRole(QPalette::Window);
    option->setAutoFillBackground(true);
    return option;
}
} // namespace

MenuScreen::MenuScreen() : Screen(QStringLiteral("intro0"), Kind::FullSize) {
    Label1 = addText(QStringLiteral("Label1"), 0, 0, 0, 10680, 900, QStringLiteral("Tahoma"), 32.25,
                     true, kYellow, Qt::AlignHCenter);
    Label1->setCaption(QString::fromLatin1(kProductTitle));
    Label3 = addText(QStringLiteral("Label3"), 0, 0, 8280, 12000, 375, QStringLiteral("Tahoma"),
                     9.75, false, kYellow, Qt::AlignHCenter);
    Label3->setCaption(QStringLiteral("Corvella: Earth and space science for primary schools"));

    Picture1 = addPicture(QStringLiteral("Picture1"), 0, 6960, 1080, 4815, 3615);
    Picture2 = addPicture(QStringLiteral("Picture2"), 0, 0, 2400, 4815, 1215, Picture1);

    Option1 = soundOption(this, QStringLiteral("Option1"), QStringLiteral("Sound On"), 120);
    Option2 = soundOption(this, QStringLiteral("Option2"), QStringLiteral("Sound Off"), 480);
    connect(Option1, &QRadioButton::clicked, this, [] { state().soundon = 1; });
    connect(Option2, &QRadioButton::clicked, this, [] { state().soundon = 0; });

    addItem(20, QStringLiteral("Teachers' Guide"), 120, 1320, 3075, 495, 14.25);
    addItem(0, QStringLiteral("Introduction"), 120, 2400, 3195, 375, 12);
    addItem(15, QStringLiteral("The Sun and other Stars"), 120, 3120, 3195, 375, 12);
    addItem(1, QStringLiteral("The Solar System"), 120, 3840, 3195, 375, 12);
    addItem(2, QStringLiteral("Orbits and Gravitation"), 120, 4560, 3195, 375, 12);
    addItem(5, QStringLiteral("The Tides"), 120, 5280, 3195, 375, 12);
    addItem(8, QStringLiteral("Continents and Oceans"), 120, 6000, 3195, 375, 12);
    addItem(9, QStringLiteral("Life on Earth"), 3480, 2400, 3195, 375, 12);
    addItem(3, QStringLiteral("Time and the Seasons"), 3480, 3120, 3195, 375, 12);
    addItem(4, QStringLiteral("The Phases of the Moon"), 3480, 3840, 3195, 375, 12);
    addItem(6, QStringLiteral("Eclipses"), 3480, 4560, 3195, 375, 12);
    addItem(7, QStringLiteral("Sunspots and the Aurora"), 3480, 5280, 3195, 375, 12);
    addItem(10, QStringLiteral("The Moon Landings"), 3480, 6000, 3195, 375, 12);
    addItem(17, QStringLiteral("Multiple Choice Wizard"), 7080, 5760, 4635, 495, 18);
    addItem(18, QStringLiteral("Worksheet Catalogue"), 7080, 6600, 4635, 495, 18);
    addItem(19, QStringLiteral("Acknowledgments"), 120, 7920, 3075, 495, 14.25);
    addItem(16, QStringLiteral("Exit"), 10560, 7920, 1245, 495, 18);
    Label2[16]->setBackColor(Qt::black);

    Timer1 = addTimer(QStringLiteral("Timer1"), 1, [this] { Timer1_Timer(); });
    Timer2 = addTimer(QStringLiteral("Timer2"), 100, [this] { Timer2_Timer(); });
}

void MenuScreen::addItem(int index, const QString& caption, double left, double top, double width,
                         double height, double points) {
    platform::TextLabel* item =
        addButton(QStringLiteral("Label2"), index, left, top, width, height, caption, points,
                  QColor(0, 0, 128), [this](int i) { Label2_Click(i); });
    highlightOnHover(item);
    Label2.insert(index, item);
}

void MenuScreen::Form_Load() {
    adaptScreen(*this);
    setBackColor(kMenuBlue);
    Picture2->setPicture(QStringLiteral("Images\\earthmoonsm2.jpg"));
    Picture1->setPicture(riseFrameFile(0));
    state().soundon = 1;
    Option1->setChecked(true);
    Timer1->start();
}

void MenuScreen::Timer1_Timer() {
    Timer1->stop();
    if (readWorksheetList(state()))
        Timer2->start();
}

void MenuScreen::Timer2_Timer() {
    state().riseframe = int16_t(nextFrame(state().riseframe, 100));
    Picture1->setPicture(riseFrameFile(state().riseframe));
}

void MenuScreen::Label2_Click(int index) {
    Timer2->stop();
    runMenuItem(index);
    playSound(QStringLiteral("wav\\click.wav"));
}

MenuScreen& intro0() {
    return platform::touch<MenuScreen>(QStringLiteral("intro0"));
}

bool intro0Loaded() {
    return platform::ScreenRegistry::instance().isLoaded(QStringLiteral("intro0"));
}

} // namespace app
