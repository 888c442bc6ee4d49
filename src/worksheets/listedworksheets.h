// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet list as the screens share it: `worksheetCount` titles in
// `worksheetTitles`, numbered from 1 as the list numbers them.

#include <QStringList>

namespace worksheets {

// Reads the list of the worksheets folder into the shared state, making the
// folder and an empty list on first use. Returns whether the whole list was
// read; the titles that could be read are kept either way.
bool readListedWorksheets();

// Puts titles into the shared state.
void setListedWorksheets(const QStringList& titles);

} // namespace worksheets
