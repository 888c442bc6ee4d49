// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed worksheet: a header line, the quiz heading and the set's title
// centred in large type, then the ten questions with their options in two
// columns. The answers are not printed. Every line ends with a line end, so
// the page fills from the top.

#include "common/sharedstate.h"
#include "platform/printer.h"

#include <QString>

namespace worksheets {

inline const char* const kWorksheetPrinting = "Your worksheet is now printing.";

// The header line: the product, a wide gap, the publisher.
QString worksheetHeader();

// Prints the set on the printer and ends the document. Printer failures are
// thrown as platform::PrinterError.
void printWorksheet(platform::Printer& printer, const QString& heading, const QString& title,
                    const common::QuestionSet& set);

} // namespace worksheets
