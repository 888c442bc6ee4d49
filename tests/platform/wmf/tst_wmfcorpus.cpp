// SPDX-License-Identifier: GPL-3.0-or-later
// Real files from several producers: each plays to its end (or stops cleanly
// at its damage), and printing keeps them as vectors.

#include "platform/wmf/wmfdocument.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

using namespace wmf;

class TestWmfCorpus : public QObject {
    Q_OBJECT

    const QDir corpus{QStringLiteral(CORVELLA_WMF_CORPUS)};

private slots:
    void initTestCase() {
        if (!corpus.exists())
            QSKIP("the metafile corpus folder is absent");
    }

    void everyFilePlays_data() {
        QTest::addColumn<QString>("path");
        for (const QString& f : corpus.entryList({QStringLiteral("*.wmf")}, QDir::Files))
            QTest::newRow(qPrintable(f)) << corpus.filePath(f);
    }

    void everyFilePlays() {
        QFETCH(QString, path);
        QString error;
        const auto doc = Document::load(path, &error);
        QVERIFY2(doc, qPrintable(error));
        QCOMPARE(error.isEmpty(), !path.endsWith(QLatin1String("poi_61338.wmf"))); // truncated
        QVERIFY(doc->recordCount() > 0);
        const QSizeF inches = doc->naturalSizeInches();
        QVERIFY(inches.width() > 0.01 && inches.width() < 20);
        QVERIFY(inches.height() > 0.01 && inches.height() < 20);

        QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        PlayReport report;
        doc->play(painter, QRectF(0, 0, 400, 300), &report);
        // Only the full test carries a malformed record (a region of 4 words).
        QCOMPARE(report.malformed, path.endsWith(QLatin1String("fulltest.wmf")) ? 1 : 0);
        QCOMPARE(report.unsupportedBitmaps, 0);
        QCOMPARE(report.played + report.ignored + report.malformed, doc->recordCount());
    }

    void printingStaysVector() {
        // An equation of text and lines goes into a PDF as text and paths,
        // not as a picture, and its text can be found in it.
        const auto doc = Document::load(corpus.filePath(QStringLiteral("poi_64716_image2.wmf")));
        QVERIFY(doc);
        QByteArray pdf;
        {
            QBuffer buffer(&pdf);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(1200);
            writer.setPageSize(QPageSize(QPageSize::A5));
            QPainter painter(&writer);
            doc->play(painter, QRectF(QPointF(100, 100), doc->naturalSizeInches() * 1200));
        }
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(!pdf.contains("/Subtype /Image"));
        QVERIFY(pdf.contains("/FontFile"));
    }
};

QTEST_MAIN(TestWmfCorpus)
#include "tst_wmfcorpus.moc"
