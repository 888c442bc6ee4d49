// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer layer on Qt: prints on the default printer without a dialog,
// or into a PDF file. Failures are thrown as PrinterError.

#include "platform/printer.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

namespace platform {

class QtPrinter : public Printer {
public:
    // The default printer; throws NoPrinterError when there is none.
    static std::unique_ptr<Printer> openDefault();
    // A PDF file of the same vector page the printer would get.
    static std::unique_ptr<Printer> openPdf(const QString& fileName);
    ~QtPrinter() override;

    double width() override;
    double height() override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setForeColor(const QColor& colour) override;
    void setDrawWidth(int printerPixels) override;
    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;
    void print(const QString& text, bool endLine) override;
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const wmf::Document& picture, const QString& path, double x,
                      double y) override;
    void endDoc() override;

private:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    void begin();
    double devicePerTwip() const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QFont font_;
    QColor colour_ = Qt::black;
    int drawWidth_ = 1;
    bool ended_ = false;
};

} // namespace platform
