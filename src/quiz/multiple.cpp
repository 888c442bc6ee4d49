#include "quiz/multiple.h"

#include "app/adapt.h"
#include "app/sharedstate.h"
#include "app/sound.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "quiz/scoring.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace quiz {

using app::state;

QuizScreen::QuizScreen() : Screen(QStringLiteral("multiple"), Kind::FullSize) {
    const QString times = QStringLiteral("Times New Roman");
    const auto centre = Qt::AlignHCenter;
    Label1 = addText(QStringLiteral("Label1"), 0, 120, 120, 6240, 900, QStringLiteral("Tahoma"), 36,
                     true, Qt::yellow, centre);
    Label1->setCaption(QStringLiteral("Multiple Choice"));
    Label5 = addText(QStringLiteral("Label5"), 0, 120, 1200, 6465, 585, times, 24, false,
                     QColor(0, 255, 0), centre);
    Label6 = addText(QStringLiteral("Label6"), 0, 120, 1920, 6465, 705, times, 24, false,
                     QColor(128, 128, 255), centre);
    Picture1 = addPicture(QStringLiteral("Picture1"), 0, 6840, 240, 855, 615);
    Label4 =
        addText(QStringLiteral("Label4"), 0, 360, 3240, 5415, 615, times, 24, false, Qt::yellow);
    Label2 = addText(QStringLiteral("Label2"), 0, 960, 3960, 9840, 1455, times, 30, false,
                     Qt::yellow, centre);
    Label2->setWordWrap(true);

    choices_ = new QButtonGroup(this);
    for (int i = 1; i <= 4; ++i) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("Option1"));
        placeTwips(option, 2400, 5400 + 600 * (i - 1), 6975, 525);
        QFont f(times);
        f.setPointSizeF(20.25);
        option->setFont(f);
        QPalette p = option->palette();
        p.setColor(QPalette::WindowText, Qt::yellow);
        option->setPalette(p);
        option->setBackgroundRole(QPalette::Window);
        option->setAutoFillBackground(true);
        choices_->addButton(option, i);
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Option1[size_t(i)] = option;
    }

    struct Button {
        const char* caption;
        double left, top, width;
        bool visible;
    };
    const Button buttons[] = {{"<< Previous Question", 2040, 7920, 3765, false},
                              {"Next Question >>", 6000, 7920, 3765, true},
                              {"Exit", 10560, 7920, 1245, true},
                              {"Print Worksheet", 7920, 1920, 3045, false}};
    for (int i = 0; i < 4; ++i) {
        const Button& b = buttons[i];
        auto* label = addButton(QStringLiteral("Label3"), i, b.left, b.top, b.width, 495,
                                QString::fromLatin1(b.caption), 15.75, Qt::black,
                                [this](int index) { Label3_Click(index); });
        label->setBorder(true);
        label->setOpaque(true);
        label->setVisible(b.visible);
        highlightOnHover(label);
        Label3[size_t(i)] = label;
    }
    // The screen itself takes the focus, so no choice carries it.
    setFocusPolicy(Qt::StrongFocus);
}

void QuizScreen::Form_Load() {
    app::adaptScreen(*this);
    state().score = 0;
    state().total = 10;
    state().qnum = 1;
    for (int i = 1; i <= 10; ++i)
        state().marks[size_t(i)] = 0;
    for (int i = 1; i <= 4; ++i) {
        QPalette p = Option1[size_t(i)]->palette();
        p.setColor(QPalette::Window, QColor(39, 55, 131));
        Option1[size_t(i)]->setPalette(p);
    }
    Label6->setCaption(state().quest.questtitle);
    showquest();
}

void QuizScreen::clearChoice() {
    // Every question is shown with no choice selected, also after going back.
    choices_->setExclusive(false);
    for (int i = 1; i <= 4; ++i)
        Option1[size_t(i)]->setChecked(false);
    choices_->setExclusive(true);
}

void QuizScreen::showquest() {
    const int q = state().qnum;
    const app::QuestionSet& set = state().quest;
    clearChoice();
    Label3[0]->show();
    Label3[1]->setCaption(QStringLiteral("Next Question >>"));
    Label4->setCaption(QStringLiteral("Question") + formatNumber(q));
    if (q >= 1 && q <= 10) {
        Label2->setCaption(set.questtext[size_t(q)]);
        Option1[1]->setText(set.optiona[size_t(q)]);
        Option1[2]->setText(set.optionb[size_t(q)]);
        Option1[3]->setText(set.optionc[size_t(q)]);
        Option1[4]->setText(set.optiond[size_t(q)]);
    }
    if (q == 1)
        Label3[0]->hide();
    if (q == 10)
        Label3[1]->setCaption(QStringLiteral("Check Score >>"));
    setFocus(Qt::OtherFocusReason);
}

void QuizScreen::Option1_Click(int) {
    app::playSound(QStringLiteral("wav\\typekey.wav"));
}

void QuizScreen::Label3_Click(int index) {
    switch (index) {
    case 0:
        state().qnum = int16_t(state().qnum - 1);
        showquest();
        break;
    case 1: {
        const int q = state().qnum;
        const int right = state().quest.correct[size_t(q)].toInt();
        const bool chosen = right >= 1 && right <= 4 && Option1[size_t(right)]->isChecked();
        state().marks[size_t(q)] = chosen ? 1 : 0;
        state().qnum = int16_t(q + 1);
        if (state().qnum < 11)
            showquest();
        else
            endQuiz();
        break;
    }
    case 2:
        unload();
        break;
    default:
        break;
    }
    app::playSound(QStringLiteral("wav\\click.wav"));
}

void QuizScreen::endQuiz() {
    for (int i = 1; i <= 10; ++i) {
        state().score = int16_t(state().score + state().marks[size_t(i)]);
        if (state().marks[size_t(i)] == 0) {
            platform::TextLabel* line = Wrong().Label2[size_t(i - 1 - state().score)];
            line->setCaption(wrongAnswerLine(i, state().quest.questtext[size_t(i)]));
            line->show();
        }
    }
    state().certsubject = Label5->caption();
    Wrong().Label6->setCaption(Label6->caption());
    ResultsScreen& results = Welldone();
    results.Label6->hide();
    results.Label5->show();
    results.Label3[0]->show();
    results.showScreen();
    unload();
}

QuizScreen& multiple() {
    return platform::touch<QuizScreen>(QStringLiteral("multiple"));
}

} // namespace quiz
