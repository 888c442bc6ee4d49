#include "topics/pagedscreen.h"

#include "app/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "quiz/scoring.h"
#include "topics/notesprinting.h"

namespace topics {

using app::state;

QString pageLabel(int page, int count) {
    return QStringLiteral("Page") + quiz::formatNumber(page) + QStringLiteral(" of") +
           quiz::formatNumber(count);
}

PagedScreen::PagedScreen(const QString& name, double image2Left, double image2Top)
    : Screen(name, Kind::FullSize) {
    using platform::PictureBox;
    Image1 =
        addPicture(QStringLiteral("Image1"), int(PictureBox::Mode::AutoSize), 120, 0, 10485, 11955);
    Image2 = addPicture(QStringLiteral("Image2"), int(PictureBox::Mode::AutoSize), image2Left,
                        image2Top, 10485, 11955);
    Image2->hide();

    Label1 = addText(QStringLiteral("Label1"), 0, 4200, 7920, 2295, 495, QStringLiteral("Tahoma"),
                     15.75, true, Qt::black, Qt::AlignHCenter);
    Label1->setBackColor(Qt::white);
    Label1->setOpaque(true);

    struct Command {
        const char* caption;
        double left, top, width;
    };
    const Command commands[] = {{"Print", 10680, 120, 1125},
                                {"Exit", 10680, 7920, 1125},
                                {"Next Page", 6720, 7920, 2685},
                                {"Previous Page", 1320, 7920, 2685}};
    for (int i = 0; i < 4; ++i) {
        const Command& c = commands[i];
        Label3[size_t(i)] = addButton(QStringLiteral("Label3"), i, c.left, c.top, c.width, 495,
                                      QString::fromLatin1(c.caption), 15.75, Qt::black,
                                      [this](int index) { Label3_Click(index); });
        Label3[size_t(i)]->setOpaque(true);
    }
    Label3[3]->setEnabled(false);
}

void PagedScreen::Label3_Click(int index) {
    switch (index) {
    case 0:
        printNotesPage(Image2->picture());
        break;
    case 1:
        unload();
        break;
    case 2:
    case 3:
        state().pagenum = int16_t(state().pagenum + (index == 2 ? 1 : -1));
        pageChange();
        break;
    default:
        break;
    }
}

void PagedScreen::pageChange() {
    const int count = pageCount();
    const int page = qBound(1, int(state().pagenum), qMax(1, count));
    state().pagenum = int16_t(page);
    Label3[2]->setEnabled(page != count);
    Label3[3]->setEnabled(page != 1);
    Image1->setPicture(pageFile(QStringLiteral("wmf"), page));
    Image2->setPicture(pageFile(QStringLiteral("wmf2"), page));
    Label1->setCaption(pageLabel(page, count));
}

} // namespace topics
