// SPDX-License-Identifier: GPL-3.0-or-later
// The printer layer on Qt, printing into a PDF: text and metafile pages stay
// vector (fonts, not a bitmap of the screen), and the print position moves
// as the printing routines expect.

#include "platform/picture.h"
#include "platform/qtprinter.h"
#include "platform/wmf/wmfdocument.h"
#include "support/minimalwmf.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class QtPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void printsTextLinesAndPagesAsVectors() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("page.pdf");
        {
            auto printer = platform::QtPrinter::openPdf(pdf);
            QVERIFY(printer->width() > 8000 && printer->height() > 12000);
            printer->setFontName("Times New Roman");
            printer->setFontSize(25);
            const double lineHeight = printer->textHeight("X");
            // A 25 pt line is about 25 * 20 twips high, with some leading.
            QVERIFY(lineHeight > 450 && lineHeight < 700);
            printer->currentX = 1000;
            printer->print("Well Done", false);
            QVERIFY(printer->currentX > 1000 + printer->textWidth("Well") - 1);
            QCOMPARE(printer->currentY, 0.0);
            printer->print(" ");
            QCOMPARE(printer->currentX, 0.0);
            QCOMPARE(printer->currentY, lineHeight);
            printer->setDrawWidth(2);
            printer->line(45, 270, printer->width() - 45, 270);
            const auto page = wmf::Document::parse(testenv::minimalWmf());
            QVERIFY(page);
            printer->paintPicture(*page, "wmf2\\test.wmf", 1000, 1000);
            printer->endDoc();
        }
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Font")); // the text went as text
        QVERIFY(!bytes.contains("/Subtype /Image"));
    }

    void aFailedJobIsReported() {
        // A PDF in a folder that does not exist cannot be written.
        QVERIFY_THROWS_EXCEPTION(platform::PrinterError,
                                 platform::QtPrinter::openPdf("/nonexistent-folder/x/page.pdf"));
    }
};

QTEST_MAIN(QtPrinterTest)
#include "tst_qtprinter.moc"
