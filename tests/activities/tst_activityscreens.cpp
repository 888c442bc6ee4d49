// SPDX-License-Identifier: GPL-3.0-or-later
// The four activity screens, offscreen, with real pointer, touch and key events.

#include "activities/activityscreen.h"
#include "common/sharedstate.h"
#include "platform/appwindow.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "platform/twips.h"
#include "quiz/resultsscreen.h"
#include "support/testenv.h"
#include "support/topicscreens.h"
#include "topics/topicscreen.h"

#include <QLineEdit>
#include <QPointingDevice>
#include <QtTest>

using namespace activities;
using common::state;

namespace {
const QString kThud = QStringLiteral("wav\\thud3.wav");
const QString kClick = QStringLiteral("wav\\click.wav");

QWindow* window() {
    return platform::AppWindow::instance().windowHandle();
}

QPoint centreOf(const QWidget* widget) {
    return widget->mapTo(&platform::AppWindow::instance(), widget->rect().center());
}

// A rectangle given in twips on the screen: its centre in the program window's pixels.
QPoint centreOf(const ActivityScreen& screen, const TwipRect& r) {
    const QPoint pixels(platform::twipsToPixels(r.left + r.width / 2),
                        platform::twipsToPixels(r.top + r.height / 2));
    return screen.mapTo(&platform::AppWindow::instance(), pixels);
}

// Opens an activity as the pupil does, from its topic screen, with the sound on.
ActivityScreen& openScreen(testenv::Fixture& env, const QString& name) {
    const bool sun = name == "bigNumbersScreen" || name == "starLifeScreen";
    const bool labelling = name == "starLifeScreen" || name == "innerPlanetsScreen";
    topics::TopicScreen& topic = sun ? testenv::sunScreen() : testenv::lifeScreen();
    topic.showScreen();
    QTest::mouseClick(window(), Qt::LeftButton, {},
                      centreOf(labelling ? topic.labellingButton : topic.orderingButton));
    auto* screen = static_cast<ActivityScreen*>(platform::ScreenRegistry::instance().find(name));
    if (!screen || platform::AppWindow::instance().frontScreen() != screen)
        qFatal("the topic screen did not open the activity");
    if (screen->titleLabel->caption() != topic.titleLabel->caption())
        qFatal("the activity's title is not the topic's");
    env.sound.played.clear(); // the topic's click
    state().soundOn = true;
    return *screen;
}

// Drags label `i` with the mouse to put its top-left corner near (left, top).
void dragLabel(const ActivityScreen& screen, int i, float left, float top) {
    const TwipRect r = screen.board().label(i);
    const QPoint to = centreOf(screen, {left, top, r.width, r.height});
    QTest::mousePress(window(), Qt::LeftButton, {}, centreOf(screen, r));
    QTest::mouseMove(window(), (centreOf(screen, r) + to) / 2);
    QTest::mouseMove(window(), to);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, to);
}

void dragToBox(const ActivityScreen& screen, int label, int box) {
    dragLabel(screen, label, screen.board().box(box).left, screen.board().box(box).top);
}

bool inOwnBox(const ActivityScreen& screen, int i) {
    return screen.board().where(i).place == DragBoard::Place::Box &&
           screen.board().where(i).index == i;
}
} // namespace

class ActivityScreensTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFonts(); } // as the program does at start-up
    void init() {
        quiz::ResultsScreen::setRandomSource([] { return [] { return 0.0; }; });
    }
    void cleanup() { quiz::ResultsScreen::setRandomSource(nullptr); }

    // Stand-in faces wrap some texts onto more lines: they are set smaller, not cut off.
    void aRunToTheResults_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("swapped"); // labels 0 and 1 in each other's box
        for (const char* name :
             {"lifeTimelineScreen", "bigNumbersScreen", "starLifeScreen", "innerPlanetsScreen"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
        QTest::newRow("two swapped") << "innerPlanetsScreen" << true;
    }
    void aRunToTheResults() {
        QFETCH(QString, screen);
        QFETCH(bool, swapped);
        testenv::Fixture env;
        ActivityScreen& activity = openScreen(env, screen);
        for (platform::TextLabel* text : activity.texts)
            QVERIFY2(fitsItsLines(text->font(), text->contentsRect(),
                                  int(text->alignment()) | Qt::TextWordWrap, text->text()),
                     qPrintable(text->text()));
        const int n = activity.board().size();
        QCOMPARE(state().total, n);
        for (int i = 0; i < n; ++i) {
            QVERIFY(!activity.checkScoreButton->isVisible());
            dragToBox(activity, i, swapped && i < 2 ? 1 - i : i);
            QCOMPARE(activity.dragLabels[size_t(i)]->geometry(),
                     activity.boxes[size_t(swapped && i < 2 ? 1 - i : i)]->geometry());
        }
        QCOMPARE(env.sound.played, QStringList(n, kThud));
        QVERIFY(activity.checkScoreButton->isVisible());

        QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(activity.checkScoreButton));
        const int score = swapped ? n - 2 : n;
        QCOMPARE(state().score, score);
        quiz::ResultsScreen& results = quiz::resultsScreen();
        QCOMPARE(platform::AppWindow::instance().frontScreen(), &results);
        QCOMPARE(results.scoreLabel->caption(),
                 QStringLiteral("%1 work. You have scored %2 out of %3.")
                     .arg(swapped ? "Good" : "Excellent")
                     .arg(score)
                     .arg(n));
        QCOMPARE(results.tryAgainLabel->isVisible(), swapped);
        QCOMPARE(results.followUpButton->isVisible(), !swapped);
        QCOMPARE(results.nameEdit->isVisible(), !swapped);
        QCOMPARE(env.sound.played.last(), kClick);
        QVERIFY(activity.isShown() && inOwnBox(activity, n - 1)); // waiting beneath, unchanged
    }

    void onlyTheLeftButtonDragsAndAnyReleaseDrops() {
        testenv::Fixture env;
        ActivityScreen& activity = openScreen(env, QStringLiteral("lifeTimelineScreen"));
        const TwipRect start = activity.board().label(0);
        const QPoint centre = centreOf(activity, start);
        QTest::mousePress(window(), Qt::LeftButton, {}, centre);
        QTest::mousePress(window(), Qt::RightButton, {}, centre);
        QTest::mouseMove(window(), centre + QPoint(-300, -200));
        QCOMPARE(activity.board().label(0).left, start.left);
        // Releasing the right button drops it where it is: in its own starting place, with a thud.
        QTest::mouseRelease(window(), Qt::RightButton, {}, centre + QPoint(-300, -200));
        QCOMPARE(env.sound.played, QStringList{kThud});
        QTest::mouseRelease(window(), Qt::LeftButton, {}, centre + QPoint(-300, -200));
        // A right click on a placed label snaps it again.
        dragToBox(activity, 0, 0);
        env.sound.played.clear();
        QTest::mouseClick(window(), Qt::RightButton, {},
                          centreOf(activity, activity.board().label(0)));
        QCOMPARE(env.sound.played, QStringList{kThud});
        QVERIFY(inOwnBox(activity, 0));
    }

    void startAgainAndExitClearTheScore() {
        testenv::Fixture env;
        ActivityScreen& activity = openScreen(env, QStringLiteral("starLifeScreen"));
        for (int i = 0; i < 4; ++i)
            dragToBox(activity, i, 3 - i);
        state().score = 7;
        QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(activity.startAgainButton));
        QCOMPARE(state().score, 0);
        QVERIFY(!activity.checkScoreButton->isVisible());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(activity.dragLabels[size_t(i)]->geometry(),
                     activity.homeSlots[size_t(i)]->geometry());

        dragToBox(activity, 2, 2);
        state().score = 7;
        QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(activity.exitButton));
        QCOMPARE(state().score, 0);
        QCOMPARE(env.sound.played.last(), kClick);
        testenv::Fixture::settle();
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("starLifeScreen"));
    }

    void stackingDecidesWhichLabelIsPressed() {
        testenv::Fixture env;
        ActivityScreen& activity = openScreen(env, QStringLiteral("starLifeScreen"));
        // Labels 3 and 1 stacked in one place: the higher index takes the press.
        dragLabel(activity, 1, 5010, 3000);
        dragLabel(activity, 3, 5010, 3000);
        dragLabel(activity, 1, 6000, 3000);
        QCOMPARE(activity.board().label(3).left, 6000.f);
        QCOMPARE(activity.board().label(1).left, 5010.f);
        QCOMPARE(activity.dragLabels[3]->accessibleDescription(),
                 QStringLiteral("away from the boxes"));
        // Under the scale note a label is hidden to the eye, yet still taken.
        QWidget* note = activity.texts[size_t(activity.layout().textAboveLabels)];
        dragLabel(activity, 0, 9900, 600);
        QVERIFY(note->geometry().contains(activity.dragLabels[0]->geometry()));
        QVERIFY(activity.children().indexOf(note) >
                activity.children().indexOf(activity.dragLabels[0]));
        dragLabel(activity, 0, 5010, 600);
        QCOMPARE(activity.board().label(0).left, 5010.f);
    }

    void oneFingerDrags() {
        testenv::Fixture env;
        ActivityScreen& activity = openScreen(env, QStringLiteral("bigNumbersScreen"));
        QPointingDevice* finger = QTest::createTouchDevice();
        const TwipRect other = activity.board().label(2);
        const QPoint from = centreOf(activity, activity.board().label(1));
        const QPoint to = centreOf(activity, activity.board().box(1));
        QTest::touchEvent(window(), finger).press(0, from);
        QTest::touchEvent(window(), finger).move(0, (from + to) / 2);
        // A second finger on another label starts no second drag.
        QTest::touchEvent(window(), finger).move(0, to).press(1, centreOf(activity, other));
        QTest::touchEvent(window(), finger)
            .stationary(0)
            .move(1, centreOf(activity, other) + QPoint(40, -80));
        QTest::touchEvent(window(), finger).release(0, to).release(1, QPoint(10, 10));
        QVERIFY(inOwnBox(activity, 1));
        QVERIFY(activity.board().where(2).place == DragBoard::Place::HomeSlot);
        QCOMPARE(env.sound.played, QStringList{kThud});
        // A tap off the labels still presses a button.
        QTest::touchEvent(window(), finger).press(0, centreOf(activity.startAgainButton));
        QTest::touchEvent(window(), finger).release(0, centreOf(activity.startAgainButton));
        QTRY_VERIFY(activity.board().where(1).place == DragBoard::Place::HomeSlot);
    }

    void keyboardCompletesAnActivity() {
        testenv::Fixture env;
        ActivityScreen& activity = openScreen(env, QStringLiteral("lifeTimelineScreen"));
        QVERIFY(!activity.keyboardHint->isVisible());
        // Tab takes the labels as they stand; keys 1-6 name the boxes left to right.
        const int labelOrder[] = {3, 5, 4, 0, 1, 2};
        const int numberKey[] = {Qt::Key_2, Qt::Key_6, Qt::Key_4, Qt::Key_3, Qt::Key_1, Qt::Key_5};
        activity.activateWindow();
        activity.setFocus();
        for (int k = 0; k < 6; ++k) {
            QTest::keyClick(window(), Qt::Key_Tab);
            platform::TextLabel* label = activity.dragLabels[size_t(labelOrder[k])];
            QTRY_VERIFY(label->hasFocus());
            QVERIFY(activity.keyboardHint->isVisible());
            QTest::keyClick(window(), Qt::Key(numberKey[k]));
            QVERIFY(label->accessibleDescription().startsWith("moving to the box by"));
            QTest::keyClick(window(), k % 2 ? Qt::Key_Return : Qt::Key_Space);
            QVERIFY(inOwnBox(activity, labelOrder[k]));
        }
        QCOMPARE(activity.dragLabels[1]->accessibleDescription(),
                 QStringLiteral("in the box by 4,500 million years ago"));
        QCOMPARE(activity.boxes[1]->accessibleName(),
                 QStringLiteral("Box by 4,500 million years ago"));
        QCOMPARE(activity.dragLabels[1]->accessibleName(), activity.dragLabels[1]->caption());
        QCOMPARE(env.sound.played, QStringList(6, kThud));
        // Arrows step through the boxes and the starting place; Escape leaves the label.
        QTest::keyClick(window(), Qt::Key_Left); // its own starting place, last
        QTest::keyClick(window(), Qt::Key_Escape);
        QTest::keyClick(window(), Qt::Key_Enter);
        QVERIFY(inOwnBox(activity, 2));
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Enter})
            QTest::keyClick(window(), key);
        QVERIFY(activity.board().where(2).place == DragBoard::Place::HomeSlot);
        QCOMPARE(activity.dragLabels[2]->accessibleDescription(),
                 QStringLiteral("in its starting place"));
        QTest::keyClick(window(), Qt::Key_5);
        QTest::keyClick(window(), Qt::Key_Enter);
        // On to "Check Score" past "Start Again", and press it.
        QTest::keyClick(window(), Qt::Key_Tab);
        QTest::keyClick(window(), Qt::Key_Tab);
        QTRY_VERIFY(activity.checkScoreButton->hasFocus());
        QTest::keyClick(window(), Qt::Key_Space);
        QCOMPARE(state().score, 6);
        QVERIFY(quiz::resultsScreen().isShown());
    }

    // Dropped on a button or half off the screen, a label goes back, silent and unchanged.
    void aLabelDroppedOnAButtonOrOffTheScreenGoesBack_data() {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::newRow("on Start Again") << 3500.f << 7800.f;
        QTest::newRow("half off the bottom") << 1000.f << 8300.f;
        QTest::newRow("half off the right") << 11400.f << 4000.f;
    }
    void aLabelDroppedOnAButtonOrOffTheScreenGoesBack() {
        QFETCH(float, left);
        QFETCH(float, top);
        testenv::Fixture env;
        ActivityScreen& screen = openScreen(env, "lifeTimelineScreen");
        const QRect where = screen.dragLabels[0]->geometry();
        const QImage before = screen.grab(where).toImage();
        dragLabel(screen, 0, left, top);
        QVERIFY(screen.board().where(0).place == DragBoard::Place::HomeSlot);
        QCOMPARE(screen.dragLabels[0]->geometry(), where);
        QCOMPARE(screen.grab(where).toImage(), before);
        QVERIFY(!env.sound.played.contains(kThud));
    }

    void aDragRepaintsOnlyWhereTheLabelWas() {
        testenv::Fixture env;
        ActivityScreen& activity = openScreen(env, QStringLiteral("lifeTimelineScreen"));
        struct PaintSpy : QObject {
            QRegion painted;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint)
                    painted += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } spy;
        const QRect before = activity.dragLabels[4]->geometry();
        const QPoint centre = centreOf(activity, activity.board().label(4));
        QTest::mousePress(window(), Qt::LeftButton, {}, centre);
        platform::AppWindow::instance().repaint(); // nothing left to paint
        activity.installEventFilter(&spy);
        QTest::mouseMove(window(), centre + QPoint(30, -40));
        QTRY_VERIFY(!spy.painted.isEmpty());
        const QRect after = activity.dragLabels[4]->geometry();
        QVERIFY(after.top() < before.top());
        QVERIFY((spy.painted - QRegion(before) - QRegion(after)).isEmpty());
        QTest::mouseRelease(window(), Qt::LeftButton, {}, centre + QPoint(30, -40));
    }
};

QTEST_MAIN(ActivityScreensTest)
#include "tst_activityscreens.moc"
