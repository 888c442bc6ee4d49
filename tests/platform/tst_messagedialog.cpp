// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes: the program's words, title and buttons, answered by Enter
// and Escape, read out as alerts, and wrapped into even lines.

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/messagedialog.h"
#include "platform/qtmessages.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTextLayout>
#include <QtTest>
#include <functional>

using platform::MessageDialog;

namespace {

// A long message of two paragraphs, as the menu gives for a missing topic file.
const QString kMissingTopic =
    QStringLiteral("\"The Solar System\" cannot be opened: its topic file \"topics\\The Solar "
                   "System.json\" is missing from the content folder.\n\nInstall Corvella again "
                   "to put it back; the other topics still work.");

// What a box showed, and what the test did to it.
struct Seen {
    QString title;
    QString text;
    QStringList buttons;
    bool iconOnAButton = false;
    bool modal = false;
    bool closedByAnswer = false;
};

// Once the box is up, notes what it shows and answers it with `answer`.
void answerWhenShown(Seen& seen, std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isActiveWindow()) {
            answerWhenShown(seen, answer); // not up yet: look again next turn
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            seen.buttons << button->text();
            seen.iconOnAButton = seen.iconOnAButton || !button->icon().isNull();
        }
        seen.modal = box->isModal();
        answer(box);
        seen.closedByAnswer = !box->isVisible();
        if (box->isVisible())
            box->reject(); // so that a failing test does not hang
    });
}

std::function<void(QWidget*)> keys(QList<Qt::Key> sequence) {
    return [sequence](QWidget*) {
        for (Qt::Key key : sequence)
            QTest::keyClick(QApplication::focusWidget(), key);
    };
}

// The lines `text` breaks into at `width`, as the box's label draws it.
QList<double> lineWidths(const QFont& font, const QString& text, int width) {
    QList<double> widths;
    for (const QString& paragraph : text.split('\n')) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
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

class MessageDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        platform::registerFonts();
        platform::installAccessibility();
    }

    void okBoxKeepsWordsTitleAndButton_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<int>("key");
        QTest::newRow("Enter, product title") << QString() << "Corvella" << int(Qt::Key_Return);
        QTest::newRow("Escape, own title") << "Worksheets"
                                           << "Worksheets" << int(Qt::Key_Escape);
        QTest::newRow("a blank title gets the product's") << " "
                                                          << "Corvella" << int(Qt::Key_Return);
    }

    void okBoxKeepsWordsTitleAndButton() {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QFETCH(int, key);
        Seen seen;
        answerWhenShown(seen, keys({Qt::Key(key)}));
        platform::QtMessages().ok(kMissingTopic, title);
        QVERIFY(seen.closedByAnswer);
        QCOMPARE(seen.text, kMissingTopic);
        QCOMPARE(seen.title, shownTitle);
        QCOMPARE(seen.buttons, QStringList{"OK"});
        QVERIFY(!seen.iconOnAButton);
        QVERIFY(seen.modal);
    }

    void okCancelAnswers_data() {
        QTest::addColumn<QList<Qt::Key>>("pressed");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Enter is OK") << QList<Qt::Key>{Qt::Key_Return} << true;
        QTest::newRow("keypad Enter is OK") << QList<Qt::Key>{Qt::Key_Enter} << true;
        QTest::newRow("Escape is Cancel") << QList<Qt::Key>{Qt::Key_Escape} << false;
        QTest::newRow("Enter on Cancel") << QList<Qt::Key>{Qt::Key_Tab, Qt::Key_Return} << false;
        QTest::newRow("Space on OK") << QList<Qt::Key>{Qt::Key_Space} << true;
    }

    void okCancelAnswers() {
        QFETCH(QList<Qt::Key>, pressed);
        QFETCH(bool, answer);
        Seen seen;
        answerWhenShown(seen, keys(pressed));
        const QString question = QStringLiteral("Are you sure you want to delete this worksheet?");
        QCOMPARE(platform::QtMessages().okCancel(question, QString()), answer);
        QVERIFY(seen.closedByAnswer);
        QCOMPARE(seen.text, question);
        QCOMPARE(seen.buttons, (QStringList{"OK", "Cancel"}));
        QVERIFY(!seen.iconOnAButton);
    }

    // A question whose buttons name the answers; the second is the default.
    void askAnswers_data() {
        QTest::addColumn<QList<Qt::Key>>("pressed");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Enter stays") << QList<Qt::Key>{Qt::Key_Return} << false;
        QTest::newRow("Escape stays") << QList<Qt::Key>{Qt::Key_Escape} << false;
        QTest::newRow("Enter on Leave") << QList<Qt::Key>{Qt::Key_Tab, Qt::Key_Return} << true;
    }
    void askAnswers() {
        QFETCH(QList<Qt::Key>, pressed);
        QFETCH(bool, answer);
        Seen seen;
        answerWhenShown(seen, keys(pressed));
        const QString question = QStringLiteral("Leave without saving your worksheet?");
        QCOMPARE(platform::QtMessages().ask(question, QStringLiteral("Leave"),
                                            QStringLiteral("Stay"), QString()),
                 answer);
        QVERIFY(seen.closedByAnswer);
        QCOMPARE(seen.buttons, (QStringList{"Leave", "Stay"}));
    }

    // A screen reader meets the box as an alert carrying its title and words.
    void readAsAnAlert() {
        MessageDialog box(QStringLiteral("Corvella"), kMissingTopic, MessageDialog::Buttons::Ok);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(read);
        QCOMPARE(read->role(), QAccessible::AlertMessage);
        QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Corvella"));
        QCOMPARE(read->text(QAccessible::Description), kMissingTopic);
    }

    // Wrapped paragraphs end on a fair part of a line, never on a word or two.
    void linesComeOutEven_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("missing topic") << kMissingTopic;
        QTest::newRow("no activity")
            << QStringLiteral("\"The Tides\" has no ordering activity. You will find one in "
                              "\"Life on Earth\" and in \"The Sun and other Stars\".");
        QTest::newRow("damaged file")
            << QStringLiteral("The questions for \"The Tides\" could not be read: the question "
                              "file seems to be damaged.");
    }

    void linesComeOutEven() {
        QFETCH(QString, text);
        MessageDialog box(QStringLiteral("Corvella"), text, MessageDialog::Buttons::Ok);
        const QLabel* label = box.textLabel();
        const QList<double> lines = lineWidths(label->font(), text, label->width());
        QVERIFY(!lines.isEmpty());
        for (double line : lines)
            QVERIFY2(line >= 0.45 * label->width(),
                     qPrintable(QStringLiteral("a line of %1 px in a text %2 px wide")
                                    .arg(line)
                                    .arg(label->width())));
        // Not a narrow column either.
        QVERIFY(label->width() >= 25 * label->fontMetrics().averageCharWidth());
    }

    void shortAndOverlongTexts() {
        const QFontMetrics metrics(QFont(QStringLiteral("Tahoma"), 14));
        const QString shortText = QStringLiteral("Your certificate is now printing.");
        // As wide as the text itself, give or take the rounding of a pixel.
        const auto closeTo = [](int width, int expected) { return qAbs(width - expected) <= 1; };
        QVERIFY(closeTo(platform::evenWrapWidth(metrics, shortText, 300, 500),
                        metrics.horizontalAdvance(shortText)));
        const QString longWord(80, QLatin1Char('W'));
        QVERIFY(closeTo(platform::evenWrapWidth(metrics, longWord, 300, 500),
                        metrics.horizontalAdvance(longWord)));
        QCOMPARE(platform::evenWrapWidth(metrics, QString(), 300, 500), 0);
    }
};

QTEST_MAIN(MessageDialogTest)
#include "tst_messagedialog.moc"
