// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace platform {
class Picture;
}

namespace topics {

// Prints the print version of a notes or guide page: an empty line, then the
// picture at its natural size with its top-left corner at 1000, 1000 twips,
// then the end of the document; without a printer the page is saved as a
// file named after `what` (see platform::printJob). A failure is reported to
// the user; nothing on screen changes. Returns whether the page was printed
// or saved.
bool printNotesPage(const platform::Picture& page, const QString& what);

} // namespace topics
