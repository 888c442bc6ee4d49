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

namespace worksheets {

// The folder as chosen above; it may not exist yet.
QString worksheetsFolder();

// The folder, created with an empty worksheet list when missing. Empty when
// it cannot be created.
QString preparedWorksheetsFolder();

// The question file of a worksheet in a folder: the title with ".txt".
QString worksheetFilePath(const QString& folder, const QString& title);

} // namespace worksheets
