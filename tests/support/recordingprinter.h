// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer for tests: records what a printing routine draws instead of
// printing it, and can be told to fail.
//
// Text is measured by a fixed rule rather than by installed fonts, so layout
// checks give the same numbers on every machine: every character is half an
// em wide and a line is 1.15 em high (1 pt = 20 twips). That is close to
// Times New Roman, but tests should compare positions with the same rule
// (widthAt, lineHeight), not with a real font.

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
    explicit RecordingPrinter(double width = 11000, double height = 16000);

    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Picture> pictures;
    bool ended = false;

    // Every call through the printer interface counts as one operation.
    // When failAt is n > 0, the n-th operation throws: platform::PrinterError,
    // or std::bad_alloc as a huge page might.
    enum class Failure { PrinterError, OutOfMemory };
    int failAt = 0;
    Failure failure = Failure::PrinterError;
    int operations = 0;

    // Width and line height under the fixed rule, in twips.
    static double widthAt(const QString& text, double points) {
        return text.size() * points * 20 * 0.5;
    }
    static double lineHeight(double points) { return points * 20 * 1.15; }

    double width() override;
    double height() override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setForeColor(const QColor& colour) override;
    void setDrawWidth(int printerPixels) override;
    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;
    void print(const QString& text, bool endLine = true) override;
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const wmf::Document& picture, const QString& path, double x,
                      double y) override;
    void endDoc() override;

private:
    void count();

    double pageWidth;
    double pageHeight;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 12;
    QColor colour = Qt::black;
    int drawWidth = 1;
};

// Lends a recording printer to code that owns the printer it prints on, so
// the record outlives the job.
class BorrowedPrinter : public platform::Printer {
    RecordingPrinter& target;

    // Keeps the print position in step with the target around every call.
    template <class F> auto call(F f) {
        target.currentX = currentX;
        target.currentY = currentY;
        struct Sync {
            BorrowedPrinter& self;
            ~Sync() {
                self.currentX = self.target.currentX;
                self.currentY = self.target.currentY;
            }
        } sync{*this};
        return f();
    }

public:
    explicit BorrowedPrinter(RecordingPrinter& target) : target(target) {}

    double width() override {
        return call([&] { return target.width(); });
    }
    double height() override {
        return call([&] { return target.height(); });
    }
    void setFontName(const QString& n) override {
        call([&] { target.setFontName(n); });
    }
    void setFontSize(double p) override {
        call([&] { target.setFontSize(p); });
    }
    void setForeColor(const QColor& c) override {
        call([&] { target.setForeColor(c); });
    }
    void setDrawWidth(int w) override {
        call([&] { target.setDrawWidth(w); });
    }
    double textWidth(const QString& t) override {
        return call([&] { return target.textWidth(t); });
    }
    double textHeight(const QString& t) override {
        return call([&] { return target.textHeight(t); });
    }
    void print(const QString& t, bool endLine) override {
        call([&] { target.print(t, endLine); });
    }
    void line(double a, double b, double c, double d) override {
        call([&] { target.line(a, b, c, d); });
    }
    void paintPicture(const wmf::Document& p, const QString& path, double x, double y) override {
        call([&] { target.paintPicture(p, path, x, y); });
    }
    void endDoc() override {
        call([&] { target.endDoc(); });
    }
};
