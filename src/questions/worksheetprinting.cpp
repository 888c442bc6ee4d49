// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/worksheetprinting.h"

namespace worksheets {
namespace {

void printCentred(platform::Printer& printer, const QString& text) {
    printer.currentX = (printer.width() - printer.textWidth(text)) / 2;
    printer.print(text);
}

void printBlankLine(platform::Printer& printer) {
    printer.print(QStringLiteral(" "));
}

} // namespace

QString worksheetHeader() {
    return QStringLiteral("Corvella") + QString(57, u' ') +
           QStringLiteral("Quillmere Publishing Ltd");
}

void printWorksheet(platform::Printer& printer, const QString& heading, const QString& title,
                    const common::QuestionSet& set) {
    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setFontSize(16);
    printBlankLine(printer);
    const double width = printer.width();
    printer.currentX = width / 16;
    printer.print(worksheetHeader(), false);
    printer.print(QStringLiteral(" "));
    printBlankLine(printer);

    printer.setFontSize(32);
    printCentred(printer, heading);
    printCentred(printer, title);
    printBlankLine(printer);

    printer.setFontSize(12);
    const auto printOption = [&](double x, const char* letter, const QString& text, bool endLine) {
        printer.currentX = x;
        printer.print(QLatin1String(letter) + text, endLine);
    };
    for (int n = 1; n <= 10; ++n) {
        printer.currentX = width / 16;
        printer.print(QStringLiteral("Question %1    %2").arg(n).arg(set.questionText[n]));
        printOption(width / 3, "A. ", set.optionA[n], false);
        printOption(2 * width / 3, "B. ", set.optionB[n], true);
        printOption(width / 3, "C. ", set.optionC[n], false);
        printOption(2 * width / 3, "D. ", set.optionD[n], true);
        printBlankLine(printer);
    }
    printer.endDoc();
}

} // namespace worksheets
