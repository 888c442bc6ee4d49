// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/pagedscreen.h"

#include "common/sharedstate.h"
#include "common/style.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "quiz/scoring.h"
#include "topics/notesprinting.h"

#include <QKeyEvent>

namespace topics {

using common::state;
namespace style = common::style;

QString pageLabelText(int page, int count) {
    return QStringLiteral("Page") + quiz::formatNumber(page) + QStringLiteral(" of") +
           quiz::formatNumber(count);
}

PagedScreen::PagedScreen(const QString& name, double printPageLeft, double printPageTop)
    : Screen(name, Kind::FullSize) {
    using platform::PictureBox;
    pagePicture = addPicture(QStringLiteral("pagePicture"), int(PictureBox::Mode::AutoSize), 120, 0,
                             10485, 11955);
    printPagePicture =
        addPicture(QStringLiteral("printPagePicture"), int(PictureBox::Mode::AutoSize),
                   printPageLeft, printPageTop, 10485, 11955);
    printPagePicture->hide();

    pageLabel = addText(QStringLiteral("pageLabel"), 0, 4200, 7920, 2295, 495, style::kTahoma,
                        style::kButtonPoints, true, Qt::black, Qt::AlignHCenter);
    pageLabel->setBackColor(Qt::white);
    pageLabel->setOpaque(true);

    printButton = addPageButton(PageButton::Print, "Print", 10680, 120, 1125);
    exitButton = addPageButton(PageButton::Exit, "Exit", 10680, 7920, 1125);
    nextPageButton = addPageButton(PageButton::Next, "Next Page", 6720, 7920, 2685);
    previousPageButton = addPageButton(PageButton::Previous, "Previous Page", 1320, 7920, 2685);
    previousPageButton->setEnabled(false);
}

platform::TextLabel* PagedScreen::addPageButton(PageButton button, const char* caption, double left,
                                                double top, double width) {
    platform::TextLabel* label =
        addButton(QStringLiteral("pageButtons"), int(button), left, top, width,
                  style::kButtonHeight, QString::fromLatin1(caption), style::kButtonPoints,
                  Qt::black, [this](int index) { onButtonClicked(PageButton(index)); });
    label->setOpaque(true);
    return label;
}

void PagedScreen::clearButtonHighlights() {
    for (platform::TextLabel* button :
         {printButton, exitButton, nextPageButton, previousPageButton})
        button->setOpaque(false);
}

void PagedScreen::onButtonClicked(PageButton button) {
    switch (button) {
    case PageButton::Print:
        printNotesPage(printPagePicture->picture(), printedName(state().pageNumber));
        break;
    case PageButton::Exit:
        unload();
        break;
    case PageButton::Next:
    case PageButton::Previous:
        state().pageNumber += button == PageButton::Next ? 1 : -1;
        showPage();
        break;
    }
}

void PagedScreen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        if (nextPageButton->isEnabled())
            onButtonClicked(PageButton::Next);
        break;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        if (previousPageButton->isEnabled())
            onButtonClicked(PageButton::Previous);
        break;
    case Qt::Key_Escape:
        onButtonClicked(PageButton::Exit);
        break;
    default:
        Screen::keyPressEvent(event);
        return;
    }
    event->accept();
}

QString PagedScreen::printedName(int page) const {
    return QStringLiteral("Notes - %1 - page %2").arg(state().notesFile).arg(page);
}

void PagedScreen::showPage() {
    const int count = pageCount();
    const int page = qBound(1, state().pageNumber, qMax(1, count));
    state().pageNumber = page;
    nextPageButton->setEnabled(page != count);
    previousPageButton->setEnabled(page != 1);
    pagePicture->setPicture(pageFile(QStringLiteral("wmf"), page));
    printPagePicture->setPicture(pageFile(QStringLiteral("wmf2"), page));
    pageLabel->setCaption(pageLabelText(page, count));
}

} // namespace topics
