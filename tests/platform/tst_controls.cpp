// SPDX-License-Identifier: GPL-3.0-or-later
// Screens, text buttons and their focus, choice marks, the scale fitting the display; message
// boxes and their keys; an exception a handler lets out is reported, the program goes on.

#include "platform/accessibility.h"
#include "platform/choicelook.h"
#include "platform/displayscale.h"
#include "platform/fonts.h"
#include "platform/guardedapplication.h"
#include "platform/messagedialog.h"
#include "platform/qtmessages.h"
#include "platform/screenregistry.h"
#include "platform/textlabel.h"
#include "support/testenv.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QtTest>
#include <stdexcept>

using platform::MessageDialog;
using Keys = QList<Qt::Key>;

namespace {

// A long message of two paragraphs, as the menu gives for a missing topic file.
const QString kMissingTopic = QStringLiteral(
    "\"The Solar System\" cannot be opened: its topic file \"topics\\The Solar System.json\" is "
    "missing from the content folder.\n\nInstall Corvella again to put it back; the other "
    "topics still work.");

// Once the box is up, notes what it shows and reads out, presses `keys`, notes if it stays.
void pressWhenShown(QStringList& shown, const Keys& keys) {
    QTimer::singleShot(0, [&shown, keys] {
        auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isActiveWindow())
            return pressWhenShown(shown, keys); // not up yet: look again next turn
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
        shown << box->windowTitle() << box->text() << read->text(QAccessible::Name)
              << read->text(QAccessible::Description)
              << (read->role() == QAccessible::AlertMessage ? "an alert" : "not an alert");
        for (QPushButton* button : box->findChildren<QPushButton*>())
            shown << button->text() + (button->icon().isNull() ? "" : " with an icon");
        for (Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        if (box->isVisible()) {
            shown << "left open";
            box->reject(); // so that a failing test does not hang
        }
    });
}

// The widths of the lines of every paragraph of `text` that wraps at `width`.
QList<double> wrappedLineWidths(const QFont& font, const QString& text, int width) {
    QList<double> widths;
    for (const QString& paragraph : text.split('\n')) {
        QTextLayout layout(paragraph, font);
        layout.beginLayout();
        QList<double> lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << line.naturalTextWidth();
        }
        layout.endLayout();
        if (lines.size() > 1) // a paragraph on one line may be as short as it likes
            widths << lines;
    }
    return widths;
}

int loads = 0;

// A screen whose button unloads it from inside the button's own handler.
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

platform::Screen& cover() {
    return platform::touch<platform::Screen>(QStringLiteral("cover"), [] {
        return new platform::Screen(QStringLiteral("cover"), platform::Screen::Kind::FullSize);
    });
}

QFont font(const char* family, double points, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        platform::registerFonts();
        platform::installAccessibility();
    }

    // Space presses the button, which unloads its screen from its own handler; front covers back.
    void screensLoadOnceUnloadAndCoverOneAnother() {
        testenv::Fixture env;
        loads = 0;
        QPointer<ProbeScreen> first = &probe();
        QCOMPARE(&probe(), first.data());
        QCOMPARE(loads, 1);
        QVERIFY(!first->isShown());
        first->button->setClickable(true);
        first->showScreen();
        QCOMPARE(platform::AppWindow::instance().frontScreen(), first.data());
        QCOMPARE(first->button->focusPolicy(), Qt::TabFocus);
        QTest::keyClick(first->button, Qt::Key_Space);
        QVERIFY(first->afterUnload);
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("probe"));
        testenv::Fixture::settle();
        QVERIFY(first.isNull());
        QVERIFY(!probe().isShown());
        QCOMPARE(loads, 2);

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

    // The text starts at the label's very top, so the ring goes around the outside.
    void focusRingStaysOffTheText() {
        platform::Screen screen(QStringLiteral("screen"), platform::Screen::Kind::Dialog);
        screen.resize(400, 200);
        platform::TextLabel* item =
            screen.addButton(QStringLiteral("item"), 15, 600, 600, 3195, 375,
                             QStringLiteral("The Sun and other Stars"), 12, Qt::blue, [](int) {});
        platform::TextLabel* other =
            screen.addButton(QStringLiteral("item"), 1, 600, 1800, 3195, 375,
                             QStringLiteral("The Solar System"), 12, Qt::blue, [](int) {});
        screen.showScreen();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        // What the window shows, as painted on its way to the display.
        const auto shown = [&screen] {
            return screen.screen()->grabWindow(screen.winId()).toImage();
        };
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QCoreApplication::processEvents();
        const QImage unfocused = shown();
        item->setFocus();
        QTRY_VERIFY(shown() != unfocused);
        const QImage focused = shown();

        const QRect label = item->geometry();
        const QRect around = label.adjusted(-3, -3, 3, 3);
        QRect ring;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (focused.pixel(x, y) != unfocused.pixel(x, y) &&
                    !other->geometry().adjusted(-3, -3, 3, 3).contains(x, y))
                    ring |= QRect(x, y, 1, 1);
        QVERIFY(ring.contains(label));
        QVERIFY(around.contains(ring));
        QCOMPARE(focused.copy(label), unfocused.copy(label));

        other->setFocus();
        QTRY_COMPARE(shown().copy(around), unfocused.copy(around));
    }

    // The shortcut past fontconfig's search lands on the face the search finds.
    void namedFamiliesResolveToTheFacesFontconfigPicks() {
        for (const char* named : {"Times New Roman", "Arial", "Tahoma", "No Such Family"}) {
            const QString family = QString::fromLatin1(named);
            const QString installed = platform::installedFamily(family);
            QCOMPARE(QFontInfo(QFont(installed)).family(), QFontInfo(QFont(family)).family());
        }
    }

    void choiceIndicatorFollowsTheFont_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<bool>("tickBox");
        const std::pair<const char*, QFont> fonts[] = {
            {"sound switch", font("Tahoma", 9.75, true)},
            {"quiz answer", font("Times New Roman", 20.25)},
            {"large", font("Times New Roman", 40)}};
        for (const auto& [name, f] : fonts)
            for (bool tickBox : {false, true})
                QTest::addRow("%s, %s", name, tickBox ? "tick box" : "option button")
                    << f << tickBox;
    }

    // About as tall as a capital letter; solid or ticked when chosen, empty if not.
    void choiceIndicatorFollowsTheFont() {
        QFETCH(QFont, font);
        QFETCH(bool, tickBox);
        const std::unique_ptr<QAbstractButton> button =
            tickBox ? std::unique_ptr<QAbstractButton>(new QCheckBox)
                    : std::make_unique<QRadioButton>();
        button->setFont(font);
        platform::useChoiceLook(button.get());
        QStyle* style = button->style();
        const int side = style->pixelMetric(tickBox ? QStyle::PM_IndicatorHeight
                                                    : QStyle::PM_ExclusiveIndicatorHeight,
                                            nullptr, button.get());
        const double capitals = QFontMetricsF(font).capHeight();
        QVERIFY2(side >= capitals * 0.95 && side <= capitals * 1.5,
                 qPrintable(QStringLiteral("%1 px for capitals of %2").arg(side).arg(capitals)));
        for (bool chosen : {false, true}) {
            QImage image(side, side, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QStyleOptionButton option;
            option.initFrom(button.get());
            option.rect = image.rect();
            option.state |= chosen ? QStyle::State_On : QStyle::State_Off;
            QPainter painter(&image);
            style->drawPrimitive(tickBox ? QStyle::PE_IndicatorCheckBox
                                         : QStyle::PE_IndicatorRadioButton,
                                 &option, &painter, button.get());
            painter.end();
            // The outline reaches the edges; the middle half is inked when chosen.
            const QRect middle(side / 4, side / 4, side / 2, side / 2);
            QRect ink;
            int inked = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x)
                    if (qAlpha(image.pixel(x, y)) > 128) {
                        ink |= QRect(x, y, 1, 1);
                        inked += middle.contains(x, y) ? 1 : 0;
                    }
            QVERIFY(ink.width() >= side - 2 && ink.height() >= side - 2);
            const double share = double(inked) / (middle.width() * middle.height());
            QVERIFY2(chosen ? share > (tickBox ? 0.15 : 0.6) : share < 0.05,
                     qPrintable(QString::number(share)));
        }
    }

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

    // In a question whose buttons name the answers, the second is the default.
    void boxesAnsweredFromTheKeyboard_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        const auto row = [](const char* name, const char* box, const Keys& keys, bool answer,
                            const QString& title = {}, const QString& shown = "Corvella") {
            QTest::newRow(name) << QString(box) << keys << answer << title << shown;
        };
        row("OK: Enter", "ok", {Qt::Key_Return}, true);
        row("OK: Escape, own title", "ok", {Qt::Key_Escape}, true, "Worksheets", "Worksheets");
        row("OK: a blank title gets the product's", "ok", {Qt::Key_Return}, true, " ");
        row("OK/Cancel: Enter", "okCancel", {Qt::Key_Return}, true);
        row("OK/Cancel: Escape", "okCancel", {Qt::Key_Escape}, false);
        row("ask: Enter stays", "ask", {Qt::Key_Return}, false);
        row("ask: Enter on Leave", "ask", {Qt::Key_Tab, Qt::Key_Return}, true);
    }
    void boxesAnsweredFromTheKeyboard() {
        QFETCH(QString, box);
        QFETCH(Keys, keys);
        QFETCH(bool, answer);
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QStringList shown;
        pressWhenShown(shown, keys);
        platform::QtMessages boxes;
        bool answered = true;
        if (box == "ok")
            boxes.ok(kMissingTopic, title);
        else if (box == "okCancel")
            answered = boxes.okCancel(kMissingTopic, title);
        else
            answered = boxes.ask(kMissingTopic, "Leave", "Stay", title);
        QCOMPARE(answered, answer);
        const QStringList buttons = box == "ok"         ? QStringList{"OK"}
                                    : box == "okCancel" ? QStringList{"OK", "Cancel"}
                                                        : QStringList{"Leave", "Stay"};
        // A screen reader meets the box as an alert carrying its title and words.
        QCOMPARE(shown,
                 QStringList({shownTitle, kMissingTopic, shownTitle, kMissingTopic, "an alert"}) +
                     buttons);
    }

    // Paragraphs never end on a word or two; a text that cannot wrap keeps its width.
    void textWidth_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("missing topic") << kMissingTopic << true;
        QTest::newRow("damaged file")
            << QStringLiteral("The questions for \"The Tides\" could not be read: the question "
                              "file seems to be damaged.")
            << true;
        QTest::newRow("short") << QStringLiteral("Your certificate is now printing.") << false;
        QTest::newRow("one long word") << QString(80, QLatin1Char('W')) << false;
    }
    void textWidth() {
        QFETCH(QString, text);
        QFETCH(bool, wraps);
        MessageDialog box(QStringLiteral("Corvella"), text, MessageDialog::Buttons::Ok);
        const QLabel* label = box.textLabel();
        const QList<double> lines = wrappedLineWidths(label->font(), text, label->width());
        QCOMPARE(!lines.isEmpty(), wraps);
        if (!wraps) {
            QVERIFY(qAbs(label->width() - label->fontMetrics().horizontalAdvance(text)) <= 1);
            return;
        }
        for (double line : lines)
            QVERIFY2(line >= 0.45 * label->width(), qPrintable(QString::number(line)));
        QVERIFY(label->width() >= 25 * label->fontMetrics().averageCharWidth());
    }

    void aThrowingHandlerIsReportedAndTheProgramGoesOn() {
        testenv::ScriptedMessages messages;
        platform::setMessages(&messages);
        bool later = false;
        QTimer::singleShot(0, [] { throw std::runtime_error("The page is too big."); });
        QTimer::singleShot(0, [] { throw 42; });
        QTimer::singleShot(1, [&later] { later = true; });
        QTRY_VERIFY(later);
        QTRY_COMPARE(messages.said.size(), 2);
        const QString unexpected = QString::fromLatin1(platform::kUnexpectedProblem);
        QCOMPARE(messages.said,
                 QStringList({unexpected + QStringLiteral("\nThe page is too big."), unexpected}));
        platform::setMessages(nullptr);
    }
};

int main(int argc, char* argv[]) {
    platform::GuardedApplication app(argc, argv);
    ControlsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_controls.moc"
