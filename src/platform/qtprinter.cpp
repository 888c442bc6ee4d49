// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtprinter.h"

#include "platform/wmf/wmfdocument.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    font_ = QFont(QStringLiteral("Times New Roman"));
    font_.setPointSizeF(12);
    begin();
}

QtPrinter::~QtPrinter() {
    // A job that failed half-way is discarded rather than left pending.
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

std::unique_ptr<Printer> QtPrinter::openDefault() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw NoPrinterError("no default printer");
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setFullPage(false);
    return std::unique_ptr<Printer>(new QtPrinter(std::move(printer)));
}

std::unique_ptr<Printer> QtPrinter::openPdf(const QString& fileName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    return std::unique_ptr<Printer>(new QtPrinter(std::move(printer)));
}

void QtPrinter::begin() {
    if (!painter_.begin(printer_.get()))
        throw PrinterError("the printer could not start a page");
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

double QtPrinter::devicePerTwip() const {
    return printer_->resolution() / 1440.0;
}

double QtPrinter::width() {
    return printer_->width() / devicePerTwip();
}
double QtPrinter::height() {
    return printer_->height() / devicePerTwip();
}

void QtPrinter::setFontName(const QString& name) {
    font_.setFamily(name);
}
void QtPrinter::setFontSize(double points) {
    font_.setPointSizeF(points);
}
void QtPrinter::setForeColor(const QColor& colour) {
    colour_ = colour;
}
void QtPrinter::setDrawWidth(int printerPixels) {
    drawWidth_ = qMax(1, printerPixels);
}

double QtPrinter::textWidth(const QString& text) {
    return QFontMetricsF(font_, printer_.get()).horizontalAdvance(text) / devicePerTwip();
}

double QtPrinter::textHeight(const QString&) {
    return QFontMetricsF(font_, printer_.get()).height() / devicePerTwip();
}

void QtPrinter::print(const QString& text, bool endLine) {
    if (ended_)
        throw PrinterError("the document has ended");
    const QFontMetricsF metrics(font_, printer_.get());
    const double k = devicePerTwip();
    painter_.setFont(font_);
    painter_.setPen(colour_);
    painter_.drawText(QPointF(currentX * k, currentY * k + metrics.ascent()), text);
    if (endLine) {
        currentX = 0;
        currentY += metrics.height() / k;
    } else {
        currentX += metrics.horizontalAdvance(text) / k;
    }
}

void QtPrinter::line(double x1, double y1, double x2, double y2) {
    const double k = devicePerTwip();
    painter_.setPen(QPen(colour_, drawWidth_));
    painter_.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
}

void QtPrinter::paintPicture(const wmf::Document& picture, const QString&, double x, double y) {
    const double k = devicePerTwip();
    const QSizeF size = picture.naturalSizeInches() * printer_->resolution();
    painter_.save();
    picture.play(painter_, QRectF(QPointF(x * k, y * k), size));
    painter_.restore();
}

void QtPrinter::endDoc() {
    if (ended_)
        return;
    ended_ = true;
    if (!painter_.end() || printer_->printerState() == QPrinter::Error)
        throw PrinterError("the printer reported an error");
}

} // namespace platform
