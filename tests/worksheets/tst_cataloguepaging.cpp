// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/cataloguepaging.h"

#include <QTest>

using namespace worksheets;

class CataloguePagingTest : public QObject {
    Q_OBJECT

private slots:
    void pages() {
        CataloguePage page = cataloguePage(0, 0);
        QCOMPARE(page.last, 0);
        QVERIFY(!page.previousShown);
        QVERIFY(!page.nextShown);
        QCOMPARE(page.caption, QStringLiteral("Page 1"));

        page = cataloguePage(0, 24);
        QCOMPARE(page.first, 1);
        QCOMPARE(page.last, 24);
        QVERIFY(!page.nextShown);

        page = cataloguePage(0, 25);
        QCOMPARE(page.last, 24);
        QVERIFY(page.nextShown);
        page = cataloguePage(1, 25);
        QCOMPARE(page.first, 25);
        QCOMPARE(page.last, 25);
        QVERIFY(page.previousShown);
        QVERIFY(!page.nextShown);
        QCOMPARE(page.caption, QStringLiteral("Page 2"));

        page = cataloguePage(1, 48);
        QCOMPARE(page.last, 48);
        QVERIFY(!page.nextShown);
    }

    void theLastEntriesOfAFullListCanBeReached() {
        QCOMPARE(kLastCataloguePage, 41);
        CataloguePage page = cataloguePage(40, 1000);
        QCOMPARE(page.first, 961);
        QCOMPARE(page.last, 984);
        QVERIFY(page.nextShown);
        page = cataloguePage(41, 1000);
        QCOMPARE(page.first, 985);
        QCOMPARE(page.last, 1000);
        QVERIFY(page.previousShown);
        QVERIFY(!page.nextShown);
        QCOMPARE(page.caption, QStringLiteral("Page 42"));
    }

    void titlesLeftAfterADeletion() {
        QCOMPARE(titlesLeftOnPage(0, 30), 24); // the next page's first moves up
        QCOMPARE(titlesLeftOnPage(1, 30), 6);
        QCOMPARE(titlesLeftOnPage(1, 24), 0); // the only title of the last page went
        QCOMPARE(titlesLeftOnPage(2, 24), 0);
    }
};

int runCataloguePagingTests(int argc, char** argv) {
    CataloguePagingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cataloguepaging.moc"
