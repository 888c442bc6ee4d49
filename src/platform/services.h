// SPDX-License-Identifier: GPL-3.0-or-later
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

// What the user is told when a print job fails.
inline const char* const kPrinterProblem = "There was a problem printing to your printer.";

inline const char* const kPrintingCancelled = "Printing has been cancelled.";

// Runs one print job on a fresh printer under the hourglass. A printer
// failure stops the job and is reported to the user with kPrinterProblem,
// any other exception with kPrintingCancelled; nothing escapes. Returns
// whether the job reached its end.
bool printJob(const std::function<void(Printer&)>& job);

// Ends the program at once.
void endProgram();
void setEndProgram(std::function<void()> end);

} // namespace platform
