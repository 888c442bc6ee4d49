// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/notesscreen.h"

#include "common/animation.h"
#include "common/screenadaptation.h"
#include "common/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"

#include <QTimer>

namespace topics {

using common::state;

namespace {
constexpr int kLogoFrames = 20;
const QColor kAcknowledgementsBlue(49, 130, 212);
} // namespace

QString notesPageFile(const QString& folder, const QString& stem, int page) {
    static const char letters[] = {'a', 'b', 'c', 'd'};
    const QString letter = page >= 1 && page <= 4 ? QString(QChar(letters[page - 1])) : QString();
    return folder + '\\' + stem + letter + QStringLiteral(".wmf");
}

NotesScreen::NotesScreen() : PagedScreen(QStringLiteral("notesScreen"), 0, 0) {
    animatedLogoPicture =
        addPicture(QStringLiteral("animatedLogoPicture"), 0, 9360, 4800, 1800, 1800);
    animatedLogoPicture->hide();
    makersLogoPicture = addPicture(QStringLiteral("makersLogoPicture"), 0, 9390, 6720, 1800, 975);
    makersLogoPicture->hide();
    logoTimer = addTimer(QStringLiteral("logoTimer"), 25, [this] { onLogoTick(); });
}

void NotesScreen::onLoad() {
    common::adaptScreen(*this, animatedLogoPicture);
    if (state().pageCount == 1) {
        pageLabel->hide();
        nextPageButton->hide();
        previousPageButton->hide();
    }
    state().pageNumber = 1;
    pageLabel->setCaption(pageLabelText(state().pageNumber, state().pageCount));
}

void NotesScreen::showAcknowledgements() {
    pageLabel->hide();
    nextPageButton->hide();
    previousPageButton->hide();
    pagePicture->setPicture(QStringLiteral("wmf\\acknowledgments.wmf"));
    makersLogoPicture->setPicture(QStringLiteral("logo\\quillmere2.bmp"));
    printPagePicture->setPicture(QStringLiteral("wmf2\\acknowledgments.wmf"));
    setBackColor(kAcknowledgementsBlue);
    logoTimer->start();
}

int NotesScreen::pageCount() const {
    return state().pageCount;
}

QString NotesScreen::pageFile(const QString& folder, int page) const {
    return notesPageFile(folder, state().notesFile, page);
}

void NotesScreen::onLogoTick() {
    state().logoFrame = common::nextFrame(state().logoFrame, kLogoFrames);
    animatedLogoPicture->setPicture(common::logoFrameFile(state().logoFrame));
    animatedLogoPicture->show();
    makersLogoPicture->show();
}

NotesScreen& notesScreen() {
    return platform::touch<NotesScreen>(QStringLiteral("notesScreen"));
}

} // namespace topics
