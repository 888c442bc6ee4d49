// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outside world as the screens reach it: sound, message boxes, the
// printer and the end of the program. Tests install recording versions.

#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/soundplayer.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace platform {

SoundPlayer& soundPlayer();
void setSoundPlayer(SoundPlayer* player); // not owned; null restores the default

Messages& messages();
void setMessages(Messages* messages); // not owned; null restores the default

// A printer for one job on the default printer, without a dialog. Throws
// NoPrinterError when there is none, PrinterError when it cannot be used.
std::unique_ptr<Printer> makePrinter();
void setPrinterFactory(std::function<std::unique_ptr<Printer>()> factory);

// A printer that writes a PDF file instead. Tests install their own factory.
std::unique_ptr<Printer> makePdfPrinter(const QString& fileName);
void setPdfPrinterFactory(std::function<std::unique_ptr<Printer>(const QString&)> factory);

// Where pages are saved when there is no printer: "Corvella" in the user's
// documents folder. Tests point it elsewhere; empty restores the default.
QString savedPagesFolder();
void setSavedPagesFolder(const QString& folder);

// The file a page is saved as: `what` was printed ("Certificate - Sam")
// and the date, made safe as a file name ("Certificate - Sam -
// 2026-12-07.pdf"), in `folder`. A file already there is never replaced:
// the name gets a number instead ("... (2).pdf").
QString savedPageFile(const QString& folder, const QString& what, const QDate& date);

// What the user is told when a print job fails.
inline const char* const kPrinterProblem = "There was a problem printing to your printer.";

inline const char* const kPrintingCancelled = "Printing has been cancelled.";

// What the user is told when the page was saved as a file; %1 is its name.
inline const char* const kSavedInstead =
    "There is no printer to print on, so the page has been saved as a file instead:\n%1";

// What happened to a print job.
enum class PrintOutcome { Printed, Saved, Failed };

// Runs one print job on a fresh printer under the hourglass. Without a
// printer the same page goes into a PDF file named after `what` (see
// savedPageFile), and the user is told its name. A printer failure stops
// the job and is reported with kPrinterProblem, any other exception with
// kPrintingCancelled; nothing escapes.
PrintOutcome printJob(const QString& what, const std::function<void(Printer&)>& job);

// Ends the program at once.
void endProgram();
void setEndProgram(std::function<void()> end);

} // namespace platform
