// SPDX-License-Identifier: GPL-3.0-or-later
// The drag-and-drop rules: zones, snapping, placement, buttons and stacking.

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
    // Box 0 of 1755 by 975 at (7080, 2160): zone 6202.5-8835 by 1672.5-3135, edges out.
    void zoneEdgesAreStrict() {
        // Each edge in turn (left, right, top, bottom), then a twip inside it.
        const struct {
            float x, y;
            bool snaps;
        } drops[] = {{6202.5f, 2000, false}, {6203, 2000, true},     {8835, 2000, false},
                     {8834, 2000, true},     {7000, 1672.5f, false}, {7000, 1673, true},
                     {7000, 3135, false},    {7000, 3134, true}};
        for (const auto& d : drops) {
            DragBoard board({{7080, 2160, 1755, 975}}, {{0, 20000, 100, 100}});
            QCOMPARE(dropAt(board, 0, d.x, d.y).snaps, d.snaps ? 1 : 0);
            QVERIFY(d.snaps ? at(board, 0, 7080, 2160) : at(board, 0, d.x, d.y));
        }
        // Far from zero the bound 9999999.5 rounds to 10000000, which is not passed.
        QVERIFY(!inDropZone({10000000, 0, 1, 2}, 10000000, 0.5f));
        QVERIFY(inDropZone({10000000, 0, 4, 2}, 10000000, 0.5f));
    }

    void boxIsTestedBeforeSlotAndEveryZoneInTurn() {
        // Box 0 and its slot overlap, neither corner in the other's zone: order decides.
        DragBoard boxFirst({{1000, 1000, 1000, 500}}, {{2100, 1000, 1000, 500}});
        QCOMPARE(dropAt(boxFirst, 0, 1800, 1000).snaps, 1);
        QVERIFY(at(boxFirst, 0, 1000, 1000));
        // Box 0's corner lies in box 1's zone: with no early exit both snaps are heard.
        DragBoard chain({{1000, 1000, 1000, 500}, {1400, 1000, 1000, 500}},
                        {{0, 20000, 100, 100}, {0, 20000, 100, 100}});
        QCOMPARE(dropAt(chain, 0, 1100, 1000).snaps, 2);
        QVERIFY(at(chain, 0, 1400, 1000));
    }

    // A 11910 by 8655 screen, a button at the bottom, a 1000 by 500 label from (5000, 1000).
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

    void noLaterZoneTakesAPlacedLabel_data() {
        QTest::addColumn<QString>("screen");
        for (const char* name :
             {"lifeTimelineScreen", "bigNumbersScreen", "starLifeScreen", "innerPlanetsScreen"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void noLaterZoneTakesAPlacedLabel() {
        QFETCH(QString, screen);
        const ActivityLayout layout = layoutNamed(screen);
        DragBoard board = layout.makeBoard();
        // On any box's corner or its own slot's corner a label stays where it snapped.
        for (int i = 0; i < board.size(); ++i) {
            for (int k = 0; k < board.size(); ++k) {
                dropAt(board, i, board.box(k).left, board.box(k).top);
                QVERIFY(at(board, i, board.box(k).left, board.box(k).top));
            }
            dropAt(board, i, board.homeSlot(i).left, board.homeSlot(i).top);
            QVERIFY(at(board, i, layout.starts[size_t(i)].left, layout.starts[size_t(i)].top));
        }
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
    }
};

QTEST_APPLESS_MAIN(DragBoardTest)
#include "tst_dragboard.moc"
