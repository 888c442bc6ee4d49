#include "topics/guide.h"

#include "app/adapt.h"
#include "app/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "topics/notesprinting.h"

namespace topics {

using app::state;

namespace {
constexpr int kGuidePages = 5;

QString guideFile(const QString& folder, int page) {
    return folder + QStringLiteral("\\guide") + QString::number(page) + QStringLiteral(".wmf");
}
} // namespace

GuideScreen::GuideScreen() : PagedScreen(QStringLiteral("guide"), 120, -240) {
    Label1->setCaption(pageLabel(1, kGuidePages));
}

void GuideScreen::Form_Load() {
    app::adaptScreen(*this);
}

void GuideScreen::Form_MouseMove() {
    for (platform::TextLabel* label : Label3)
        label->setOpaque(false);
}

void GuideScreen::Label3_Click(int index) {
    switch (index) {
    case 0:
        printNotesPage(Image2->picture());
        break;
    case 1:
        unload();
        break;
    case 2:
        state().pagenum = int16_t(state().pagenum + 1);
        pageChange();
        break;
    case 3:
        state().pagenum = int16_t(state().pagenum - 1);
        pageChange();
        break;
    default:
        break;
    }
}

void GuideScreen::pageChange() {
    const int page = qBound(1, int(state().pagenum), kGuidePages);
    state().pagenum = int16_t(page);
    Image1->setPicture(guideFile(QStringLiteral("wmf"), page));
    Image2->setPicture(guideFile(QStringLiteral("wmf2"), page));
    Label3[3]->setEnabled(page != 1);
    Label3[2]->setEnabled(page != kGuidePages);
    Label1->setCaption(pageLabel(page, kGuidePages));
}

GuideScreen& guide() {
    return platform::touch<GuideScreen>(QStringLiteral("guide"));
}

} // namespace topics
