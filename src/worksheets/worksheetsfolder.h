// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where teachers' worksheets and their list are kept. The content folder may
// be read-only (installed, or a locked-down school image) and a school may
// want its teachers to share one set of worksheets, so the folder is, in
// order of preference:
//   1. the folder named by $CORVELLA_WORKSHEETS (a shared drive);
//   2. the content folder's "multiple" folder, when it can be written and is
//      not the installation's own (which belongs to the system);
//   3. the user's own data folder's "multiple" folder.
// The topic question sets are always read from the content folder.

#include <QString>
#include <QStringList>

namespace worksheets {

// The folder as chosen above; it may not exist yet.
QString worksheetsFolder();

// The folder, created with an empty worksheet list when missing. Empty when
// it cannot be created.
QString preparedWorksheetsFolder();

// The question file of a worksheet in a folder: the title with ".txt".
QString worksheetFilePath(const QString& folder, const QString& title);

// Whether a title read from the list may name its question file: not when
// the file would lie outside the folder (a folder separator, "..") or be the
// list itself. Such an entry reads as damaged; other titles that older
// versions let through (commas, leading spaces) stay usable.
bool titleNamesWorksheetFile(const QString& title);

// The titles of the topic question sets that lie in the folder, which no
// worksheet may take: the folder is the content folder's own "multiple"
// when that can be written (a copy run from a shared drive).
QStringList topicSetTitlesIn(const QString& folder);

} // namespace worksheets
