// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/notesprinting.h"

#include "platform/picture.h"
#include "platform/services.h"

namespace topics {

bool printNotesPage(const platform::Picture& page, const QString& what) {
    if (!page.isMetafile()) {
        platform::messages().ok(QStringLiteral("This page could not be found, so it cannot be "
                                               "printed."));
        return false;
    }
    return platform::printJob(what, [&page](platform::Printer& printer) {
               printer.print(QString());
               printer.paintPicture(*page.metafile(), page.path(), 1000, 1000);
               printer.endDoc();
           }) != platform::PrintOutcome::Failed;
}

} // namespace topics
