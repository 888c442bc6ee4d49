// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/cataloguescreen.h"

#include "common/menureturn.h"
#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "common/sound.h"
#include "common/style.h"
#include "platform/choicelook.h"
#include "platform/responsivewait.h"
#include "platform/screenregistry.h"
#include "platform/services.h"
#include "platform/textlabel.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/listedworksheets.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsfolder.h"

#include <QCheckBox>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace worksheets {

using common::state;
namespace style = common::style;

namespace {

constexpr double kSlotWidth = 5715;
constexpr double kSlotHeight = 375;
constexpr double kSlotsTop = 720;
constexpr double kSlotPitch = 600;
constexpr int kSlotsPerColumn = 12;

const QColor kDeleteRed(255, 0, 0);
const QColor kPageBlue(0, 0, 255);

const char* const kCorrupted = "This worksheet seems to be corrupted.";

QCheckBox* makeTick(platform::Screen& screen, const QString& name, const QString& caption,
                    double left, const QColor& colour) {
    auto* tick = new QCheckBox(caption, &screen);
    tick->setObjectName(name);
    screen.placeTwips(tick, left, 120, 2535, 375);
    QFont font(style::kTahoma);
    font.setPointSizeF(12);
    font.setBold(true);
    tick->setFont(font);
    QPalette palette = tick->palette();
    palette.setColor(QPalette::WindowText, colour);
    tick->setPalette(palette);
    tick->setBackgroundRole(QPalette::Window); // the colour given at load
    tick->setAutoFillBackground(true);
    platform::useChoiceLook(tick);
    return tick;
}

} // namespace

CatalogueScreen::CatalogueScreen() : Screen(QStringLiteral("catalogueScreen"), Kind::FullSize) {
    headingLabel = addText(QStringLiteral("headingLabel"), 0, 0, 0, 12000, 780, style::kTahoma, 24,
                           true, style::kYellow, Qt::AlignHCenter);
    headingLabel->setCaption(QStringLiteral("Worksheets Catalogue"));
    headingLabel->setBackColor(Qt::black);
    headingLabel->setOpaque(true);

    editTick = makeTick(*this, QStringLiteral("editTick"), QStringLiteral("Edit Worksheet"), 120,
                        style::kYellow);
    deleteTick = makeTick(*this, QStringLiteral("deleteTick"), QStringLiteral("Delete Worksheet"),
                          9240, kDeleteRed);
    // The two ticks exclude each other; with neither, a title opens as a quiz.
    connect(editTick, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            deleteTick->setChecked(false);
    });
    connect(deleteTick, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            editTick->setChecked(false);
    });

    for (int slot = 1; slot <= kTitlesPerPage; ++slot) {
        const int row = (slot - 1) % kSlotsPerColumn;
        const double left = slot <= kSlotsPerColumn ? 120 : 6120;
        platform::TextLabel* label = addButton(
            QStringLiteral("titleSlots"), slot, left, kSlotsTop + kSlotPitch * row, kSlotWidth,
            kSlotHeight, QString(), 12, Qt::black, [this](int index) { onTitleClicked(index); });
        highlightOnHover(label);
        titleSlots[std::size_t(slot)] = label;
    }
    exitButton = addButton(QStringLiteral("exitButton"), 0, 10560, 7920, 1245, style::kButtonHeight,
                           QStringLiteral("Exit"), style::kButtonPoints, Qt::black,
                           [this](int) { onExitClicked(); });
    highlightOnHover(exitButton);

    const auto addPageButton = [this](PageButton button, const char* caption, double left) {
        platform::TextLabel* label =
            addButton(QStringLiteral("pageButtons"), int(button), left, 7920, 3195,
                      style::kButtonHeight, QString::fromLatin1(caption), style::kButtonPoints,
                      Qt::black, [this](int index) { onPageButtonClicked(PageButton(index)); });
        label->setOpaque(true);
        label->hide();
        return label;
    };
    previousPageButton = addPageButton(PageButton::Previous, "<< Previous Page", 2640);
    nextPageButton = addPageButton(PageButton::Next, "Next Page >>", 6000);

    pageLabel = addText(QStringLiteral("pageLabel"), 0, 120, 7920, 1995, style::kButtonHeight,
                        style::kTahoma, style::kButtonPoints, true, kPageBlue, Qt::AlignHCenter);
    pageLabel->setBackColor(Qt::white);
    pageLabel->setOpaque(true);
    pageLabel->setCaption(QStringLiteral("Page 1"));
}

void CatalogueScreen::onLoad() {
    common::adaptScreen(*this);
    // The list is made on first use; reading goes on even when it cannot be.
    folder_ = preparedWorksheetsFolder();
    if (folder_.isEmpty())
        folder_ = worksheetsFolder();
    readListedWorksheets();
    for (QCheckBox* tick : {editTick, deleteTick}) {
        QPalette palette = tick->palette();
        palette.setColor(QPalette::Window, style::kScreenBlue);
        tick->setPalette(palette);
    }
    state().cataloguePage = 0;
    showPage();
    listFresh_ = true;
}

void CatalogueScreen::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    if (std::exchange(listFresh_, false))
        return;
    readListedWorksheets();
    // The page shown stays, unless the list no longer reaches it.
    const int lastPage = std::max(0, state().worksheetCount - 1) / kTitlesPerPage;
    state().cataloguePage = std::min({state().cataloguePage, lastPage, kLastCataloguePage});
    showPage();
}

void CatalogueScreen::showPage() {
    const CataloguePage page = cataloguePage(state().cataloguePage, state().worksheetCount);
    previousPageButton->setVisible(page.previousShown);
    nextPageButton->setVisible(page.nextShown);
    pageLabel->setCaption(page.caption);
    fillSlots(std::max(0, page.last - page.first + 1));
}

void CatalogueScreen::fillSlots(int shown) {
    const int first = kTitlesPerPage * state().cataloguePage;
    for (int slot = 1; slot <= kTitlesPerPage; ++slot) {
        const int entry = first + slot;
        platform::TextLabel* label = titleSlots[std::size_t(slot)];
        label->hide();
        label->setCaption(slot <= shown ? state().worksheetTitles[std::size_t(entry)] : QString());
        label->setVisible(slot <= shown);
    }
}

void CatalogueScreen::onPageButtonClicked(PageButton button) {
    if (deleting_)
        return;
    const int step = button == PageButton::Next ? 1 : -1;
    state().cataloguePage = std::clamp(state().cataloguePage + step, 0, kLastCataloguePage);
    showPage();
    common::playSound(QStringLiteral("wav\\click.wav"));
}

void CatalogueScreen::onExitClicked() {
    if (deleting_)
        return;
    common::playSound(QStringLiteral("wav\\click.wav"));
    common::returnToMenu();
    unload();
}

void CatalogueScreen::onTitleClicked(int slot) {
    if (deleting_)
        return;
    common::playSound(QStringLiteral("wav\\click.wav"));
    const QString title = titleSlots[std::size_t(slot)]->caption();
    if (!titleNamesWorksheetFile(title)) {
        showCorrupted(QStringLiteral("Its title in the list cannot name a worksheet's file."));
        return;
    }
    // Every action, deleting too, first loads the worksheet.
    const QuestionFileLoad load = loadQuestionFile(worksheetFilePath(folder_, title));
    switch (load.outcome) {
    case QuestionFileLoad::Outcome::Loaded:
        break;
    case QuestionFileLoad::Outcome::NotFound:
        showCorrupted(QStringLiteral("Its file could not be found."));
        return;
    case QuestionFileLoad::Outcome::CannotBeRead:
        showCorrupted(QStringLiteral("Its file cannot be read (%1).").arg(load.reason));
        return;
    case QuestionFileLoad::Outcome::Damaged:
        showCorrupted(load.reason);
        return;
    }
    // The title line of the file reads an "&" back as a comma, which no
    // title holds; the list has the title as typed.
    state().questions.title = title;
    if (editTick->isChecked())
        editWorksheet();
    else if (!deleteTick->isChecked())
        openAsQuiz();
    else
        deleteWorksheet(title);
}

void CatalogueScreen::editWorksheet() {
    const std::optional<WorksheetEntries> entries = entriesOf(state().questions);
    if (!entries) {
        showCorrupted();
        return;
    }
    // A file edited by hand may hold more than the boxes take: the teacher
    // hears of it before the texts are cut, since saving keeps them cut.
    const QStringList overlong = overlongTexts(*entries);
    if (!overlong.isEmpty())
        platform::messages().ok(
            QStringLiteral("Some texts of this worksheet are longer than the wizard's boxes and "
                           "will be cut short: %1. Saving keeps them as the boxes show them.")
                .arg(overlong.join(QStringLiteral("; "))));
    WizardScreen& wizard = wizardScreen();
    wizard.showEntries(*entries);
    wizard.showScreen();
}

void CatalogueScreen::openAsQuiz() {
    quiz::QuizScreen& quiz = quiz::quizScreen();
    // The menu's title, without loading the menu behind the catalogue.
    quiz.subjectLabel->setCaption(QString::fromLatin1(common::kProductTitle));
    quiz.printWorksheetButton->show();
    quiz.showScreen();
}

void CatalogueScreen::deleteWorksheet(const QString& title) {
    const QString question =
        QStringLiteral("Are you sure that you want to delete the worksheet %1?").arg(title);
    if (!platform::messages().okCancel(question, QStringLiteral(" ")))
        return;
    state().titleBeingDeleted = title;
    WorksheetList::Change change;
    {
        const QScopedValueRollback<bool> busy(deleting_, true);
        platform::ResponsiveWait wait;
        change = WorksheetList(folder_, [&wait](int ms) { wait.pause(ms); }).remove(title);
    }
    if (change.outcome == WorksheetList::Outcome::Failed) {
        showCorrupted(change.error);
        return;
    }
    // The list as it is now, other teachers' changes included; the page
    // buttons keep their state until the page changes.
    setListedWorksheets(change.titles);
    fillSlots(titlesLeftOnPage(state().cataloguePage, state().worksheetCount));
}

void CatalogueScreen::showCorrupted(const QString& reason) {
    // The reason on a line of its own tells the teacher what to mend.
    QString message = QString::fromLatin1(kCorrupted);
    if (!reason.isEmpty())
        message += u'\n' + reason;
    platform::messages().ok(message);
}

CatalogueScreen& catalogueScreen() {
    return platform::touch<CatalogueScreen>(QStringLiteral("catalogueScreen"));
}

} // namespace worksheets
