// SPDX-License-Identifier: GPL-3.0-or-later
// Printing without a printer: the page is saved as a PDF file named after
// what was printed and the day, never over an earlier file and never left
// half-written; a printer that fails once found is reported as before.

#include "platform/qtprinter.h"
#include "platform/services.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate kDay(2026, 12, 7);

std::unique_ptr<platform::Printer> noPrinter() {
    throw platform::NoPrinterError("none set up");
}

// A small page: one line of text.
void onePage(platform::Printer& printer) {
    printer.print(QStringLiteral("Excellent Work"));
    printer.endDoc();
}

} // namespace

class SavedPagesTest : public QObject {
    Q_OBJECT
private slots:
    void fileNames_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("name");
        QTest::newRow("a certificate") << "Certificate - Sam"
                                       << "Certificate - Sam - 2026-12-07.pdf";
        QTest::newRow("nothing at all") << ""
                                        << "2026-12-07.pdf";
        QTest::newRow("folders in a title") << "Worksheet - Sun/Moon\\Stars"
                                            << "Worksheet - Sun Moon Stars - 2026-12-07.pdf";
        QTest::newRow("characters other systems refuse") << "Worksheet - What? <Why>: \"*|\""
                                                         << "Worksheet - What Why - 2026-12-07.pdf";
        QTest::newRow("control characters and runs of spaces")
            << "Certificate -\t Sam\n  Lee"
            << "Certificate - Sam Lee - 2026-12-07.pdf";
        QTest::newRow("a hidden file's dot") << "..Sam"
                                             << "Sam - 2026-12-07.pdf";
        QTest::newRow("a very long title")
            << QString(300, u'x') << QString(120, u'x') + " - 2026-12-07.pdf";
    }
    void fileNames() {
        QFETCH(QString, what);
        QFETCH(QString, name);
        QTemporaryDir folder;
        QCOMPARE(platform::savedPageFile(folder.path(), what, kDay),
                 QDir(folder.path()).filePath(name));
    }

    void anEarlierFileIsNeverReplaced() {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        QStringList names;
        for (int i = 0; i < 3; ++i) {
            const QString file = platform::savedPageFile(folder.path(), "Certificate - Sam", kDay);
            names << QFileInfo(file).fileName();
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(names, (QStringList{"Certificate - Sam - 2026-12-07.pdf",
                                     "Certificate - Sam - 2026-12-07 (2).pdf",
                                     "Certificate - Sam - 2026-12-07 (3).pdf"}));
    }

    void withoutAPrinterThePageIsSavedAndNamed() {
        testenv::Fixture env;
        QTemporaryDir documents;
        const QString folder = documents.filePath("Corvella"); // made on first use
        platform::setSavedPagesFolder(folder);
        platform::setPrinterFactory(noPrinter);
        platform::setPdfPrinterFactory(platform::QtPrinter::openPdf);

        QCOMPARE(platform::printJob("Certificate - Sam", onePage), platform::PrintOutcome::Saved);
        const QString file =
            platform::savedPageFile(folder, "Certificate - Sam", QDate::currentDate());
        const QString saved = QDir(folder).filePath(
            "Certificate - Sam - " + QDate::currentDate().toString(Qt::ISODate) + ".pdf");
        QVERIFY(QFile::exists(saved));
        QVERIFY(file != saved); // the next one would get a number
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QFileInfo(saved).fileName()});
        QCOMPARE(env.messages.said,
                 QStringList{QString::fromLatin1(platform::kSavedInstead).arg(saved)});
        QFile pdf(saved);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    }

    // Failures on the way leave no file behind and say what went wrong.
    void aFailedSaveLeavesNoFile_data() {
        QTest::addColumn<bool>("jobFails");
        QTest::addColumn<bool>("folderBlocked");
        QTest::addColumn<QString>("said");
        QTest::newRow("the page fails half-way")
            << true << false << QString::fromLatin1(platform::kPrinterProblem);
        QTest::newRow("the folder cannot be made")
            << false << true << QString::fromLatin1(platform::kPrinterProblem);
    }
    void aFailedSaveLeavesNoFile() {
        QFETCH(bool, jobFails);
        QFETCH(bool, folderBlocked);
        QFETCH(QString, said);
        testenv::Fixture env;
        QTemporaryDir documents;
        QString folder = documents.filePath("Corvella");
        if (folderBlocked) {
            QFile blocker(documents.filePath("file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            folder = documents.filePath("file/Corvella");
        }
        platform::setSavedPagesFolder(folder);
        platform::setPrinterFactory(noPrinter);
        platform::setPdfPrinterFactory(platform::QtPrinter::openPdf);
        const auto job = [jobFails](platform::Printer& printer) {
            printer.print(QStringLiteral("Excellent Work"));
            if (jobFails)
                throw platform::PrinterError("out of paper");
            printer.endDoc();
        };
        QCOMPARE(platform::printJob("Certificate - Sam", job), platform::PrintOutcome::Failed);
        QCOMPARE(env.messages.said, QStringList{said});
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
    }

    // A printer that is there but fails keeps its own message; no file.
    void aPrinterThatFailsIsNotReplacedByAFile() {
        testenv::Fixture env;
        QTemporaryDir documents;
        platform::setSavedPagesFolder(documents.path());
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::PrinterError("jam"); });
        QCOMPARE(platform::printJob("Certificate - Sam", onePage), platform::PrintOutcome::Failed);
        QCOMPARE(env.messages.said, QStringList{QString::fromLatin1(platform::kPrinterProblem)});
        QVERIFY(QDir(documents.path()).isEmpty());
    }
};

QTEST_MAIN(SavedPagesTest)
#include "tst_savedpages.moc"
