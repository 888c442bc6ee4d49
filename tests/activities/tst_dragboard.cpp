// SPDX-License-Identifier: GPL-3.0-or-later
// The drag-and-drop rules: zones, snapping, the placement count, the three
// buttons and stacking, on the four activities' own layouts.

#include "activities/activitylayouts.h"
#include "activities/dragboard.h"
#include "platform/mediapaths.h"

#include <QtTest>

using namespace activities;

namespace {

bool at(const DragBoard& board, int label, float left, float top) {
    return board.label(label).left == left && board.label(label).top == top;
}

// Releases `label` with its top-left corner at (left, top).
DragBoard::Drop dropAt(DragBoard& board, int label, float left, float top) {
    board.moveTo(label, left, top);
    return board.drop(label);
}

// The shipped activity file whose screen is named so.
ActivityLayout layoutNamed(const QString& name) {
    platform::setContentRoot(QStringLiteral(CORVELLA_SOURCE_MEDIA));
    for (const char* file : {"life order", "sun order", "sun label", "life label"}) {
        const ActivityRead read =
            loadActivityLayout(QStringLiteral("activities\\%1.json").arg(QLatin1String(file)));
        if (!read.layout)
            qFatal("%s", qPrintable(read.problem));
        if (read.layout->screenName == name)
            return *read.layout;
    }
    qFatal("no such layout");
}

} // namespace

class DragBoardTest : public QObject {
    Q_OBJECT
private slots:
    // The timeline's box 0: 1755 by 975 at (7080, 2160); the zone runs from
    // 6202.5 to 8835 across and from 1672.5 to 3135 down, edges excluded.
    void zoneEdgesAreStrict_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("snaps");
        QTest::newRow("left edge") << 6202.5f << 2000.f << false;
        QTest::newRow("just inside left") << 6203.f << 2000.f << true;
        QTest::newRow("right edge") << 8835.f << 2000.f << false;
        QTest::newRow("just inside right") << 8834.f << 2000.f << true;
        QTest::newRow("top edge") << 7000.f << 1672.5f << false;
        QTest::newRow("just inside top") << 7000.f << 1673.f << true;
        QTest::newRow("bottom edge") << 7000.f << 3135.f << false;
        QTest::newRow("just inside bottom") << 7000.f << 3134.f << true;
    }
    void zoneEdgesAreStrict() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, snaps);
        DragBoard board({{7080, 2160, 1755, 975}}, {{0, 20000, 100, 100}});
        QCOMPARE(dropAt(board, 0, x, y).snaps, snaps ? 1 : 0);
        QVERIFY(snaps ? at(board, 0, 7080, 2160) : at(board, 0, x, y));
        // Far from zero the bound 9999999.5 rounds to 10000000, which a label there
        // does not pass.
        QVERIFY(!inDropZone({10000000, 0, 1, 2}, 10000000, 0.5f));
        QVERIFY(inDropZone({10000000, 0, 4, 2}, 10000000, 0.5f));
    }

    // Where zones overlap, the first one tested takes the label, and its
    // corner then lies outside the later one.
    void overlappingZonesGoToTheLowestIndex_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        const auto row = [](const char* name, const char* screen, float x, float y, float left,
                            float top) {
            QTest::newRow(name) << QString::fromLatin1(screen) << x << y << left << top;
        };
        row("timeline 0 and 2", "lifeTimelineScreen", 8500, 2000, 7080, 2160);
        row("timeline 4 and 5", "lifeTimelineScreen", 9000, 4980, 7980, 4980);
        row("numbers slots 1 and 2", "bigNumbersScreen", 3000, 6600, 240, 6600);
        row("numbers box 1 from above", "bigNumbersScreen", 8040, 140, 8040, 240);
        row("numbers above box 1's zone", "bigNumbersScreen", 8040, -60, 8040, -60);
        row("star slots 2 and 3", "starLifeScreen", 400, 7400, 300, 7560);
        row("planet slots 0 and 1", "innerPlanetsScreen", 1000, 7300, 120, 7440);
        row("the Earth's box", "innerPlanetsScreen", 7100, 4200, 7860, 4320);
    }
    void overlappingZonesGoToTheLowestIndex() {
        QFETCH(QString, screen);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(float, left);
        QFETCH(float, top);
        DragBoard board = layoutNamed(screen).makeBoard();
        dropAt(board, 0, x, y);
        QVERIFY2(at(board, 0, left, top),
                 qPrintable(
                     QStringLiteral("at %1, %2").arg(board.label(0).left).arg(board.label(0).top)));
    }

    void boxIsTestedBeforeSlotAndEveryZoneInTurn() {
        // Box 0 and its slot overlap; neither corner lies in the other's zone, so
        // the order decides.
        DragBoard boxFirst({{1000, 1000, 1000, 500}}, {{2100, 1000, 1000, 500}});
        QCOMPARE(dropAt(boxFirst, 0, 1800, 1000).snaps, 1);
        QVERIFY(at(boxFirst, 0, 1000, 1000));
        // Box 0's corner lies in box 1's zone: with no early exit both snaps are
        // heard.
        DragBoard chain({{1000, 1000, 1000, 500}, {1400, 1000, 1000, 500}},
                        {{0, 20000, 100, 100}, {0, 20000, 100, 100}});
        QCOMPARE(dropAt(chain, 0, 1100, 1000).snaps, 2);
        QVERIFY(at(chain, 0, 1400, 1000));
    }

    // A screen of 11910 by 8655 twips with one button at the bottom; one label
    // of 1000 by 500 picked up from its box at (5000, 1000).
    void aDropOffTheScreenOrOnAButtonGoesBack_data() {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<bool>("returned");
        QTest::newRow("free ground") << 2000.f << 6000.f << false;
        QTest::newRow("touching the right edge") << 10910.f << 6000.f << false;
        QTest::newRow("touching the bottom edge") << 500.f << 8155.f << false;
        QTest::newRow("a twip over the right edge") << 10911.f << 6000.f << true;
        QTest::newRow("a twip over the bottom edge") << 500.f << 8156.f << true;
        QTest::newRow("off the left") << -1.f << 6000.f << true;
        QTest::newRow("off the top") << 2000.f << -1.f << true;
        QTest::newRow("far off the window") << 20000.f << 20000.f << true;
        QTest::newRow("a corner on the button") << 2500.f << 7500.f << true;
        QTest::newRow("touching the button's top") << 3000.f << 7420.f << false;
        QTest::newRow("touching the button's left") << 2360.f << 7920.f << false;
        QTest::newRow("the box's zone by the edge") << 4600.f << 800.f << false;
    }
    void aDropOffTheScreenOrOnAButtonGoesBack() {
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(bool, returned);
        DragBoard board({{5000, 1000, 1000, 500}}, {{100, 100, 1000, 500}});
        board.setRestingArea({0, 0, 11910, 8655}, {{3360, 7920, 2565, 495}});
        QCOMPARE(dropAt(board, 0, 5000, 1000).snaps, 1);
        const DragBoard::Drop drop = dropAt(board, 0, left, top);
        QCOMPARE(drop.returned, returned);
        if (returned) {
            QVERIFY(at(board, 0, 5000, 1000));
            QCOMPARE(drop.snaps, 0); // no snap heard
            QCOMPARE(drop.placed, 1);
        } else if (drop.snaps == 0) {
            QVERIFY(at(board, 0, left, top));
        }
    }

    void aReturnedLabelGoesToWhereThisDragBegan() {
        DragBoard board = layoutNamed("lifeTimelineScreen").makeBoard();
        board.setRestingArea({0, 0, 11910, 8655}, {});
        QVERIFY(!dropAt(board, 2, 4000, 4000).returned);
        QVERIFY(dropAt(board, 2, 11500, 4000).returned);
        QVERIFY(at(board, 2, 4000, 4000));
        // Start Again sends it home; from there it comes back home.
        board.press(ActivityButton::StartAgain);
        QVERIFY(dropAt(board, 2, -500, 4000).returned);
        QVERIFY(at(board, 2, board.homeSlot(2).left, board.homeSlot(2).top));
    }

    void dragNeedsTheLeftButtonAlone() {
        DragBoard board = layoutNamed("lifeTimelineScreen").makeBoard();
        for (Qt::MouseButtons held : {Qt::LeftButton | Qt::RightButton,
                                      Qt::MouseButtons(Qt::RightButton), Qt::MouseButtons()})
            QVERIFY(!board.drag(3, held, 100, 100));
        QVERIFY(at(board, 3, 600, 6720));
        // The centre jumps under the pointer and then follows it.
        QVERIFY(board.drag(3, Qt::LeftButton, 100, 100));
        QVERIFY(at(board, 3, -177.5f, 6332.5f));
        QVERIFY(board.drag(3, Qt::LeftButton, 877.5f + 30, 487.5f - 15));
        QVERIFY(at(board, 3, -147.5f, 6317.5f));
    }

    void everyLabelOnItsOwnBoxScoresFull_data() {
        QTest::addColumn<QString>("screen");
        for (const char* name :
             {"lifeTimelineScreen", "bigNumbersScreen", "starLifeScreen", "innerPlanetsScreen"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyLabelOnItsOwnBoxScoresFull() {
        QFETCH(QString, screen);
        const ActivityLayout layout = layoutNamed(screen);
        DragBoard board = layout.makeBoard();
        // On any box's corner or its own slot's a label stays: no later zone takes
        // it away.
        for (int i = 0; i < board.size(); ++i) {
            for (int k = 0; k < board.size(); ++k) {
                dropAt(board, i, board.box(k).left, board.box(k).top);
                QVERIFY(at(board, i, board.box(k).left, board.box(k).top));
            }
            dropAt(board, i, board.homeSlot(i).left, board.homeSlot(i).top);
            QVERIFY(at(board, i, layout.starts[size_t(i)].left, layout.starts[size_t(i)].top));
        }
        for (int i = 0; i < board.size(); ++i) {
            QVERIFY(!board.checkScoreShown());
            dropAt(board, i, board.box(i).left + 10, board.box(i).top - 10);
        }
        QVERIFY(board.checkScoreShown());
        // A click on a placed label snaps it again and counts again.
        const DragBoard::Drop again = board.drop(0);
        QCOMPARE(again.snaps, 1);
        QCOMPARE(again.placed, board.size());
        const DragBoard::Press press = board.press(ActivityButton::CheckScore);
        QCOMPARE(press.score, layout.size());
        QVERIFY(press.showResults && !press.closeScreen);
    }

    void labelsStackedInOneBoxCountButScoreOne() {
        DragBoard board = layoutNamed("innerPlanetsScreen").makeBoard();
        for (int i = 0; i < board.size(); ++i)
            dropAt(board, i, 3300, 4300); // Mercury's box, box 2
        QCOMPARE(board.placedCount(), 6);
        QVERIFY(board.checkScoreShown());
        QCOMPARE(board.press(ActivityButton::CheckScore).score, 1);
        // The uppermost label takes a press there, then the next below.
        QCOMPARE(board.labelAt(3300, 4400), 5);
        board.moveTo(5, 0, 0);
        QCOMPARE(board.labelAt(3300, 4400), 4);
        QCOMPARE(board.labelAt(3240 + 1680, 4400), -1); // right edge is outside
    }

    void checkScoreStaysUntilStartAgain() {
        DragBoard board = layoutNamed("starLifeScreen").makeBoard();
        for (int i = 0; i < board.size(); ++i)
            dropAt(board, i, board.box(i).left, board.box(i).top);
        // Out onto the open screen, partly beyond its edge: it stays there.
        QCOMPARE(dropAt(board, 1, -900, 3000).snaps, 0);
        QVERIFY(at(board, 1, -900, 3000));
        QCOMPARE(board.placedCount(), 3);
        QVERIFY(board.checkScoreShown());
        QCOMPARE(board.press(ActivityButton::CheckScore).score, 3);

        const DragBoard::Press again = board.press(ActivityButton::StartAgain);
        QCOMPARE(again.score, 0);
        QVERIFY(!again.showResults && !again.closeScreen);
        QVERIFY(!board.checkScoreShown());
        for (int i = 0; i < board.size(); ++i)
            QVERIFY(at(board, i, board.homeSlot(i).left, board.homeSlot(i).top));

        for (int i = 0; i < board.size(); ++i)
            dropAt(board, i, board.box(i).left, board.box(i).top);
        const DragBoard::Press exit = board.press(ActivityButton::Exit);
        QCOMPARE(exit.score, 0);
        QVERIFY(exit.closeScreen && !exit.showResults);
    }
};

QTEST_APPLESS_MAIN(DragBoardTest)
#include "tst_dragboard.moc"
