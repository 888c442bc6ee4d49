#pragma once
// The outside world as the screens reach it: sound, message boxes, the
// printer and the end of the program. Tests install recording versions.

#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/soundplayer.h"

#include <functional>
#include <memory>

namespace platform {

SoundPlayer& soundPlayer();
void setSoundPlayer(SoundPlayer* player); // not owned; null restores the default

Messages& messages();
void setMessages(Messages* messages); // not owned; null restores the default

// A printer for one job on the default printer, without a dialog. Throws
// PrinterError when there is none.
std::unique_ptr<Printer> makePrinter();
void setPrinterFactory(std::function<std::unique_ptr<Printer>()> factory);

// Ends the program at once.
void endProgram();
void setEndProgram(std::function<void()> end);

} // namespace platform
