// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

#include "platform/devices.h"
#include "platform/mediapaths.h"
#include "platform/qtmessages.h"
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
