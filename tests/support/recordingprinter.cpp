// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recordingprinter.h"

#include <new>

RecordingPrinter& RecordingPrinter::counted() {
    if (++record().operations != record().failAt)
        return record();
    if (record().failure == Failure::OutOfMemory)
        throw std::bad_alloc();
    throw platform::PrinterError("The recording printer was told to fail.");
}

void RecordingPrinter::print(const QString& text, bool endLine) {
    RecordingPrinter& r = counted();
    r.texts.push_back({text, currentX, currentY, r.fontName, r.fontSize, r.colour, endLine});
    if (endLine) {
        currentX = 0;
        currentY += lineHeight(r.fontSize);
    } else {
        currentX += widthAt(text, r.fontSize);
    }
}
