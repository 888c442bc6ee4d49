// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer as the printing screens see it: a page measured in twips with a
// print position that advances line by line, fonts and colours that stay in
// force until changed, lines and pictures. Every operation may throw
// PrinterError; callers catch it in the handler that started the job.

#include <QColor>
#include <QString>
#include <memory>
#include <stdexcept>

namespace wmf {
class Document;
}

namespace platform {

struct PrinterError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// There is no printer to print on: none is set up, or the print system is
// not running. Printing then saves the page as a file instead.
struct NoPrinterError : PrinterError {
    using PrinterError::PrinterError;
};

class Printer {
public:
    virtual ~Printer() = default;

    // Printable area, in twips.
    virtual double width() = 0;
    virtual double height() = 0;

    double currentX = 0;
    double currentY = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setForeColor(const QColor& colour) = 0;
    virtual void setDrawWidth(int printerPixels) = 0;

    // Width and height of a text in the current font, in twips.
    virtual double textWidth(const QString& text) = 0;
    virtual double textHeight(const QString& text) = 0;

    // Prints at the print position. With a line end the position moves to
    // x = 0 and one line down; without, it stays after the text.
    virtual void print(const QString& text, bool endLine = true) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // Draws a metafile at its natural size with its top-left corner at x, y.
    virtual void paintPicture(const wmf::Document& picture, const QString& path, double x,
                              double y) = 0;
    // Ends the document and sends the page to the printer.
    virtual void endDoc() = 0;
};

// Makes the printer for one job. Tests install their own factory.
using PrinterFactory = std::unique_ptr<Printer> (*)();

} // namespace platform
