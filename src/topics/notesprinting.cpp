#include "topics/notesprinting.h"

#include "platform/picture.h"
#include "platform/services.h"

#include <QCursor>
#include <QGuiApplication>

namespace topics {

bool printNotesPage(const platform::Picture& page) {
    if (!page.isMetafile()) {
        platform::messages().ok(QStringLiteral("This page could not be found, so it cannot be "
                                               "printed."));
        return false;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    bool printed = false;
    try {
        std::unique_ptr<platform::Printer> printer = platform::makePrinter();
        printer->print(QString());
        printer->paintPicture(*page.metafile(), page.path(), 1000, 1000);
        printer->endDoc();
        printed = true;
    } catch (const platform::PrinterError&) {
    }
    QGuiApplication::restoreOverrideCursor();
    if (!printed)
        platform::messages().ok(QString::fromLatin1(kPrinterProblem));
    return printed;
}

} // namespace topics
