// SPDX-License-Identifier: GPL-3.0-or-later
// Real files from several producers: each plays to its end (or stops cleanly
// at its damage), and chosen numbers match what their records prescribe.

#include "wmftestkit.h"

#include <QDir>
#include <QPdfWriter>
#include <QtTest>

using namespace wmf;

class TestWmfCorpus : public QObject {
    Q_OBJECT

    const QDir corpus{QStringLiteral(CORVELLA_WMF_CORPUS)};

    std::shared_ptr<const Document> load(const char* name) {
        return Document::load(corpus.filePath(QLatin1String(name)));
    }

    // At one device unit per page unit, so records can be checked by hand.
    std::unique_ptr<RecordingDevice> playFile(const char* name) {
        auto device = std::make_unique<RecordingDevice>();
        const auto doc = load(name);
        QPainter painter(device.get());
        doc->play(painter, QRectF(QPointF(0, 0), doc->frame().size()));
        return device;
    }

private slots:
    void initTestCase();
    void everyFilePlays_data();
    void everyFilePlays();
    void recordsPlayAsPrescribed();
    void printingStaysVector();
};

void TestWmfCorpus::initTestCase() {
    if (!corpus.exists())
        QSKIP("the metafile corpus folder is absent");
}

void TestWmfCorpus::everyFilePlays_data() {
    QTest::addColumn<QString>("path");
    for (const QString& f : corpus.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(f)) << corpus.filePath(f);
}

void TestWmfCorpus::everyFilePlays() {
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

void TestWmfCorpus::recordsPlayAsPrescribed() {
    // Clip art with y up: box (-1821,-2387)-(64,-365) at 1000 per inch, window
    // origin (-1821,-365), extent (1885,-2022). The first polygon starts at
    // (-842,-382): x 979 and y 17 from the top-left of the frame.
    QCOMPARE(load("poi_santa.wmf")->naturalSizeInches(), QSizeF(1.885, 2.022));
    QCOMPARE(playFile("poi_santa.wmf")->items(RecordedItem::Path)[0].path.elementAt(0),
             QPointF(979, 17));

    // An equation: window 1472 x 992 onto a frame of 1622 x 1093, text at the
    // current position: "2" after MOVETO (1291,436), "1" at (664,366), 384 units.
    const auto texts = playFile("poi_64716_image1.wmf")->items(RecordedItem::Text);
    QVERIFY(texts.size() >= 2);
    const double sx = 1622.0 / 1472, sy = 1093.0 / 992;
    QCOMPARE(texts[0].text + texts[1].text, QStringLiteral("21"));
    QCOMPARE(texts[0].origin, QPointF(1291 * sx, 436 * sy));
    QCOMPARE(texts[1].origin, QPointF(664 * sx, 366 * sy));
    QCOMPARE(texts[1].pixelSize, 384 * sy);

    // Slides in Shift-JIS.
    QString all;
    for (const auto& t : playFile("poi_60677.wmf")->items(RecordedItem::Text))
        all += t.text;
    QVERIFY2(all.contains(QStringLiteral("航")) && all.contains(QStringLiteral("年度")),
             qPrintable(all.left(200)));

    // No placeable header: the window (443 x 182) in pixels at 96 per inch.
    QCOMPARE(load("poi_testException2.doc-2.wmf")->naturalSizeInches(),
             QSizeF(443.0 / 96, 182.0 / 96));

    // Section 6 of the full test: SAVEDC, INTERSECTCLIPRECT (8000,6750)-(10100,8150),
    // then a rectangle; window and viewport match the frame.
    const QRectF clip(QPointF(8000, 6750), QPointF(10100, 8150));
    const auto paths = playFile("wmf2svg_fulltest.wmf")->items(RecordedItem::Path);
    const auto clipped = std::find_if(paths.begin(), paths.end(), [&](const RecordedItem& p) {
        return p.clip.boundingRect() == clip;
    });
    QVERIFY(clipped != paths.end());
    QCOMPARE(clipped->bounds, QRectF(QPointF(7600, 6400), QPointF(10700, 8600)));
}

void TestWmfCorpus::printingStaysVector() {
    // An equation of text and lines goes into a PDF as text and paths, not
    // as a picture, and its text can be found in it.
    const auto doc = load("poi_64716_image2.wmf");
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

QTEST_MAIN(TestWmfCorpus)
#include "tst_wmfcorpus.moc"
