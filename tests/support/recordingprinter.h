// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records what a printing routine draws and can be told to fail; text is measured by a
// fixed rule, not by installed fonts, so layouts compare alike on every machine.

#include "platform/printer.h"

#include <QColor>
#include <QString>
#include <vector>

class RecordingPrinter : public platform::Printer {
public:
    struct Text {
        QString text;
        double x, y;
        QString fontName;
        double fontSize;
        QColor colour;
        bool endLine;
    };
    struct Line {
        double x1, y1, x2, y2;
        QColor colour;
        int drawWidth;
    };
    struct Picture {
        QString path;
        double x, y;
    };

    // The printable area, in twips; A4 less small margins by default.
    explicit RecordingPrinter(double width = 11000, double height = 16000)
        : pageWidth(width), pageHeight(height) {}

    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Picture> pictures;
    bool ended = false;

    // Each call is one operation; with failAt n > 0 the n-th throws PrinterError or bad_alloc.
    enum class Failure { PrinterError, OutOfMemory };
    int failAt = 0;
    Failure failure = Failure::PrinterError;
    int operations = 0;

    // Every character is half an em wide and a line is 1.15 em high, in twips.
    static double widthAt(const QString& text, double points) {
        return text.size() * points * 20 * 0.5;
    }
    static double lineHeight(double points) { return points * 20 * 1.15; }

    double width() override { return counted().pageWidth; }
    double height() override { return counted().pageHeight; }
    void setFontName(const QString& name) override { counted().fontName = name; }
    void setFontSize(double points) override { counted().fontSize = points; }
    void setForeColor(const QColor& newColour) override { counted().colour = newColour; }
    void setDrawWidth(int printerPixels) override { counted().drawWidth = printerPixels; }
    double textWidth(const QString& text) override { return widthAt(text, counted().fontSize); }
    double textHeight(const QString&) override { return lineHeight(counted().fontSize); }
    void print(const QString& text, bool endLine = true) override;
    void line(double x1, double y1, double x2, double y2) override {
        counted().lines.push_back({x1, y1, x2, y2, record().colour, record().drawWidth});
    }
    void paintPicture(const wmf::Document&, const QString& path, double x, double y) override {
        counted().pictures.push_back({path, x, y});
    }
    void endDoc() override { counted().ended = true; }

protected:
    // Where the calls are recorded: this printer, or the one it was lent.
    RecordingPrinter* lender = nullptr;
    RecordingPrinter& record() { return lender ? *lender : *this; }

private:
    // Counts the operation, failing it when told to, and returns where it is recorded.
    RecordingPrinter& counted();

    double pageWidth;
    double pageHeight;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 12;
    QColor colour = Qt::black;
    int drawWidth = 1;
};

// Lends a recording printer to code that owns its printer; the print position stays its own.
class BorrowedPrinter : public RecordingPrinter {
public:
    explicit BorrowedPrinter(RecordingPrinter& target) { lender = &target; }
};
