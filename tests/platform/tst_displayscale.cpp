// SPDX-License-Identifier: GPL-3.0-or-later
// The scale of fit to screen, never below 1, joined to a scale the environment asks for.

#include "platform/displayscale.h"

#include <QtTest>

class DisplayScaleTest : public QObject {
    Q_OBJECT
private slots:
    // Below scale 1 the toolkit clips controls: --fit keeps 1 and says why, naming the display.
    void fittedScale_data() {
        QTest::addColumn<QSizeF>("display");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("refused");
        QTest::newRow("1920x1080, height bound") << QSizeF(1920, 1080) << 1.8 << false;
        QTest::newRow("portrait, width bound") << QSizeF(1024, 2000) << 1.28 << false;
        QTest::newRow("rounded down, never up") << QSizeF(1000, 700) << 1.16 << false;
        QTest::newRow("the window's own size") << QSizeF(800, 600) << 1.0 << false;
        QTest::newRow("smaller") << QSizeF(640, 480) << 0.8 << true;
        QTest::newRow("a projector with a panel") << QSizeF(800, 570) << 0.95 << true;
        QTest::newRow("no display") << QSizeF() << 1.0 << false;
    }
    void fittedScale() {
        QFETCH(QSizeF, display);
        QFETCH(double, scale);
        QFETCH(bool, refused);
        const QSizeF window(800, 600);
        QCOMPARE(platform::fittedScale(display, window), scale);
        QString refusal = QStringLiteral("left over");
        QCOMPARE(platform::scaleForFit(display, window, &refusal), refused ? 1.0 : scale);
        QCOMPARE(!refusal.isEmpty(), refused);
        QVERIFY(!refusal.contains(u'\n'));
        if (refused)
            QVERIFY2(
                refusal.contains(
                    QStringLiteral("(%1 by %2 pixels)").arg(display.width()).arg(display.height())),
                qPrintable(refusal));
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
