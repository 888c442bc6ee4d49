// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: vector pages; without a printer, a PDF never over an earlier file nor half-written.

#include "platform/devices.h"
#include "platform/mediapaths.h"
#include "platform/qtprinter.h"
#include "platform/services.h"
#include "platform/wmf/wmfdocument.h"
#include "support/minimalwmf.h"
#include "support/testenv.h"

#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate kDay(2026, 12, 7);
enum class Mishap { None, PageFails, FolderBlocked, PrinterJams };

void printOneLine(platform::Printer& printer) {
    printer.print(QStringLiteral("Excellent Work"));
    printer.endDoc();
}

bool isPdf(const QString& file) {
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) && pdf.readAll().startsWith("%PDF");
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void textLinesAndPicturesStayVectors() {
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
            printer->line(45, 270, printer->width() - 45, 270);
            const auto page = wmf::Document::parse(testenv::minimalWmf());
            QVERIFY(page);
            printer->paintPicture(*page, "wmf2\\test.wmf", 1000, 1000);
            printer->endDoc();
        }
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("/Font")); // the text went as text
        QVERIFY(!bytes.contains("/Subtype /Image"));
        // A PDF in a folder that does not exist cannot be written.
        QVERIFY_THROWS_EXCEPTION(platform::PrinterError,
                                 platform::QtPrinter::openPdf("/nonexistent-folder/x/page.pdf"));
    }

    // Earlier pages of the same name are never replaced: the next is numbered.
    void savedPageNames_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("earlier");
        const auto row = [](const char* name, const QString& what, const QString& file,
                            int earlier = 0) { QTest::newRow(name) << what << file << earlier; };
        row("a certificate", "Certificate - Sam", "Certificate - Sam - 2026-12-07.pdf");
        row("nothing at all", "", "2026-12-07.pdf");
        row("folders in a title", "Worksheet - Sun/Moon\\Stars",
            "Worksheet - Sun Moon Stars - 2026-12-07.pdf");
        row("characters other systems refuse", "Worksheet - What? <Why>: \"*|\"",
            "Worksheet - What Why - 2026-12-07.pdf");
        row("control characters and runs of spaces", "Certificate -\t Sam\n  Lee",
            "Certificate - Sam Lee - 2026-12-07.pdf");
        row("a hidden file's dot", "..Sam", "Sam - 2026-12-07.pdf");
        row("a very long title", QString(300, u'x'), QString(120, u'x') + " - 2026-12-07.pdf");
        row("after two earlier pages", "Certificate - Sam",
            "Certificate - Sam - 2026-12-07 (3).pdf", 2);
    }
    void savedPageNames() {
        QFETCH(QString, what);
        QFETCH(QString, name);
        QFETCH(int, earlier);
        QTemporaryDir folder;
        for (int i = 0; i < earlier; ++i) {
            QFile page(platform::savedPageFile(folder.path(), what, kDay));
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        QCOMPARE(platform::savedPageFile(folder.path(), what, kDay),
                 QDir(folder.path()).filePath(name));
    }

    // Only a missing printer saves the page; any failure leaves no file behind.
    void printingWithoutAPrinter_data() {
        QTest::addColumn<Mishap>("mishap");
        QTest::newRow("saved and named") << Mishap::None;
        QTest::newRow("the page fails half-way") << Mishap::PageFails;
        QTest::newRow("the folder cannot be made") << Mishap::FolderBlocked;
        QTest::newRow("a printer that jams") << Mishap::PrinterJams;
    }
    void printingWithoutAPrinter() {
        QFETCH(Mishap, mishap);
        const bool saved = mishap == Mishap::None;
        testenv::Fixture env;
        QTemporaryDir documents;
        QString folder = documents.filePath("Corvella"); // made on first use
        if (mishap == Mishap::FolderBlocked) {
            QFile blocker(documents.filePath("file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            folder = documents.filePath("file/Corvella");
        }
        platform::setSavedPagesFolder(folder);
        platform::setPrinterFactory([mishap]() -> std::unique_ptr<platform::Printer> {
            if (mishap == Mishap::PrinterJams)
                throw platform::PrinterError("jam");
            throw platform::NoPrinterError("none set up");
        });
        platform::setPdfPrinterFactory(platform::QtPrinter::openPdf);
        const auto page = [mishap](platform::Printer& printer) {
            if (mishap == Mishap::PageFails)
                throw platform::PrinterError("out of paper");
            printOneLine(printer);
        };
        QCOMPARE(platform::printJob("Certificate - Sam", page),
                 saved ? platform::PrintOutcome::Saved : platform::PrintOutcome::Failed);
        const QString name =
            "Certificate - Sam - " + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
        QCOMPARE(QDir(folder).entryList(QDir::Files), saved ? QStringList{name} : QStringList());
        QCOMPARE(env.messages.said,
                 QStringList{saved ? QString::fromLatin1(platform::kSavedInstead)
                                         .arg(QDir(folder).filePath(name))
                                   : QString::fromLatin1(platform::kPrinterProblem)});
        QCOMPARE(isPdf(QDir(folder).filePath(name)), saved);
    }

    // The module's errors are the program's own types; its PDF printer works.
    void theBuiltModuleOffersSoundAndPrinting() {
        QCOMPARE(QFileInfo(QStringLiteral(CORVELLA_DEVICE_MODULE)).fileName(),
                 QString::fromLatin1(platform::kDeviceModuleFile));
        QLibrary library(QStringLiteral(CORVELLA_DEVICE_MODULE));
        using Entry = const platform::DeviceModule* (*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve(platform::kDeviceModuleEntry));
        QVERIFY(entry);
        const platform::DeviceModule* module = entry();
        QCOMPARE(module->version, platform::kDeviceModuleVersion);
        const std::unique_ptr<platform::SoundPlayer> player(
            module->makeSoundPlayer(platform::resolveContentPath));
        player->play(QStringLiteral("wav\\click.wav")); // no sound server here: silent
        qputenv("PRINTER", "no-such-printer");
        QVERIFY_THROWS_EXCEPTION(platform::NoPrinterError, module->openDefaultPrinter());
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("page.pdf"));
        printOneLine(*module->openPdfFile(file));
        QVERIFY(isPdf(file));
    }

    // Beside a test program there is no module: the program runs on, silent.
    void withoutTheModuleTheProgramRunsOn() {
        testenv::Fixture env;
        platform::setSoundPlayer(nullptr);
        QVERIFY(!platform::deviceModule());
        platform::soundPlayer().play(QStringLiteral("wav\\click.wav"));
        bool ran = false;
        QCOMPARE(platform::printJob("Page", [&ran](platform::Printer&) { ran = true; }),
                 platform::PrintOutcome::Failed);
        QVERIFY(!ran);
        QCOMPARE(env.messages.said, QStringList{QString::fromLatin1(platform::kPrinterProblem)});
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
