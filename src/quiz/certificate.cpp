// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/certificate.h"

#include "platform/printer.h"
#include "quiz/scoring.h"

#include <QColor>
#include <array>

namespace quiz {

namespace {

// The standard colour numbers the certificate uses.
const QColor kBlack(0, 0, 0);
const QColor kDarkBlue(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// Printed twice in a row, 118 characters: wider than the page on purpose, the
// printer cuts it off at the right edge.
const QString kBanner =
    QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ").repeated(2);

void blankLine(platform::Printer& printer) {
    printer.print(QStringLiteral(" "));
}

void blankLines(platform::Printer& printer, int count) {
    for (int i = 0; i < count; ++i)
        blankLine(printer);
}

void centred(platform::Printer& printer, const QString& text) {
    printer.currentX = (printer.width() - printer.textWidth(text)) / 2;
    printer.print(text);
}

// Top, left, right, bottom of the rectangle with corners (left, top) and
// (right, bottom).
void rectangle(platform::Printer& printer, double left, double top, double right, double bottom) {
    printer.line(left, top, right, top);
    printer.line(left, top, left, bottom);
    printer.line(right, top, right, bottom);
    printer.line(left, bottom, right, bottom);
}

void frames(platform::Printer& printer) {
    const double w = printer.width();
    const double h = printer.height();
    struct Inset {
        double m, n;
    };
    constexpr std::array<Inset, 5> kInsets = {
        {{45, 270}, {90, 315}, {135, 360}, {180, 405}, {225, 450}}};
    for (std::size_t i = 0; i < kInsets.size(); ++i) {
        const auto [m, n] = kInsets[i];
        rectangle(printer, m, n, w - m, h - n);
        // The inner frame has three rectangles, each drawn after its outer one.
        if (i < 3)
            rectangle(printer, m + 600, n + 7050, w - m - 600, h - n - 3750);
    }
}

} // namespace

void printCertificate(platform::Printer& printer, const Certificate& certificate) {
    printer.setFontName(QStringLiteral("Times New Roman"));

    printer.setForeColor(kBlue);
    printer.setFontSize(25);
    printer.currentX = printer.width() / 8;
    blankLine(printer);
    printer.print(kBanner, false);
    blankLines(printer, 3);

    printer.setForeColor(kRed);
    printer.setFontSize(36);
    centred(printer, QStringLiteral("Corvella"));
    blankLine(printer);

    printer.setForeColor(kBlue);
    printer.setFontSize(certificate.subjectWidth > printer.width() / 4 ? 28 : 36);
    centred(printer, certificate.subject);
    printer.print(QString());

    printer.setFontSize(36);
    blankLines(printer, 3);

    printer.setForeColor(kDarkBlue);
    printer.setFontSize(28);
    centred(printer, QStringLiteral("Excellent Work"));
    blankLine(printer);
    centred(printer, certificate.name);
    printer.print(QString());

    printer.setFontSize(28);
    centred(printer, scoreLine(certificate.score, certificate.total));
    blankLine(printer);

    printer.setFontSize(36);
    blankLines(printer, 2);

    printer.setForeColor(kBlue);
    printer.setFontSize(25);
    blankLine(printer);

    printer.setForeColor(kBlack);
    printer.print(kBanner, false);

    printer.setDrawWidth(2);
    frames(printer);
    printer.endDoc();
}

} // namespace quiz
