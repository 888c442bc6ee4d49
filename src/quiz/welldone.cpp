#include "quiz/welldone.h"

#include "app/adapt.h"
#include "app/animation.h"
#include "app/sharedstate.h"
#include "app/sound.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "quiz/certificate.h"
#include "quiz/scoring.h"
#include "quiz/wrong.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QTimer>

namespace quiz {

using app::state;

namespace {
std::function<std::function<double()>()>& randomSource() {
    static std::function<std::function<double()>()> source = clockSeededUniform;
    return source;
}

platform::TextLabel* text(platform::Screen* screen, const QString& name, double left, double top,
                          double width, double height, double points) {
    platform::TextLabel* label =
        screen->addText(name, 0, left, top, width, height, QStringLiteral("Times New Roman"),
                        points, false, Qt::yellow, Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}
} // namespace

void ResultsScreen::setRandomSource(std::function<std::function<double()>()> seeded) {
    randomSource() = seeded ? std::move(seeded) : clockSeededUniform;
}

ResultsScreen::ResultsScreen() : Screen(QStringLiteral("Welldone"), Kind::FullSize) {
    Label4 = addText(QStringLiteral("Label4"), 0, 0, 120, 12000, 900, QStringLiteral("Tahoma"), 36,
                     true, Qt::yellow, Qt::AlignHCenter);
    Label4->setCaption(QStringLiteral("Well Done!"));

    Picture1 = addPicture(QStringLiteral("Picture1"), 0, 5880, 1440, 4800, 3600);

    const double lefts[] = {240, 10560}, tops[] = {1800, 7920}, widths[] = {3765, 1245};
    for (int i = 0; i < 2; ++i) {
        Label3[size_t(i)] =
            addButton(QStringLiteral("Label3"), i, lefts[i], tops[i], widths[i], 495, QString(),
                      15.75, Qt::black, [this](int index) { Label3_Click(index); });
        Label3[size_t(i)]->setBorder(true);
        highlightOnHover(Label3[size_t(i)]);
    }
    Label3[0]->hide();
    Label3[1]->setCaption(QStringLiteral("Exit"));

    Label1 = text(this, QStringLiteral("Label1"), 0, 5400, 12000, 855, 24);
    Label5 = text(this, QStringLiteral("Label5"), 1680, 6000, 8640, 1335, 24);
    Label5->hide();
    Label6 = text(this, QStringLiteral("Label6"), 0, 6240, 12000, 855, 24);
    Label6->setCaption(QStringLiteral("Read the Key Facts and try again."));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Your name"));
    placeTwips(Text1, 3120, 6600, 5760, 615);
    Text1->setMaxLength(25);
    QFont nameFont(QStringLiteral("Times New Roman"));
    nameFont.setPointSizeF(24);
    Text1->setFont(nameFont);
    Text1->hide();

    Label2 = text(this, QStringLiteral("Label2"), 3120, 7440, 5775, 855, 18);
    Label2->setCaption(
        QStringLiteral("Enter your name in the box above before printing your certificate"));
    Label2->hide();

    Timer1 = addTimer(QStringLiteral("Timer1"), 1, [this] {
        Picture1->setPicture(app::phaseFrameFile(13));
        Timer1->stop();
        Timer2->start();
    });
    Timer2 = addTimer(QStringLiteral("Timer2"), 10, [this] {
        if (Text1->isVisible())
            Text1->setFocus(Qt::OtherFocusReason);
        Timer2->stop();
        Label3[0]->setOpaque(true);
        Label3[1]->setOpaque(true);
        Timer3->start();
    });
    Timer3 = addTimer(QStringLiteral("Timer3"), 1, [this] {
        const std::function<double()> uniform = randomSource()();
        if (state().soundon == 1) {
            const QString sound = pickRewardSound(state().score, uniform);
            if (!sound.isEmpty())
                app::playSound(sound);
        }
        Timer3->stop();
    });
}

void ResultsScreen::Form_Load() {
    app::adaptScreen(*this);
    if (const auto wording = resultsWording(state().score, state().total)) {
        if (wording->certificate) {
            Label6->hide();
            Label3[0]->show();
            Text1->show();
            Label2->show();
        } else {
            Label5->setCaption(wording->hint);
        }
        Label1->setCaption(wording->message);
        Label3[0]->setCaption(wording->buttonCaption);
    }
    Timer1->start();
}

void ResultsScreen::Label3_Click(int index) {
    if (index == 0) {
        if (state().score == state().total) {
            try {
                Printpage();
            } catch (...) {
                platform::messages().ok(kCertificateCancelled);
            }
            return; // the certificate path plays no click
        }
        Wrong().showScreen();
    } else {
        platform::ScreenRegistry::instance().unload(QStringLiteral("Wrong"));
        unload();
    }
    app::playSound(QStringLiteral("wav\\click.wav"));
}

void ResultsScreen::Printpage() {
    Certificate certificate;
    certificate.subject = state().certsubject;
    certificate.subjectWidth =
        platform::pixelsToTwips(QFontMetricsF(font()).horizontalAdvance(state().certsubject));
    certificate.name = Text1->text();
    certificate.score = state().score;
    certificate.total = state().total;
    if (platform::printJob(
            [&certificate](platform::Printer& printer) { quiz::Printpage(printer, certificate); }))
        platform::messages().ok(kCertificatePrinting);
}

ResultsScreen& Welldone() {
    return platform::touch<ResultsScreen>(QStringLiteral("Welldone"));
}

} // namespace quiz
