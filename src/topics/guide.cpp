#include "topics/guide.h"

#include "app/adapt.h"
#include "app/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"

namespace topics {

using app::state;

namespace {
constexpr int kGuidePages = 5;

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

int GuideScreen::pageCount() const {
    return kGuidePages;
}

QString GuideScreen::pageFile(const QString& folder, int page) const {
    return folder + QStringLiteral("\\guide") + QString::number(page) + QStringLiteral(".wmf");
}

GuideScreen& guide() {
    return platform::touch<GuideScreen>(QStringLiteral("guide"));
}

} // namespace topics
