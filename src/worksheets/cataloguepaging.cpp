// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/cataloguepaging.h"

#include <algorithm>

namespace worksheets {

CataloguePage cataloguePage(int page, int count) {
    CataloguePage shown;
    shown.first = kTitlesPerPage * page + 1;
    shown.last = std::min(count, kTitlesPerPage * (page + 1));
    shown.previousShown = page > 0;
    shown.nextShown = page < kLastCataloguePage && count > kTitlesPerPage * (page + 1);
    shown.caption = QStringLiteral("Page %1").arg(page + 1);
    return shown;
}

int titlesLeftOnPage(int page, int count) {
    return std::clamp(count - kTitlesPerPage * page, 0, kTitlesPerPage);
}

} // namespace worksheets
