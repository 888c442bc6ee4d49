// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/wizardscreen.h"

#include "common/screenadaptation.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/choicelook.h"
#include "platform/fonts.h"
#include "platform/responsivewait.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "worksheets/worksheetsaving.h"
#include "worksheets/worksheetsfolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace worksheets {

namespace style = common::style;

namespace {

// Questions 1 to 5 stand in the left column, 6 to 10 in the right one.
constexpr double kColumnLeft[2] = {240, 6120};
constexpr double kFirstBlockTop = 600;
constexpr double kBlockHeight = 1440;

// Where each option's box, tick and letter stand in a question's block.
struct OptionPlace {
    double boxLeft, rowTop, tickLeft, letterLeft;
};
constexpr OptionPlace kOptionPlaces[kOptionsPerQuestion] = {
    {480, 630, 240, 15}, {3360, 630, 3090, 2850}, {480, 960, 240, 15}, {3360, 960, 3090, 2850}};
const char* const kLetters[kOptionsPerQuestion] = {"A.", "B.", "C.", "D."};

} // namespace

WizardScreen::WizardScreen() : Screen(QStringLiteral("wizardScreen"), Kind::FullSize) {
    headingLabel = addText(QStringLiteral("headingLabel"), 0, 0, 0, 4320, 540, style::kTahoma, 18,
                           true, style::kYellow);
    headingLabel->setCaption(QStringLiteral("Multiple Choice Wizard"));
    addText(QStringLiteral("titleCaption"), 0, 5160, 120, 2295, 375, style::kTahoma, 12, true,
            style::kYellow)
        ->setCaption(QStringLiteral("Worksheet Title"));
    titleBox = addBox(QStringLiteral("titleBox"), 7560, 120, 4215, 375, 12, kTitleMaxLength);
    titleBox->setAccessibleName(QStringLiteral("Worksheet Title"));
    for (int q = 0; q < 10; ++q)
        addQuestionBlock(q);

    const auto addWizardButton = [this](WizardButton button, const char* caption, double left,
                                        double width) {
        platform::TextLabel* label =
            addButton(QStringLiteral("wizardButtons"), int(button), left, 7920, width,
                      style::kButtonHeight, QString::fromLatin1(caption), style::kButtonPoints,
                      Qt::black, [this](int index) { onButtonClicked(WizardButton(index)); });
        label->setBorder(true);
        highlightOnHover(label);
        return label;
    };
    exitButton = addWizardButton(WizardButton::Exit, "Exit", 10560, 1245);
    saveButton = addWizardButton(WizardButton::SaveWorksheet, "Save Worksheet", 240, 3165);

    // Enter moves on to the next box: title, then each question and its
    // options in turn; it stays in the very last box.
    connect(titleBox, &QLineEdit::returnPressed, this,
            [this] { questionBoxes[0]->setFocus(Qt::TabFocusReason); });
    for (int q = 0; q < 10; ++q) {
        connect(questionBoxes[q], &QLineEdit::returnPressed, this,
                [this, q] { optionBoxes[kOptionsPerQuestion * q]->setFocus(Qt::TabFocusReason); });
        for (int k = 0; k < kOptionsPerQuestion; ++k) {
            const int box = kOptionsPerQuestion * q + k;
            QWidget* next = nullptr;
            if (k < kOptionsPerQuestion - 1)
                next = optionBoxes[box + 1];
            else if (q < 9)
                next = questionBoxes[q + 1];
            if (next)
                connect(optionBoxes[box], &QLineEdit::returnPressed, this,
                        [next] { next->setFocus(Qt::TabFocusReason); });
        }
    }
}

QLineEdit* WizardScreen::addBox(const QString& name, double left, double top, double width,
                                double height, double points, int maxLength) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    placeTwips(box, left, top, width, height);
    QFont font(platform::installedFamily(style::kTimes));
    font.setPointSizeF(points);
    box->setFont(font);
    box->setMaxLength(maxLength);
    return box;
}

void WizardScreen::addQuestionBlock(int q) {
    const double left = kColumnLeft[q / 5];
    const double top = kFirstBlockTop + kBlockHeight * (q % 5);
    const QString question = QStringLiteral("Question %1").arg(q + 1);
    addText(QStringLiteral("questionCaptions"), q, left, top, 2295, 255, style::kTahoma, 9.75, true,
            style::kYellow)
        ->setCaption(question);
    questionBoxes[q] =
        addBox(QStringLiteral("questionBoxes"), left, top + 240, 5655, 375, 12, kQuestionMaxLength);
    questionBoxes[q]->setAccessibleName(question);
    for (int k = 0; k < kOptionsPerQuestion; ++k) {
        const OptionPlace& place = kOptionPlaces[k];
        const int box = kOptionsPerQuestion * q + k;
        const double row = top + place.rowTop;
        addText(QStringLiteral("optionLetters"), box, left + place.letterLeft, row, 225, 315,
                style::kTahoma, 9.75, true, style::kYellow)
            ->setCaption(QLatin1String(kLetters[k]));
        optionBoxes[box] = addBox(QStringLiteral("optionBoxes"), left + place.boxLeft, row, 2295,
                                  330, 9.75, kOptionMaxLength);
        const QString option = question + QStringLiteral(", option ") + QChar(u'A' + k);
        optionBoxes[box]->setAccessibleName(option);
        auto* tick = new QCheckBox(this);
        tick->setObjectName(QStringLiteral("rightOptionTicks"));
        tick->setAccessibleName(option + QStringLiteral(" is the right answer"));
        placeTwips(tick, left + place.tickLeft, row, 255, 315);
        tick->setBackgroundRole(QPalette::Window); // the colour given at load
        tick->setAutoFillBackground(true);
        // Drawn in the yellow of its letter label and at that label's size.
        QFont letterFont(style::kTahoma);
        letterFont.setPointSizeF(9.75);
        letterFont.setBold(true);
        tick->setFont(letterFont);
        QPalette palette = tick->palette();
        palette.setColor(QPalette::WindowText, style::kYellow);
        tick->setPalette(palette);
        platform::useChoiceLook(tick);
        rightOptionTicks[box] = tick;
    }
}

void WizardScreen::onLoad() {
    common::adaptScreen(*this);
    for (QCheckBox* tick : rightOptionTicks) {
        QPalette palette = tick->palette();
        palette.setColor(QPalette::Window, style::kScreenBlue);
        tick->setPalette(palette);
    }
}

WorksheetEntries WizardScreen::entries() const {
    WorksheetEntries entries;
    entries.title = titleBox->text();
    for (int q = 0; q < 10; ++q)
        entries.questions[q] = questionBoxes[q]->text();
    for (int box = 0; box < kOptionBoxes; ++box) {
        entries.options[box] = optionBoxes[box]->text();
        entries.ticks[box] = rightOptionTicks[box]->checkState() == Qt::Checked;
    }
    return entries;
}

void WizardScreen::showEntries(const WorksheetEntries& entries) {
    titleBox->setText(entries.title);
    for (int q = 0; q < 10; ++q)
        questionBoxes[q]->setText(entries.questions[q]);
    for (int box = 0; box < kOptionBoxes; ++box) {
        optionBoxes[box]->setText(entries.options[box]);
        rightOptionTicks[box]->setChecked(entries.ticks[box]);
    }
    kept_ = this->entries();
}

void WizardScreen::onButtonClicked(WizardButton button) {
    if (saving_)
        return;
    switch (button) {
    case WizardButton::Exit:
        // A worksheet is fifty boxes of typing: not lost without asking.
        if (entries() != kept_ &&
            !platform::messages().ask(QStringLiteral("Leave without saving your worksheet?"),
                                      QStringLiteral("Leave"), QStringLiteral("Stay")))
            break;
        unload();
        break;
    case WizardButton::SaveWorksheet:
        saveWorksheet();
        break;
    }
    common::playSound(QStringLiteral("wav\\click.wav"));
}

void WizardScreen::saveWorksheet() {
    const WorksheetEntries typed = entries();
    if (const std::optional<QString> problem = entriesProblem(typed)) {
        platform::messages().ok(*problem);
        return;
    }
    // Another teacher's save may hold the list for a moment: the screen
    // keeps painting meanwhile, and clicks wait until this save is done.
    SaveOutcome outcome;
    {
        const QScopedValueRollback<bool> busy(saving_, true);
        platform::ResponsiveWait wait;
        outcome = worksheets::saveWorksheet(preparedWorksheetsFolder(), questionSetOf(typed),
                                            [&wait](int ms) { wait.pause(ms); });
    }
    if (outcome.saved)
        kept_ = typed;
    platform::messages().ok(saveMessage(outcome));
}

WizardScreen& wizardScreen() {
    return platform::touch<WizardScreen>(QStringLiteral("wizardScreen"));
}

} // namespace worksheets
