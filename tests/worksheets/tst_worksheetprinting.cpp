// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/worksheetprinting.h"
#include "support/recordingprinter.h"
#include "support/samplequestions.h"

#include <QTest>

using namespace worksheets;

class WorksheetPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void layout() {
        const double width = 11000;
        RecordingPrinter printer(width);
        common::QuestionSet set = testenv::sampleQuestionSet(QStringLiteral("Rocks"));
        set.optionB[2].clear();
        const QString heading = QStringLiteral("Corvella");
        printWorksheet(printer, heading, QStringLiteral("Rocks quiz"), set);

        QVERIFY(printer.ended);
        QCOMPARE(printer.texts.size(), size_t(3 + 1 + 3 + 10 * 6));
        for (const RecordingPrinter::Text& text : printer.texts)
            QCOMPARE(text.fontName, QStringLiteral("Times New Roman"));

        const auto& t = printer.texts;
        const double line16 = RecordingPrinter::lineHeight(16);
        const double line32 = RecordingPrinter::lineHeight(32);
        const double line12 = RecordingPrinter::lineHeight(12);
        QCOMPARE(t[0].text, QStringLiteral(" "));
        QCOMPARE(t[0].fontSize, 16.0);
        QCOMPARE(t[1].text, QStringLiteral("Corvella") + QString(57, u' ') +
                                QStringLiteral("Quillmere Publishing Ltd"));
        QCOMPARE(t[1].x, width / 16);
        QCOMPARE(t[1].y, line16);
        QVERIFY(!t[1].endLine);
        QCOMPARE(t[2].text, QStringLiteral(" "));
        QVERIFY(t[2].endLine);
        QCOMPARE(t[3].y, 2 * line16);

        QCOMPARE(t[4].text, heading);
        QCOMPARE(t[4].fontSize, 32.0);
        QCOMPARE(t[4].x, (width - RecordingPrinter::widthAt(heading, 32)) / 2);
        QCOMPARE(t[4].y, 3 * line16);
        QCOMPARE(t[5].text, QStringLiteral("Rocks quiz"));
        QCOMPARE(t[5].x, (width - RecordingPrinter::widthAt(QStringLiteral("Rocks quiz"), 32)) / 2);
        QCOMPARE(t[6].y, 3 * line16 + 2 * line32);

        const double questionsTop = 3 * line16 + 3 * line32;
        for (int n = 1; n <= 10; ++n) {
            const std::size_t at = 7 + 6 * std::size_t(n - 1);
            const double top = questionsTop + 4 * line12 * (n - 1);
            QCOMPARE(t[at].text, QStringLiteral("Question %1    Question number%1?").arg(n));
            QCOMPARE(t[at].fontSize, 12.0);
            QCOMPARE(t[at].x, width / 16);
            QCOMPARE(t[at].y, top);
            QCOMPARE(t[at + 1].x, width / 3);
            QCOMPARE(t[at + 1].y, top + line12);
            QVERIFY(!t[at + 1].endLine);
            QCOMPARE(t[at + 2].x, 2 * width / 3);
            QCOMPARE(t[at + 2].y, top + line12);
            QCOMPARE(t[at + 3].text, QStringLiteral("C. c"));
            QCOMPARE(t[at + 3].x, width / 3);
            QCOMPARE(t[at + 3].y, top + 2 * line12);
            QCOMPARE(t[at + 4].text, QStringLiteral("D. d"));
            QCOMPARE(t[at + 4].x, 2 * width / 3);
            QCOMPARE(t[at + 5].text, QStringLiteral(" "));
        }
        QCOMPARE(t[8].text, QStringLiteral("A. a"));
        QCOMPARE(t[9].text, QStringLiteral("B. b"));
        QCOMPARE(t[15].text, QStringLiteral("B. ")); // question 2's empty option B
    }

    void aPrinterFailureStopsThePrinting() {
        RecordingPrinter printer;
        printer.failAt = 20;
        QVERIFY_THROWS_EXCEPTION(
            platform::PrinterError,
            printWorksheet(printer, "Corvella", "Rocks", testenv::sampleQuestionSet("Rocks")));
        QVERIFY(!printer.ended);
    }
};

int runWorksheetPrintingTests(int argc, char** argv) {
    WorksheetPrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_worksheetprinting.moc"
