// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes and their keys; an exception a handler lets out is reported, the program goes on.

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/guardedapplication.h"
#include "platform/messagedialog.h"
#include "platform/qtmessages.h"
#include "support/testenv.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
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

} // namespace

class MessagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        platform::registerFonts();
        platform::installAccessibility();
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
    MessagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_messages.moc"
