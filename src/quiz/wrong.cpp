#include "quiz/wrong.h"

#include "app/adapt.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "quiz/welldone.h"

namespace quiz {
namespace {
platform::TextLabel* line(platform::Screen* screen, const QString& name, int index, double left,
                          double top, double points, const QColor& colour, Qt::Alignment align) {
    return screen->addText(name, index, left, top, 12000, 540, QStringLiteral("Tahoma"), points,
                           true, colour, align);
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

    Label3 = addButton(QStringLiteral("Label3"), 1, 10560, 7920, 1245, 495, QStringLiteral("Exit"),
                       15.75, Qt::black, [this](int index) { Label3_Click(index); });
    Label3->setOpaque(true);
    Label3->setBorder(true);
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
