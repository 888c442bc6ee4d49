#include "platform/services.h"

#include "platform/qtmessages.h"
#include "platform/qtprinter.h"
#include "platform/qtsoundplayer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace platform {
namespace {
SoundPlayer* soundOverride = nullptr;
Messages* messagesOverride = nullptr;
std::function<std::unique_ptr<Printer>()> printerFactory;
std::function<void()> endHook;
} // namespace

SoundPlayer& soundPlayer() {
    if (soundOverride)
        return *soundOverride;
    static QtSoundPlayer player;
    return player;
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
    return QtPrinter::openDefault();
}

void setPrinterFactory(std::function<std::unique_ptr<Printer>()> factory) {
    printerFactory = std::move(factory);
}

bool printJob(const std::function<void(Printer&)>& job) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    bool printed = false;
    try {
        std::unique_ptr<Printer> printer = makePrinter();
        job(*printer);
        printed = true;
    } catch (const PrinterError&) {
    }
    QGuiApplication::restoreOverrideCursor();
    if (!printed)
        messages().ok(QString::fromLatin1(kPrinterProblem));
    return printed;
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
