// SPDX-License-Identifier: GPL-3.0-or-later
// Real files from several producers: each plays to its end (or stops cleanly
// at its damage), and chosen numbers match what their records prescribe.

#include "wmftesthelpers.h"

#include <QDir>
#include <QImage>
#include <QPdfWriter>
#include <QtTest>

using namespace wmf;

namespace {

QString corpusFile(const QString& name) {
    return QDir(QStringLiteral(CORVELLA_WMF_CORPUS)).filePath(name);
}

} // namespace

class TestWmfCorpus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFilePlays_data();
    void everyFilePlays();
    void yUpClipArt();
    void equationTextFollowsTheCurrentPosition();
    void shiftJisSlideText();
    void sizeWithoutPlaceableHeader();
    void clipRectangleOfTheFullTest();
    void printingStaysVector();

private:
    std::unique_ptr<RecordingDevice> playFile(const QString& name, QRectF* frame = nullptr);
};

void TestWmfCorpus::initTestCase() {
    if (!QDir(QStringLiteral(CORVELLA_WMF_CORPUS)).exists())
        QSKIP("the metafile corpus folder is absent");
}

std::unique_ptr<RecordingDevice> TestWmfCorpus::playFile(const QString& name, QRectF* frame) {
    const auto doc = Document::load(corpusFile(name));
    if (!doc)
        return nullptr;
    // Play at one device unit per page unit, so records can be checked by hand.
    const QRectF target(QPointF(0, 0), doc->frame().size());
    if (frame)
        *frame = target;
    auto device = std::make_unique<RecordingDevice>();
    QPainter painter(device.get());
    doc->play(painter, target);
    return device;
}

void TestWmfCorpus::everyFilePlays_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(CORVELLA_WMF_CORPUS));
    const QStringList files = dir.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
    for (const QString& f : files)
        QTest::newRow(qPrintable(f)) << dir.filePath(f);
}

void TestWmfCorpus::everyFilePlays() {
    QFETCH(QString, path);
    QString error;
    const auto doc = Document::load(path, &error);
    QVERIFY2(doc, qPrintable(error));
    const bool damaged = path.endsWith(QLatin1String("poi_61338.wmf"));
    QCOMPARE(error.isEmpty(), !damaged);
    QVERIFY(doc->recordCount() > 0);
    const QSizeF inches = doc->naturalSizeInches();
    QVERIFY(inches.width() > 0.01 && inches.width() < 20);
    QVERIFY(inches.height() > 0.01 && inches.height() < 20);

    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlayReport report;
    doc->play(painter, QRectF(0, 0, 400, 300), &report);
    painter.end();
    // Only the full test carries a malformed record (a region of 4 words).
    QCOMPARE(report.malformed, path.endsWith(QLatin1String("fulltest.wmf")) ? 1 : 0);
    QCOMPARE(report.unsupportedBitmaps, 0);
    QCOMPARE(report.played + report.ignored + report.malformed, doc->recordCount());
}

void TestWmfCorpus::yUpClipArt() {
    // Placeable box (-1821,-2387)-(64,-365) at 1000 per inch; window origin
    // (-1821,-365), extent (1885,-2022): y points up. The first polygon
    // starts at (-842,-382): x 979 and y 17 from the top-left of the frame.
    const auto doc = Document::load(corpusFile(QStringLiteral("poi_santa.wmf")));
    QVERIFY(doc);
    QCOMPARE(doc->naturalSizeInches(), QSizeF(1.885, 2.022));
    const auto d = playFile(QStringLiteral("poi_santa.wmf"));
    const auto paths = d->paths();
    QVERIFY(!paths.isEmpty());
    const QPointF first = paths[0].path.elementAt(0);
    QCOMPARE(first, QPointF(979, 17));
}

void TestWmfCorpus::equationTextFollowsTheCurrentPosition() {
    // Window 1472 x 992 onto a frame of 1622 x 1093; baseline alignment with
    // update-current-position. "2" is drawn at MOVETO (1291,436), "1" at
    // (664,366), both scaled by the window mapping; the large font is 384 units.
    const auto d = playFile(QStringLiteral("poi_64716_image1.wmf"));
    const auto texts = d->texts();
    QVERIFY(texts.size() >= 2);
    const double sx = 1622.0 / 1472, sy = 1093.0 / 992;
    QCOMPARE(texts[0].text, QStringLiteral("2"));
    QCOMPARE(texts[0].origin, QPointF(1291 * sx, 436 * sy));
    QCOMPARE(texts[1].text, QStringLiteral("1"));
    QCOMPARE(texts[1].origin, QPointF(664 * sx, 366 * sy));
    QCOMPARE(texts[1].pixelSize, 384 * sy);
}

void TestWmfCorpus::shiftJisSlideText() {
    const auto d = playFile(QStringLiteral("poi_60677.wmf"));
    QString all;
    for (const auto& t : d->texts())
        all += t.text;
    QVERIFY2(all.contains(QStringLiteral("航")), qPrintable(all.left(200)));
    QVERIFY(all.contains(QStringLiteral("年度")));
}

void TestWmfCorpus::sizeWithoutPlaceableHeader() {
    // No placeable header: the window (443 x 182) in pixels at 96 per inch.
    const auto doc = Document::load(corpusFile(QStringLiteral("poi_testException2.doc-2.wmf")));
    QVERIFY(doc);
    QCOMPARE(doc->naturalSizeInches(), QSizeF(443.0 / 96, 182.0 / 96));
}

void TestWmfCorpus::clipRectangleOfTheFullTest() {
    // Section 6: SAVEDC, INTERSECTCLIPRECT (8000,6750)-(10100,8150), then a
    // rectangle; window and viewport are both 27940 x 21590, like the frame.
    const auto d = playFile(QStringLiteral("wmf2svg_fulltest.wmf"));
    bool found = false;
    for (const auto& p : d->paths()) {
        if (p.clipped && p.clip == QRectF(QPointF(8000, 6750), QPointF(10100, 8150))) {
            found = true;
            QCOMPARE(p.bounds, QRectF(QPointF(7600, 6400), QPointF(10700, 8600)));
            break;
        }
    }
    QVERIFY(found);
}

void TestWmfCorpus::printingStaysVector() {
    // An equation of text and lines goes into a PDF as text and paths, not
    // as a picture, and its text can be found in it.
    const auto doc = Document::load(corpusFile(QStringLiteral("poi_64716_image2.wmf")));
    QVERIFY(doc);
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A5));
        QPainter painter(&writer);
        const QSizeF size = doc->naturalSizeInches() * 1200;
        doc->play(painter, QRectF(QPointF(100, 100), size));
    }
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(!pdf.contains("/Subtype /Image"));
    QVERIFY(pdf.contains("/FontFile"));
}

QTEST_MAIN(TestWmfCorpus)
#include "tst_wmfcorpus.moc"
