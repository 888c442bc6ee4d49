// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/guidescreen.h"

#include "common/screenadaptation.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"

namespace topics {

namespace {
constexpr int kGuidePages = 5;
} // namespace

GuideScreen::GuideScreen() : PagedScreen(QStringLiteral("guideScreen"), 120, -240) {
    pageLabel->setCaption(pageLabelText(1, kGuidePages));
}

void GuideScreen::onLoad() {
    common::adaptScreen(*this);
}

void GuideScreen::onBareScreenMouseMove() {
    clearButtonHighlights();
}

int GuideScreen::pageCount() const {
    return kGuidePages;
}

QString GuideScreen::pageFile(const QString& folder, int page) const {
    return folder + QStringLiteral("\\guide") + QString::number(page) + QStringLiteral(".wmf");
}

QString GuideScreen::printedName(int page) const {
    return QStringLiteral("Teachers' Guide - page %1").arg(page);
}

GuideScreen& guideScreen() {
    return platform::touch<GuideScreen>(QStringLiteral("guideScreen"));
}

} // namespace topics
