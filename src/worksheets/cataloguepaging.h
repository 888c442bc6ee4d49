// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue's pages: 24 titles a page (two columns of 12), pages counted
// from 0. The list holds 1000 titles, so the last page is page 41 (shown as
// "Page 42"), with entries 985 to 1000.

#include "worksheets/worksheetlist.h"

#include <QString>

namespace worksheets {

constexpr int kTitlesPerPage = 24;
constexpr int kLastCataloguePage = (kMaxWorksheets - 1) / kTitlesPerPage;

struct CataloguePage {
    int first = 1; // list positions shown, from 1; none when last < first
    int last = 0;
    bool previousShown = false;
    bool nextShown = false;
    QString caption; // "Page 1" for page 0
};

// What page `page` of a list of `count` titles shows.
CataloguePage cataloguePage(int page, int count);

// How many title slots stay shown on page `page` after a deletion left
// `count` titles; the page buttons keep their state until the page changes.
int titlesLeftOnPage(int page, int count);

} // namespace worksheets
