#include "topics/teacher.h"

#include "app/adapt.h"
#include "app/animation.h"
#include "app/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"

#include <QTimer>

namespace topics {

using app::state;

QString notesPageFile(const QString& folder, const QString& stem, int page) {
    static const char letters[] = {'a', 'b', 'c', 'd'};
    const QString letter = page >= 1 && page <= 4 ? QString(QChar(letters[page - 1])) : QString();
    return folder + '\\' + stem + letter + QStringLiteral(".wmf");
}

NotesScreen::NotesScreen() : PagedScreen(QStringLiteral("teacher"), 0, 0) {
    Picture1 = addPicture(QStringLiteral("Picture1"), 0, 9360, 4800, 1800, 1800);
    Picture1->hide();
    Picture2 = addPicture(QStringLiteral("Picture2"), 0, 9390, 6720, 1800, 975);
    Picture2->hide();
    Timer1 = addTimer(QStringLiteral("Timer1"), 25, [this] { Timer1_Timer(); });
}

void NotesScreen::Form_Load() {
    app::adaptScreen(*this);
    if (state().numpages == 1) {
        Label1->hide();
        Label3[2]->hide();
        Label3[3]->hide();
    }
    state().pagenum = 1;
    Label1->setCaption(pageLabel(state().pagenum, state().numpages));
}

void NotesScreen::showAcknowledgements() {
    Label1->hide();
    Label3[2]->hide();
    Label3[3]->hide();
    Image1->setPicture(QStringLiteral("wmf\\acknowledgments.wmf"));
    Picture2->setPicture(QStringLiteral("logo\\quillmere2.bmp"));
    Image2->setPicture(QStringLiteral("wmf2\\acknowledgments.wmf"));
    setBackColor(QColor(49, 130, 212));
    Timer1->start();
}

int NotesScreen::pageCount() const {
    return state().numpages;
}

QString NotesScreen::pageFile(const QString& folder, int page) const {
    return notesPageFile(folder, state().notesfile, page);
}

void NotesScreen::Timer1_Timer() {
    state().logoframe = int16_t(app::nextFrame(state().logoframe, 20));
    Picture1->setPicture(app::logoFrameFile(state().logoframe));
    Picture1->show();
    Picture2->show();
}

NotesScreen& teacher() {
    return platform::touch<NotesScreen>(QStringLiteral("teacher"));
}

} // namespace topics
