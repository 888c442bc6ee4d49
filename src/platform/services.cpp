// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

#include "platform/qtmessages.h"
#include "platform/qtprinter.h"
#include "platform/qtsoundplayer.h"
#include "platform/waitcursor.h"

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
    QString problem;
    try {
        const WaitCursor busy;
        std::unique_ptr<Printer> printer = makePrinter();
        job(*printer);
        return true;
    } catch (const PrinterError&) {
        problem = QString::fromLatin1(kPrinterProblem);
    } catch (...) {
        // Anything else (no memory for a huge page...) stops the job too;
        // it must not reach the event loop, which would end the program.
        problem = QString::fromLatin1(kPrintingCancelled);
    }
    messages().ok(problem);
    return false;
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
