// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input: not a metafile, truncated, impossible sizes and counts, huge
// bitmaps, deep nesting, object floods. Each draws what came before the
// damage, or nothing, and never crashes.

#include "wmftesthelpers.h"

#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

using namespace wmf;

class TestWmfRobustness : public QObject {
    Q_OBJECT

private slots:
    void notAMetafile_data();
    void notAMetafile();
    void damagedFileKeepsRecordsBeforeTheDamage();
    void missingEndRecord();
    void absurdCounts();
    void hugeBitmapIsRefused();
    void deepSaveNesting();
    void objectFlood();
    void escapesAreSkippedByLength();
    void oversizedStrokesAndFonts();
    void randomDamageNeverCrashes();
};

void TestWmfRobustness::notAMetafile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("This is not a picture at all.");
    QByteArray badType = WmfBuilder(0, 0, 0, 0, 0).end();
    badType[0] = 3;
    QTest::newRow("unknown header type") << badType;
    QByteArray badSize = WmfBuilder(0, 0, 0, 0, 0).end();
    badSize[2] = 10;
    QTest::newRow("wrong header size") << badSize;
    QTest::newRow("placeable header alone") << WmfBuilder().end().left(22);
}

void TestWmfRobustness::notAMetafile() {
    QFETCH(QByteArray, bytes);
    QString error;
    QVERIFY(!Document::parse(bytes, &error));
    QVERIFY(!error.isEmpty());
}

void TestWmfRobustness::damagedFileKeepsRecordsBeforeTheDamage() {
    QByteArray bytes = unitBuilder().rec(RECTANGLE, {20, 20, 10, 10}).withoutEnd();
    bytes += WmfBuilder::le32(100000) + WmfBuilder::le16(RECTANGLE) + QByteArray(8, '\0');
    QString error;
    const auto doc = Document::parse(bytes, &error);
    QVERIFY(doc);
    QVERIFY(error.contains("100000"));
    QCOMPARE(doc->damage(), error);
    QCOMPARE(doc->recordCount(), 1);
    QCOMPARE(playRecorded(bytes)->paths().size(), 2); // fill and outline

    // A record shorter than its own header.
    QByteArray tiny = unitBuilder().withoutEnd() + WmfBuilder::le32(2) + WmfBuilder::le16(0x41B);
    QVERIFY(Document::parse(tiny, &error));
    QVERIFY(!error.isEmpty());
}

void TestWmfRobustness::missingEndRecord() {
    QString error;
    const auto doc = Document::parse(unitBuilder().rec(SAVEDC, {}).withoutEnd(), &error);
    QVERIFY(doc);
    QCOMPARE(error, QStringLiteral("no end record"));
    QCOMPARE(doc->recordCount(), 1);
}

void TestWmfRobustness::absurdCounts() {
    WmfBuilder b = unitBuilder();
    b.rec(POLYGON, {30000, 1, 1, 5, 5});            // 30000 points announced, 2 present
    b.rec(POLYLINE, {-5, 1, 1});                    // negative count
    b.rec(POLYPOLYGON, {2, 60000, 60000, 1, 1});    // counts far beyond the record
    b.rec(POLYPOLYGON, {40000});                    // polygon count beyond the record
    b.rec(TEXTOUT, {5000}, QByteArray("ab"));       // string beyond the record
    b.rec(EXTTEXTOUT, {0, 0, -3, 0});               // negative length
    b.rec(RECTANGLE, {1, 2});                       // too short for its fields
    b.rec(CREATEPALETTE, {0x300, 5000});            // entries beyond the record
    b.rec(CREATEREGION, {0, 6, 0, 0, 0, 30000, 0}); // scans beyond the record
    b.rec(RECTANGLE, {20, 20, 10, 10});             // still played
    PlayReport report;
    const auto d = playRecorded(b.end(), &report);
    QCOMPARE(report.malformed, 9);
    QCOMPARE(d->paths().size(), 2);
}

void TestWmfRobustness::hugeBitmapIsRefused() {
    QByteArray dib;
    for (quint32 v : {40u, 60000u, 60000u})
        dib += WmfBuilder::le32(v);
    dib += WmfBuilder::le16(1) + WmfBuilder::le16(32) + QByteArray(24, '\0');
    PlayReport report;
    const auto d = playRecorded(
        unitBuilder().rec(STRETCHDIB, {0x20, 0xCC, 0, 10, 10, 0, 0, 10, 10, 0, 0}, dib).end(),
        &report);
    QCOMPARE(report.unsupportedBitmaps, 1);
    QVERIFY(d->images().isEmpty());
}

void TestWmfRobustness::deepSaveNesting() {
    // Far more saves than the limit, then as many restores, then a window
    // change inside a save: the restores beyond the limit pair up, and the
    // level before the nesting comes back.
    WmfBuilder b = unitBuilder();
    for (int i = 0; i < 3000; ++i)
        b.rec(SAVEDC, {});
    b.rec(SETWINDOWEXT, {2000, 2000});
    for (int i = 0; i < 3000; ++i)
        b.rec(RESTOREDC, {-1});
    b.rec(RESTOREDC, {-30000}); // nothing left: ignored
    b.rec(RESTOREDC, {0});      // ignored
    b.rec(RESTOREDC, {5});      // no such level: ignored
    b.rec(RECTANGLE, {20, 20, 10, 10});
    const auto paths = playRecorded(b.end())->paths();
    QCOMPARE(paths.size(), 2);
    QCOMPARE(paths[0].bounds, QRectF(10, 10, 10, 10));

    // A positive level restores that absolute save.
    WmfBuilder c = unitBuilder();
    c.rec(SAVEDC, {}).rec(SETWINDOWEXT, {2000, 2000}).rec(SAVEDC, {}).rec(SAVEDC, {});
    c.rec(RESTOREDC, {1}).rec(RECTANGLE, {20, 20, 10, 10});
    QCOMPARE(firstPathBoundsOf(c.end()), QRectF(10, 10, 10, 10));
}

void TestWmfRobustness::objectFlood() {
    // More objects than the table holds: the extra ones are dropped, the
    // file plays on and indices of the kept ones still work.
    WmfBuilder b = unitBuilder();
    b.rec(CREATEBRUSHINDIRECT, {0, 0x00FF, 0, 0});
    for (int i = 0; i < 20000; ++i)
        b.rec(CREATEPENINDIRECT, {0, 1, 0, 0, 0});
    b.rec(SELECTOBJECT, {0});
    b.rec(RECTANGLE, {20, 20, 10, 10});
    const auto paths = playRecorded(b.end())->paths();
    QCOMPARE(paths.size(), 2);
    QCOMPARE(paths[0].brush.color(), QColor(Qt::red));
}

void TestWmfRobustness::escapesAreSkippedByLength() {
    // An escape whose inner length claims far more than the record holds.
    PlayReport report;
    const auto d = playRecorded(
        unitBuilder().rec(ESCAPE, {15, 30000, 1, 2, 3}).rec(RECTANGLE, {20, 20, 10, 10}).end(),
        &report);
    QCOMPARE(report.ignored, 1);
    QCOMPARE(d->paths().size(), 2);
}

void TestWmfRobustness::oversizedStrokesAndFonts() {
    // A window of one unit on a page-sized frame: a dotted line across the
    // 16-bit range would be millions of dots long on the device, and a font
    // 30000 units tall would be far larger than anything it could show.
    WmfBuilder b(0, 0, 1000, 1000, 96);
    b.rec(SETWINDOWEXT, {1, 1}).rec(SETBKMODE, {TRANSPARENT});
    b.rec(CREATEPENINDIRECT, {PS_DOT, 0, 0, 0, 0}).rec(SELECTOBJECT, {0});
    b.rec(MOVETO, {0, -32000}).rec(LINETO, {0, 32000});
    b.rec(CREATEFONTINDIRECT, {-30000, 0, 0, 0, 400}, QByteArray(8, '\0'));
    b.rec(SELECTOBJECT, {1}).rec(TEXTOUT, {1}, QByteArray("W\0\0\0\0\0", 6));
    const auto d = playRecorded(b.end(), nullptr, QRectF(0, 0, 500, 500));
    const auto paths = d->paths();
    QCOMPARE(paths.size(), 1);
    QCOMPARE(paths[0].pen.style(), Qt::SolidLine);
    const auto texts = d->texts();
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].pixelSize, 2000.0);
}

void TestWmfRobustness::randomDamageNeverCrashes() {
    // A file with one of each kind of record, damaged at random places.
    QByteArray dib;
    for (quint32 v : {40u, 2u, 2u})
        dib += WmfBuilder::le32(v);
    dib += WmfBuilder::le16(1) + WmfBuilder::le16(8) + QByteArray(24, '\0') +
           QByteArray(256 * 4, '\x40') + QByteArray(8, '\1');
    WmfBuilder b = unitBuilder();
    b.rec(SETMAPMODE, {MM_ANISOTROPIC}).rec(SETWINDOWEXT, {500, 500});
    b.rec(CREATEPENINDIRECT, {1, 3, 0, 0x00FF, 0}).rec(SELECTOBJECT, {0});
    b.rec(CREATEBRUSHINDIRECT, {2, 0xFF00, 0, 3}).rec(SELECTOBJECT, {1});
    b.rec(CREATEFONTINDIRECT, {-20, 0, 450, 0, 700}, QByteArray("\1\1\1\x80\0\0\0\0Font", 12));
    b.rec(SELECTOBJECT, {2}).rec(SETTEXTALIGN, {25});
    b.rec(EXTTEXTOUT, {10, 10, 4, 6, 0, 0, 50, 50}, QByteArray("\x93\xfa\x96\x7b\5\0\5\0\5\0\5\0"));
    b.rec(POLYPOLYGON, {2, 3, 3, 0, 0, 9, 9, 0, 9, 5, 5, 6, 6, 5, 6});
    b.rec(ARC, {0, 0, 10, 10, 100, 100, 0, 0}).rec(PIE, {0, 0, 10, 10, 100, 100, 0, 0});
    b.rec(SAVEDC, {})
        .rec(INTERSECTCLIPRECT, {90, 90, 10, 10})
        .rec(EXCLUDECLIPRECT, {50, 50, 20, 20});
    b.rec(STRETCHDIB, {0x20, 0xCC, 0, 2, 2, 0, 0, -50, 50, 0, 0}, dib);
    b.rec(DIBCREATEPATTERNBRUSH, {5, 0}, dib).rec(SELECTOBJECT, {3});
    b.rec(PATBLT, {0x21, 0xF0, 30, 30, 5, 5}).rec(RESTOREDC, {-1});
    const QByteArray good = b.end();

    QRandomGenerator rng(20240601);
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = good;
        const int changes = 1 + int(rng.bounded(6));
        for (int i = 0; i < changes; ++i)
            bytes[int(rng.bounded(quint32(bytes.size())))] = char(rng.bounded(256));
        if (round % 7 == 0)
            bytes.truncate(int(rng.bounded(quint32(bytes.size()))));
        if (const auto doc = Document::parse(bytes)) {
            QPainter painter(&image);
            doc->play(painter, QRectF(0, 0, 64, 64));
        }
    }
}

QTEST_MAIN(TestWmfRobustness)
#include "tst_wmfrobustness.moc"
