// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

#include "platform/devices.h"
#include "platform/mediapaths.h"
#include "platform/qtmessages.h"
#include "platform/waitcursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

namespace platform {
namespace {
SoundPlayer* soundOverride = nullptr;
Messages* messagesOverride = nullptr;
std::function<std::unique_ptr<Printer>()> printerFactory;
std::function<std::unique_ptr<Printer>(const QString&)> pdfPrinterFactory;
QString pagesFolderOverride;
std::function<void()> endHook;

// Without the device module the program runs on, silent.
class SilentSoundPlayer : public SoundPlayer {
public:
    void play(const QString&) override {}
};

std::unique_ptr<SoundPlayer> makeSoundPlayer() {
    const DeviceModule* module = deviceModule();
    if (!module)
        return std::make_unique<SilentSoundPlayer>();
    return std::unique_ptr<SoundPlayer>(module->makeSoundPlayer(resolveContentPath));
}
} // namespace

SoundPlayer& soundPlayer() {
    if (soundOverride)
        return *soundOverride;
    static const std::unique_ptr<SoundPlayer> player = makeSoundPlayer();
    return *player;
}

void setSoundPlayer(SoundPlayer* player) {
    soundOverride = player;
}

Messages& messages() {
    if (messagesOverride)
        return *messagesOverride;
    static QtMessages boxes;
    return boxes;
}

void setMessages(Messages* m) {
    messagesOverride = m;
}

std::unique_ptr<Printer> makePrinter() {
    if (printerFactory)
        return printerFactory();
    const DeviceModule* module = deviceModule();
    if (!module)
        throw PrinterError("the printing module cannot be loaded");
    return module->openDefaultPrinter();
}

void setPrinterFactory(std::function<std::unique_ptr<Printer>()> factory) {
    printerFactory = std::move(factory);
}

std::unique_ptr<Printer> makePdfPrinter(const QString& fileName) {
    if (pdfPrinterFactory)
        return pdfPrinterFactory(fileName);
    const DeviceModule* module = deviceModule();
    if (!module)
        throw PrinterError("the printing module cannot be loaded");
    return module->openPdfFile(fileName);
}

void setPdfPrinterFactory(std::function<std::unique_ptr<Printer>(const QString&)> factory) {
    pdfPrinterFactory = std::move(factory);
}

QString savedPagesFolder() {
    if (!pagesFolderOverride.isEmpty())
        return pagesFolderOverride;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QStringLiteral("Corvella"));
}

void setSavedPagesFolder(const QString& folder) {
    pagesFolderOverride = folder;
}

namespace {
constexpr int kLongestName = 120; // characters before the date

// A pupil's name or a worksheet's title as part of a file name: no folder
// separators, control characters or characters that other systems refuse,
// no leading dot, spaces kept single.
QString safeFileNamePart(const QString& text) {
    QString safe;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c))
            safe += u' ';
        else
            safe += c;
    }
    safe = safe.simplified();
    while (safe.startsWith(u'.'))
        safe.remove(0, 1);
    return safe.left(kLongestName).trimmed();
}
} // namespace

QString savedPageFile(const QString& folder, const QString& what, const QDate& date) {
    QString stem = safeFileNamePart(what);
    const QString day = date.toString(Qt::ISODate);
    stem = stem.isEmpty() ? day : stem + QStringLiteral(" - ") + day;
    const QDir dir(folder);
    QString file = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(file); ++n)
        file = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(n));
    return file;
}

namespace {
// Prints the job into a PDF file. The page is written beside its final name
// and renamed once complete, so a failure leaves no half-written file.
QString saveJob(const QString& what, const std::function<void(Printer&)>& job) {
    const QString folder = savedPagesFolder();
    if (!QDir().mkpath(folder))
        throw PrinterError("the folder for saved pages cannot be made");
    const QString file = savedPageFile(folder, what, QDate::currentDate());
    const QString partial = file + QStringLiteral(".part");
    try {
        std::unique_ptr<Printer> printer = makePdfPrinter(partial);
        job(*printer);
        printer->endDoc();
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (!QFile::rename(partial, file)) {
        QFile::remove(partial);
        throw PrinterError("the saved page cannot be renamed");
    }
    return file;
}
} // namespace

PrintOutcome printJob(const QString& what, const std::function<void(Printer&)>& job) {
    QString message;
    PrintOutcome outcome = PrintOutcome::Failed;
    try {
        const WaitCursor busy;
        std::unique_ptr<Printer> printer;
        try {
            printer = makePrinter();
        } catch (const NoPrinterError&) {
            // Saved below instead; a printer that fails once found is reported.
        }
        if (printer) {
            job(*printer);
            return PrintOutcome::Printed;
        }
        const QString file = saveJob(what, job);
        message = QString::fromLatin1(kSavedInstead).arg(QDir::toNativeSeparators(file));
        outcome = PrintOutcome::Saved;
    } catch (const PrinterError&) {
        message = QString::fromLatin1(kPrinterProblem);
    } catch (...) {
        // Anything else (no memory for a huge page...) stops the job too;
        // it must not reach the event loop, which would end the program.
        message = QString::fromLatin1(kPrintingCancelled);
    }
    messages().ok(message);
    return outcome;
}

void endProgram() {
    if (endHook) {
        endHook();
        return;
    }
    QCoreApplication::exit(0);
}

void setEndProgram(std::function<void()> end) {
    endHook = std::move(end);
}

} // namespace platform
