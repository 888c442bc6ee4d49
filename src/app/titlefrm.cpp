#include "app/titlefrm.h"

#include "app/adapt.h"
#include "app/animation.h"
#include "app/grey.h"
#include "app/intro0.h"
#include "app/sharedstate.h"
#include "app/sound.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "platform/twips.h"

#include <QPushButton>
#include <QTimer>

namespace app {
namespace {
constexpr double kClientWidth = 5460;
constexpr double kClientHeight = 6570;
const QColor kBlue(0, 0, 255);

void creditLine(platform::TextLabel* label, const QString& text, double points) {
    label->setCaption(text);
    label->setFontSpec(QStringLiteral("Times New Roman"), points);
    label->setForeColor(kBlue);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}
} // namespace

TitleScreen::TitleScreen() : Screen(QStringLiteral("Titlefrm"), Kind::Dialog) {
    setBackColor(QColor(192, 192, 192));
    setCaption(QStringLiteral(" "));
    setFixedSize(platform::twipsToPixels(kClientWidth), platform::twipsToPixels(kClientHeight));

    Frame1 = new QWidget(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setMouseTracking(true);
    placeTwips(Frame1, 0, -90, 5480, 6660);

    Label4 = addLabel(QStringLiteral("Label4"), 0, 60, 360, 5355, 705, Frame1);
    Label4->setCaption(QString::fromLatin1(kProductTitle));
    Label4->setFontSpec(QStringLiteral("Times New Roman"), 21.75, true);
    Label4->setForeColor(QColor(128, 128, 128));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Controls inside Frame1 are placed relative to it.
    Picture1 = addPicture(QStringLiteral("Picture1"), 0, 300, 1200, 4800, 3600, Frame1);
    Picture1->setBackColor(Qt::black);
    Picture1->setOpaque(true);

    Label1 = addLabel(QStringLiteral("Label1"), 0, 360, 4980, 4695, 375, Frame1);
    creditLine(Label1, QStringLiteral("Written by Ruth Alder and Tom Finch"), 14.25);
    Label5 = addLabel(QStringLiteral("Label5"), 0, 480, 5310, 4455, 375, Frame1);
    creditLine(Label5, QStringLiteral("Programmed by the Corvella team"), 12);
    Label3 = addLabel(QStringLiteral("Label3"), 0, 480, 5640, 4455, 375, Frame1);
    creditLine(Label3, QStringLiteral("Series editor: Grace Whitby"), 12);

    Command1 = new QPushButton(QStringLiteral("OK"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(Command1, 1320, 6000, 1335, 375);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &TitleScreen::Command1_Click);

    Command2 = new QPushButton(QStringLiteral("Exit"), Frame1);
    Command2->setObjectName(QStringLiteral("Command2"));
    placeTwips(Command2, 2760, 6000, 1335, 375);
    connect(Command2, &QPushButton::clicked, this, &TitleScreen::Command2_Click);

    Label2 = addLabel(QStringLiteral("Label2"), 0, 0, 6420, 5415, 255, Frame1);
    Label2->setCaption(QStringLiteral("Corvella: Earth and space science for primary schools"));
    Label2->setFontSpec(QStringLiteral("Arial"), 8.25);
    Label2->setForeColor(QColor(0, 128, 0));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Timer1 = addTimer(QStringLiteral("Timer1"), 150, [this] { Timer1_Timer(); });
}

bool TitleScreen::centreOnDisplay() {
    const QSizeF display = displaySizeTwips();
    if (display.isEmpty())
        return false;
    const QPointF origin = centredOrigin(display, QSizeF(kClientWidth, kClientHeight));
    move(platform::twipsToPixels(origin.x()), platform::twipsToPixels(origin.y()));
    return true;
}

void TitleScreen::Form_Load() {
    if (!centreOnDisplay()) {
        adaptScreen(*this);
        Frame1->raise();
    }
    state().phaseframe = 7;
    Grey().showScreen();
    Picture1->setPicture(phaseFrameFile(7));
    Timer1->start();
}

void TitleScreen::Timer1_Timer() {
    state().phaseframe = int16_t(nextFrame(state().phaseframe, 28));
    Picture1->setPicture(phaseFrameFile(state().phaseframe));
}

void TitleScreen::Command1_Click() {
    intro0().showScreen();
    unload();
    playSound(QStringLiteral("wav\\click.wav"));
}

void TitleScreen::Command2_Click() {
    playSound(QStringLiteral("wav\\click.wav"));
    platform::endProgram();
}

TitleScreen& Titlefrm() {
    return platform::touch<TitleScreen>(QStringLiteral("Titlefrm"));
}

} // namespace app
