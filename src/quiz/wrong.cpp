#include "quiz/wrong.h"

#include "app/adapt.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "quiz/welldone.h"

namespace quiz {
namespace {
platform::TextLabel* line(platform::Screen* screen, const QString& name, int index, double left,
                          double top, double points, const QColor& colour, Qt::Alignment align) {
    platform::TextLabel* label = screen->addLabel(name, index, left, top, 12000, 540);
    label->setFontSpec(QStringLiteral("Tahoma"), points, true);
    label->setForeColor(colour);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}
} // namespace

WrongScreen::WrongScreen() : Screen(QStringLiteral("Wrong"), Kind::FullSize) {
    Label6 = line(this, QStringLiteral("Label6"), 0, 0, 120, 20.25, Qt::yellow, Qt::AlignHCenter);
    Label4 = line(this, QStringLiteral("Label4"), 0, 240, 960, 15.75, Qt::yellow, Qt::AlignLeft);
    Label4->setCaption(QStringLiteral("You answered the following questions incorrectly."));
    for (int i = 0; i < 10; ++i) {
        Label2[size_t(i)] = line(this, QStringLiteral("Label2"), i, 120, 1680 + 600 * i, 15.75,
                                 Qt::white, Qt::AlignLeft);
        Label2[size_t(i)]->hide();
    }
    Label5 = line(this, QStringLiteral("Label5"), 0, 0, 7920, 20.25, Qt::yellow, Qt::AlignHCenter);
    Label5->setCaption(QStringLiteral("Read the Key Facts and try again."));

    Label3 = addLabel(QStringLiteral("Label3"), 1, 10560, 7920, 1245, 495);
    Label3->setClickable(true);
    Label3->setCaption(QStringLiteral("Exit"));
    Label3->setFontSpec(QStringLiteral("Tahoma"), 15.75, true);
    Label3->setForeColor(Qt::yellow);
    Label3->setBackColor(Qt::black);
    Label3->setOpaque(true);
    Label3->setBorder(true);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(Label3, &platform::TextLabel::clicked, this, &WrongScreen::Label3_Click);
}

void WrongScreen::Form_Load() {
    app::adaptScreen(*this);
}

void WrongScreen::Label3_Click(int) {
    platform::ScreenRegistry::instance().unload(QStringLiteral("Welldone"));
    unload();
}

WrongScreen& Wrong() {
    return platform::touch<WrongScreen>(QStringLiteral("Wrong"));
}
bool wrongLoaded() {
    return platform::ScreenRegistry::instance().isLoaded(QStringLiteral("Wrong"));
}

} // namespace quiz
