// SPDX-License-Identifier: GPL-3.0-or-later
// The scale of fit to screen: the largest that keeps the window's shape on
// the display, and how it joins a scale the environment already asks for.

#include "platform/displayscale.h"

#include <QtTest>

class DisplayScaleTest : public QObject {
    Q_OBJECT
private slots:
    void fittedScale_data() {
        QTest::addColumn<QSizeF>("display");
        QTest::addColumn<double>("scale");
        QTest::newRow("1920x1080, height bound") << QSizeF(1920, 1080) << 1.8;
        QTest::newRow("1920x1200") << QSizeF(1920, 1200) << 2.0;
        QTest::newRow("ultra-wide") << QSizeF(3840, 1080) << 1.8;
        QTest::newRow("portrait, width bound") << QSizeF(1024, 2000) << 1.28;
        QTest::newRow("1366x768") << QSizeF(1366, 768) << 1.28;
        QTest::newRow("the window's own size") << QSizeF(800, 600) << 1.0;
        QTest::newRow("smaller display shrinks") << QSizeF(640, 480) << 0.8;
        QTest::newRow("rounded down, never up") << QSizeF(1000, 700) << 1.16;
        QTest::newRow("no display") << QSizeF() << 1.0;
    }
    void fittedScale() {
        QFETCH(QSizeF, display);
        QFETCH(double, scale);
        const QSizeF window(800, 600);
        const double fitted = platform::fittedScale(display, window);
        QCOMPARE(fitted, scale);
        if (!display.isEmpty()) {
            QVERIFY(window.width() * fitted <= display.width());
            QVERIFY(window.height() * fitted <= display.height());
        }
    }

    // --fit never shrinks: the toolkit clips controls below scale 1.
    void fitNeverShrinks_data() {
        QTest::addColumn<QSizeF>("display");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("refused");
        QTest::newRow("1920x1080 grows") << QSizeF(1920, 1080) << 1.8 << false;
        QTest::newRow("the window's own size") << QSizeF(800, 600) << 1.0 << false;
        QTest::newRow("640x480 keeps 1") << QSizeF(640, 480) << 1.0 << true;
        QTest::newRow("a projector with a panel") << QSizeF(800, 570) << 1.0 << true;
        QTest::newRow("no display") << QSizeF() << 1.0 << false;
    }
    void fitNeverShrinks() {
        QFETCH(QSizeF, display);
        QFETCH(double, scale);
        QFETCH(bool, refused);
        QString refusal = QStringLiteral("left over");
        QCOMPARE(platform::scaleForFit(display, QSizeF(800, 600), &refusal), scale);
        QCOMPARE(!refusal.isEmpty(), refused);
        if (refused) {
            QVERIFY(!refusal.contains(u'\n'));
            QVERIFY2(
                refusal.contains(
                    QStringLiteral("(%1 by %2 pixels)").arg(display.width()).arg(display.height())),
                qPrintable(refusal));
        }
    }

    void scaleJoinsTheEnvironments_data() {
        QTest::addColumn<QByteArray>("already");
        QTest::addColumn<double>("fitted");
        QTest::addColumn<double>("factor");
        QTest::newRow("none set") << QByteArray() << 1.8 << 1.8;
        // The display was measured in the environment's larger pixels.
        QTest::newRow("1.25 set") << QByteArray("1.25") << 1.44 << 1.8;
        QTest::newRow("nonsense set") << QByteArray("big") << 1.5 << 1.5;
        QTest::newRow("zero set") << QByteArray("0") << 1.5 << 1.5;
    }
    void scaleJoinsTheEnvironments() {
        QFETCH(QByteArray, already);
        QFETCH(double, fitted);
        QFETCH(double, factor);
        if (already.isNull())
            qunsetenv("QT_SCALE_FACTOR");
        else
            qputenv("QT_SCALE_FACTOR", already);
        platform::scaleEveryWindow(fitted);
        QCOMPARE(qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(), factor);
        qunsetenv("QT_SCALE_FACTOR");
    }
};

QTEST_APPLESS_MAIN(DisplayScaleTest)
#include "tst_displayscale.moc"
