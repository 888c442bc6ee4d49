// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/listedworksheets.h"

#include "common/sharedstate.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsfolder.h"

namespace worksheets {

bool readListedWorksheets() {
    QString folder = preparedWorksheetsFolder();
    if (folder.isEmpty()) // nowhere to make it: read what is there, if anything
        folder = worksheetsFolder();
    const WorksheetTitles read = WorksheetList(folder).read();
    setListedWorksheets(read.titles);
    return read.complete;
}

void setListedWorksheets(const QStringList& titles) {
    common::SharedState& state = common::state();
    state.worksheetCount = int(titles.size());
    for (int i = 0; i < titles.size(); ++i)
        state.worksheetTitles[std::size_t(i + 1)] = titles[i];
}

} // namespace worksheets
