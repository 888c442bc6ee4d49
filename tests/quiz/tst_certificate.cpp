// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/certificate.h"
#include "support/recordingprinter.h"

#include <QTest>

using namespace quiz;

namespace {

constexpr double kWidth = 11000;
constexpr double kHeight = 16000;

const QString kBanner =
    QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ").repeated(2);

Certificate perfectQuiz() {
    return {QStringLiteral("Corvella"), 1000, QStringLiteral("Amira"), 10, 10};
}

RecordingPrinter printed(const Certificate& certificate) {
    RecordingPrinter printer(kWidth, kHeight);
    printCertificate(printer, certificate);
    return printer;
}

const RecordingPrinter::Text& textOf(const RecordingPrinter& printer, const QString& text) {
    for (const auto& item : printer.texts) {
        if (item.text == text)
            return item;
    }
    qFatal("not printed: %s", qPrintable(text));
}

double centredX(const QString& text, double points) {
    return (kWidth - RecordingPrinter::widthAt(text, points)) / 2;
}

} // namespace

class CertificateTest : public QObject {
    Q_OBJECT

private slots:
    void textSequence() {
        const RecordingPrinter printer = printed(perfectQuiz());
        QStringList texts;
        for (const auto& item : printer.texts) {
            texts << item.text;
            QCOMPARE(item.fontName, QStringLiteral("Times New Roman"));
        }
        const QString blank = QStringLiteral(" ");
        const QStringList expected = {blank,
                                      kBanner,
                                      blank,
                                      blank,
                                      blank,
                                      QStringLiteral("Corvella"),
                                      blank,
                                      QStringLiteral("Corvella"),
                                      QString(),
                                      blank,
                                      blank,
                                      blank,
                                      QStringLiteral("Excellent Work"),
                                      blank,
                                      QStringLiteral("Amira"),
                                      QString(),
                                      QStringLiteral("You have scored 10 out of 10."),
                                      blank,
                                      blank,
                                      blank,
                                      blank,
                                      kBanner};
        QCOMPARE(texts, expected);
        QVERIFY(printer.ended);
    }

    void bannersAreUncentredAndUnended() {
        const RecordingPrinter printer = printed(perfectQuiz());

        const auto& firstLine = printer.texts.front();
        QCOMPARE(firstLine.x, kWidth / 8);
        const auto& top = printer.texts[1];
        const auto& bottom = printer.texts.back();
        for (const auto* banner : {&top, &bottom}) {
            // Wider than the page: the printer cuts it at the right edge.
            QCOMPARE(banner->text.size(), 118);
            QCOMPARE(banner->text.count(QStringLiteral("Well Done")), 8);
            QCOMPARE(banner->x, 0.0);
            QCOMPARE(banner->fontSize, 25.0);
            QVERIFY(!banner->endLine);
        }
        QCOMPARE(top.y, RecordingPrinter::lineHeight(25));
        QCOMPARE(top.colour, QColor(0, 0, 255));
        QCOMPARE(bottom.colour, QColor(0, 0, 0));
        // The blank line after the top banner finishes the banner's own line.
        QCOMPARE(printer.texts[2].y, top.y);
    }

    void centredLines() {
        const RecordingPrinter printer = printed(perfectQuiz());
        struct Expected {
            QString text;
            double size;
            QColor colour;
        };
        const Expected lines[] = {
            {QStringLiteral("Excellent Work"), 28, QColor(0, 0, 128)},
            {QStringLiteral("Amira"), 28, QColor(0, 0, 128)},
            {QStringLiteral("You have scored 10 out of 10."), 28, QColor(0, 0, 128)},
        };
        for (const Expected& line : lines) {
            const auto& item = textOf(printer, line.text);
            QCOMPARE(item.fontSize, line.size);
            QCOMPARE(item.colour, line.colour);
            QCOMPARE(item.x, centredX(line.text, line.size));
        }
        const auto& title = printer.texts[5];
        QCOMPARE(title.text, QStringLiteral("Corvella"));
        QCOMPARE(title.colour, QColor(255, 0, 0));
        QCOMPARE(title.fontSize, 36.0);
        QCOMPARE(title.x, centredX(title.text, 36));
    }

    void emptyNamePrintsAnEmptyCentredLine() {
        Certificate certificate = perfectQuiz();
        certificate.name.clear();
        const RecordingPrinter printer = printed(certificate);
        const auto& name = printer.texts[14];
        QCOMPARE(name.text, QString());
        QCOMPARE(name.x, kWidth / 2);
    }

    void subjectSize_data() {
        QTest::addColumn<double>("subjectWidth");
        QTest::addColumn<double>("points");
        QTest::newRow("narrow") << 1000.0 << 36.0;
        QTest::newRow("a quarter of the page") << kWidth / 4 << 36.0;
        QTest::newRow("wider than a quarter") << kWidth / 4 + 1 << 28.0;
    }
    void subjectSize() {
        QFETCH(double, subjectWidth);
        QFETCH(double, points);
        Certificate certificate = perfectQuiz();
        certificate.subject = QStringLiteral("The Sun and other Stars");
        certificate.subjectWidth = subjectWidth;
        const RecordingPrinter printer = printed(certificate);

        const auto& subject = textOf(printer, certificate.subject);
        QCOMPARE(subject.fontSize, points);
        QCOMPARE(subject.colour, QColor(0, 0, 255));
        QCOMPARE(subject.x, centredX(certificate.subject, points));
        // The size goes back to 36 pt for the blank lines below.
        QCOMPARE(printer.texts[9].fontSize, 36.0);
    }

    void activityScoreLine() {
        const RecordingPrinter printer = printed({QString(), 0, QStringLiteral("Sam"), 6, 6});
        QCOMPARE(printer.texts[7].text, QString()); // no quiz has ended: an empty subject
        textOf(printer, QStringLiteral("You have scored 6 out of 6."));
    }

    void thirtyTwoFrameLinesInOrder() {
        const RecordingPrinter printer = printed(perfectQuiz());
        const double w = kWidth;
        const double h = kHeight;
        QList<QList<double>> expected;
        const auto rectangle = [&](double left, double top, double right, double bottom) {
            expected << QList<double>{left, top, right, top}
                     << QList<double>{left, top, left, bottom}
                     << QList<double>{right, top, right, bottom}
                     << QList<double>{left, bottom, right, bottom};
        };
        const double insets[][2] = {{45, 270}, {90, 315}, {135, 360}, {180, 405}, {225, 450}};
        for (int i = 0; i < 5; ++i) {
            const double m = insets[i][0];
            const double n = insets[i][1];
            rectangle(m, n, w - m, h - n);
            if (i < 3)
                rectangle(m + 600, n + 7050, w - m - 600, h - n - 3750);
        }

        QCOMPARE(printer.lines.size(), std::size_t(32));
        QList<QList<double>> drawn;
        for (const auto& line : printer.lines) {
            drawn << QList<double>{line.x1, line.y1, line.x2, line.y2};
            QCOMPARE(line.colour, QColor(0, 0, 0));
            QCOMPARE(line.drawWidth, 2);
        }
        QCOMPARE(drawn, expected);
    }

    void printerFailureStopsThePage() {
        RecordingPrinter counting(kWidth, kHeight);
        printCertificate(counting, perfectQuiz());
        const int operations = counting.operations;

        for (int failAt = 1; failAt <= operations; ++failAt) {
            RecordingPrinter printer(kWidth, kHeight);
            printer.failAt = failAt;
            QVERIFY_THROWS_EXCEPTION(platform::PrinterError,
                                     printCertificate(printer, perfectQuiz()));
            QVERIFY2(!printer.ended, qPrintable(QString::number(failAt)));
            QCOMPARE(printer.operations, failAt); // nothing after the failing step
        }
    }
};

int runCertificateTests(int argc, char** argv) {
    CertificateTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_certificate.moc"
