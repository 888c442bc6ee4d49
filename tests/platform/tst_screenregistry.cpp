// SPDX-License-Identifier: GPL-3.0-or-later
// Touching a screen loads it once without showing it; unloading destroys
// it, also from inside its own handler, and the next touch makes a fresh one.

#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "support/testenv.h"

#include <QtTest>

namespace {

int loads = 0;

class ProbeScreen : public platform::Screen {
public:
    ProbeScreen() : Screen(QStringLiteral("probe"), Kind::FullSize) {
        button = addLabel(QStringLiteral("exitButton"), 2, 10560, 7920, 1245, 495);
        connect(button, &platform::TextLabel::clicked, this, [this] {
            unload();
            afterUnload = true; // the handler runs on safely after unloading
        });
    }
    platform::TextLabel* button;
    bool afterUnload = false;

protected:
    void onLoad() override { ++loads; }
};

ProbeScreen& probe() {
    return platform::touch<ProbeScreen>(QStringLiteral("probe"));
}

class CoverScreen : public platform::Screen {
public:
    CoverScreen() : Screen(QStringLiteral("cover"), Kind::FullSize) {}
};

CoverScreen& cover() {
    return platform::touch<CoverScreen>(QStringLiteral("cover"));
}

} // namespace

class ScreenRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void touchLoadsOnceWithoutShowing() {
        testenv::Fixture env;
        loads = 0;
        ProbeScreen& first = probe();
        QCOMPARE(loads, 1);
        QVERIFY(!first.isShown());
        QCOMPARE(&probe(), &first);
        QCOMPARE(loads, 1);
        first.showScreen();
        QVERIFY(first.isShown());
        QCOMPARE(platform::AppWindow::instance().frontScreen(), &first);
    }

    void unloadFromOwnHandlerThenFreshTouch() {
        testenv::Fixture env;
        loads = 0;
        QPointer<ProbeScreen> first = &probe();
        first->showScreen();
        first->button->click();
        QVERIFY(first->afterUnload);
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("probe"));
        testenv::Fixture::settle();
        QVERIFY(first.isNull());
        ProbeScreen& second = probe();
        QCOMPARE(loads, 2);
        QVERIFY(!second.isShown());
    }

    void theScreenInFrontCoversTheOthers() {
        testenv::Fixture env;
        probe().showScreen();
        cover().showScreen();
        // Both are shown; only the front one is drawn (and exposed).
        QVERIFY(probe().isShown());
        QVERIFY(!probe().isVisible());
        QVERIFY(cover().isVisible());
        QCOMPARE(platform::AppWindow::instance().frontScreen(), &cover());
        // Showing a covered screen again brings it forward.
        probe().showScreen();
        QVERIFY(probe().isVisible());
        QVERIFY(!cover().isVisible());
        probe().unload();
        QVERIFY(cover().isVisible());
        QCOMPARE(platform::AppWindow::instance().frontScreen(), &cover());
    }

    void buttonsArePressedFromTheKeyboard() {
        testenv::Fixture env;
        ProbeScreen& screen = probe();
        screen.button->setClickable(true);
        screen.showScreen();
        QCOMPARE(screen.button->focusPolicy(), Qt::TabFocus);
        QTest::keyClick(screen.button, Qt::Key_A);
        QVERIFY(platform::ScreenRegistry::instance().isLoaded("probe"));
        QTest::keyClick(screen.button, Qt::Key_Space);
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("probe"));
    }

    void disabledLabelIgnoresClicks() {
        testenv::Fixture env;
        ProbeScreen& screen = probe();
        screen.showScreen();
        screen.button->setEnabled(false);
        QTest::mouseClick(screen.button, Qt::LeftButton);
        QVERIFY(platform::ScreenRegistry::instance().isLoaded("probe"));
        screen.button->setEnabled(true);
        QTest::mouseClick(screen.button, Qt::LeftButton);
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("probe"));
    }
};

QTEST_MAIN(ScreenRegistryTest)
#include "tst_screenregistry.moc"
