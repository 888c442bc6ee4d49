// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recordingprinter.h"

#include <new>

RecordingPrinter::RecordingPrinter(double width, double height)
    : pageWidth(width), pageHeight(height) {}

void RecordingPrinter::count() {
    ++operations;
    if (operations != failAt)
        return;
    if (failure == Failure::OutOfMemory)
        throw std::bad_alloc();
    throw platform::PrinterError("The recording printer was told to fail.");
}

double RecordingPrinter::width() {
    count();
    return pageWidth;
}

double RecordingPrinter::height() {
    count();
    return pageHeight;
}

void RecordingPrinter::setFontName(const QString& name) {
    count();
    fontName = name;
}

void RecordingPrinter::setFontSize(double points) {
    count();
    fontSize = points;
}

void RecordingPrinter::setForeColor(const QColor& newColour) {
    count();
    colour = newColour;
}

void RecordingPrinter::setDrawWidth(int printerPixels) {
    count();
    drawWidth = printerPixels;
}

double RecordingPrinter::textWidth(const QString& text) {
    count();
    return widthAt(text, fontSize);
}

double RecordingPrinter::textHeight(const QString&) {
    count();
    return lineHeight(fontSize);
}

void RecordingPrinter::print(const QString& text, bool endLine) {
    count();
    texts.push_back({text, currentX, currentY, fontName, fontSize, colour, endLine});
    if (endLine) {
        currentX = 0;
        currentY += lineHeight(fontSize);
    } else {
        currentX += widthAt(text, fontSize);
    }
}

void RecordingPrinter::line(double x1, double y1, double x2, double y2) {
    count();
    lines.push_back({x1, y1, x2, y2, colour, drawWidth});
}

void RecordingPrinter::paintPicture(const wmf::Document&, const QString& path, double x, double y) {
    count();
    pictures.push_back({path, x, y});
}

void RecordingPrinter::endDoc() {
    count();
    ended = true;
}
