// SPDX-License-Identifier: GPL-3.0-or-later
// Topic screens, the notes screen and the teachers' guide.

#include "common/sharedstate.h"
#include "platform/picturebox.h"
#include "platform/textlabel.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "shell/menuscreen.h"
#include "support/minimalwmf.h"
#include "support/recordingprinter.h"
#include "support/samplequestions.h"
#include "support/testenv.h"
#include "support/topicscreens.h"
#include "topics/guidescreen.h"
#include "topics/notesscreen.h"
#include "topics/topicscreen.h"

#include <QtTest>

using namespace topics;
using common::state;
using shell::MenuItem;
using testenv::sunScreen;
using testenv::tidesScreen;

namespace {
const QString kClick = QStringLiteral("wav\\click.wav");

// The page label, the page buttons and the page shown on a paged screen.
void checkPage(PagedScreen& screen, int page, int count, const QString& stem) {
    QCOMPARE(screen.pageLabel->caption(), QStringLiteral("Page %1 of %2").arg(page).arg(count));
    QCOMPARE(screen.nextPageButton->isEnabled(), page < count);
    QCOMPARE(screen.previousPageButton->isEnabled(), page > 1);
    const QString letter =
        stem.startsWith("guide") ? QString::number(page) : QString(QChar(u'a' + page - 1));
    QCOMPARE(screen.pagePicture->picturePath(), "wmf\\" + stem + letter + ".wmf");
    QCOMPARE(screen.printPagePicture->picturePath(), "wmf2\\" + stem + letter + ".wmf");
}

// A fresh run with the sound switched on, as once the menu has loaded.
struct Env : testenv::Fixture {
    Env() { state().soundOn = true; }
};

// Every printer the screens ask for records into `printer`.
void printInto(RecordingPrinter& printer) {
    platform::setPrinterFactory(
        [&printer] { return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer)); });
}
} // namespace

class TopicsTest : public QObject {
    Q_OBJECT
private slots:
    // Each set paged to its end and back, whatever set was open; `opener`: a button or menu item.
    void pageSets_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<int>("opener");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("stem");
        QTest::newRow("key facts") << "The Tides" << int(TopicButton::KeyFacts) << 3 << "key tides";
        QTest::newRow("teacher's notes")
            << "The Sun and other Stars" << int(TopicButton::TeachersNotes) << 2 << "sun";
        QTest::newRow("introduction") << "" << int(MenuItem::Introduction) << 2 << "introduction";
        QTest::newRow("teachers' guide") << "" << int(MenuItem::TeachersGuide) << 5 << "guide";
    }
    void pageSets() {
        QFETCH(QString, topic);
        QFETCH(int, opener);
        QFETCH(int, count);
        QFETCH(QString, stem);
        Env env;
        state().pageCount = 3;
        state().pageNumber = 3;
        if (topic.isEmpty())
            shell::menuScreen().onMenuItemClicked(MenuItem(opener));
        else
            testenv::topicNamed(topic).onButtonClicked(TopicButton(opener));
        auto& paged = *qobject_cast<PagedScreen*>(platform::AppWindow::instance().frontScreen());
        checkPage(paged, 1, count, stem);
        for (int page = 2; page <= count; ++page)
            paged.onButtonClicked(PageButton::Next);
        checkPage(paged, count, count, stem);
        paged.onButtonClicked(PageButton::Previous);
        checkPage(paged, count - 1, count, stem);
        QCOMPARE(env.sound.played, QStringList{kClick}); // the pages turn silently
    }

    // Keys turn the pages as the buttons do, not past the ends; Escape is "Exit".
    void pageKeys_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to"); // 0: the notes have gone
        QTest::newRow("Right") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("Page Down") << 2 << int(Qt::Key_PageDown) << 3;
        QTest::newRow("Right on the last page") << 3 << int(Qt::Key_Right) << 3;
        QTest::newRow("Left") << 3 << int(Qt::Key_Left) << 2;
        QTest::newRow("Page Up") << 2 << int(Qt::Key_PageUp) << 1;
        QTest::newRow("Page Up on the first page") << 1 << int(Qt::Key_PageUp) << 1;
        QTest::newRow("Escape") << 2 << int(Qt::Key_Escape) << 0;
        QTest::newRow("another key") << 2 << int(Qt::Key_A) << 2;
    }
    void pageKeys() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        Env env;
        tidesScreen().onButtonClicked(TopicButton::KeyFacts);
        NotesScreen& notes = notesScreen();
        for (int page = 1; page < from; ++page)
            notes.onButtonClicked(PageButton::Next);
        QTest::keyClick(&notes, Qt::Key(key));
        if (to == 0)
            QVERIFY(notes.isUnloading());
        else
            checkPage(notes, to, 3, "key tides");
    }

    // A set of one page, and the acknowledgements whatever count was left, have no page controls.
    void pagesWithoutPageControls() {
        Env env;
        const QString tides = QStringLiteral("topics/The Tides.json");
        env.write(tides, env.read(tides).replace("\"pages\": 2", "\"pages\": 1"));
        tidesScreen().onButtonClicked(TopicButton::TeachersNotes);
        state().pageCount = 3; // left over from an earlier set for the acknowledgements
        for (bool acknowledgements : {false, true}) {
            if (acknowledgements)
                shell::menuScreen().onMenuItemClicked(MenuItem::Acknowledgements);
            NotesScreen& notes = notesScreen();
            QVERIFY(!notes.pageLabel->isVisibleTo(&notes));
            QVERIFY(!notes.nextPageButton->isVisibleTo(&notes));
            QVERIFY(!notes.previousPageButton->isVisibleTo(&notes));
        }
        NotesScreen& notes = notesScreen();
        QCOMPARE(notes.backColor(), QColor(49, 130, 212));
        QCOMPARE(notes.pagePicture->picturePath(), QStringLiteral("wmf\\acknowledgments.wmf"));
        QTRY_VERIFY(notes.animatedLogoPicture->isVisibleTo(&notes));
        QVERIFY(notes.animatedLogoPicture->picturePath().startsWith("logo\\quil00"));
    }

    // Each way the questions fail keeps the quiz closed and says why; mended, they open it.
    void questionsThatCannotBeUsedKeepTheQuizClosed() {
        Env env;
        const QString path = QStringLiteral("multiple/The Sun and other Stars.txt");
        QList<QByteArray> lines =
            worksheets::questionSetBytes(testenv::sampleQuestionSet("Sun")).split('\n');
        lines[7] = "0\r"; // question 1's right answer
        const QList<std::pair<std::function<void()>, QString>> cases = {
            {[] {}, "could not be found"},
            {[&] { env.write(path, "Only a title\r\n \r\n"); }, "damaged"},
            {[&] { env.write(path, lines.join('\n')); },
             "\nQuestion 1 has \"0\" as its right answer; it must be 1 to 4."},
            {[&] {
                 QFile::remove(env.content.filePath(path));
                 QDir().mkpath(env.content.filePath(path)); // a folder in the file's place
             },
             "cannot be read.\n"},
        };
        for (const auto& [spoil, said] : cases) {
            spoil();
            sunScreen().onButtonClicked(TopicButton::MultipleChoice);
            QTRY_VERIFY(!env.messages.said.isEmpty());
            QVERIFY2(env.messages.said.takeFirst().contains(said), qPrintable(said));
        }
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("quizScreen"));
        QCOMPARE(env.sound.played.size(), 4); // the click is still heard
        QDir(env.content.filePath(path)).removeRecursively();
        env.write(path, worksheets::questionSetBytes(testenv::sampleQuestionSet("Sun")));
        sunScreen().onButtonClicked(TopicButton::MultipleChoice);
        QVERIFY(quiz::quizScreen().isShown());
        QCOMPARE(quiz::quizScreen().setTitleLabel->caption(), QStringLiteral("Sun"));
        QCOMPARE(quiz::quizScreen().topicPicture->picturePath(),
                 QStringLiteral("images\\m51sm.jpg"));
    }

    void tidesHasNoActivitiesAndExitRestartsTheMenuAnimation() {
        Env env;
        shell::menuScreen().worksheetListRead = true; // as once the menu has read the list
        shell::menuScreen().onMenuItemClicked(MenuItem::Tides);
        QVERIFY(!shell::menuScreen().earthRiseTimer->isActive());
        tidesScreen().onButtonClicked(TopicButton::LabellingActivity);
        tidesScreen().onButtonClicked(TopicButton::OrderingActivity);
        QTRY_COMPARE(env.messages.said.size(), 2);
        QVERIFY(env.messages.said[0].contains("labelling"));
        QVERIFY(env.messages.said[1].contains("ordering"));
        tidesScreen().onButtonClicked(TopicButton::Exit);
        QVERIFY(shell::menuScreen().earthRiseTimer->isActive());
        QCOMPARE(platform::AppWindow::instance().frontScreen(), &shell::menuScreen());
        QCOMPARE(env.sound.played.size(), 4);
    }

    // The print version of the page, at 1000, 1000 twips after an empty line; failures are
    // reported; without a printer the page is saved, named after the set and the page.
    void printing() {
        Env env;
        env.write("wmf2/key tidesb.wmf", testenv::minimalWmf());
        env.write("wmf2/guide3.wmf", testenv::minimalWmf());
        RecordingPrinter printer;
        printInto(printer);
        tidesScreen().onButtonClicked(TopicButton::KeyFacts);
        notesScreen().onButtonClicked(PageButton::Next);
        notesScreen().onButtonClicked(PageButton::Print);
        QCOMPARE(printer.texts.size(), size_t(1));
        QVERIFY(printer.texts[0].text.isEmpty());
        QCOMPARE(printer.pictures.size(), size_t(1));
        QCOMPARE(printer.pictures[0].path, QStringLiteral("wmf2\\key tidesb.wmf"));
        QCOMPARE(QPointF(printer.pictures[0].x, printer.pictures[0].y), QPointF(1000, 1000));
        QVERIFY(printer.ended);
        RecordingPrinter failing;
        failing.failAt = 2;
        failing.failure = RecordingPrinter::Failure::OutOfMemory;
        printInto(failing);
        notesScreen().onButtonClicked(PageButton::Print);
        QCOMPARE(env.messages.said, QStringList{"Printing has been cancelled."});
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::PrinterError("none"); });
        notesScreen().onButtonClicked(PageButton::Print);
        QCOMPARE(env.messages.said.last(), "There was a problem printing to your printer.");
        QVERIFY(!QGuiApplication::overrideCursor()); // the hourglass is gone
        QTemporaryDir documents;
        platform::setSavedPagesFolder(documents.path());
        platform::setPrinterFactory(
            []() -> std::unique_ptr<platform::Printer> { throw platform::NoPrinterError("none"); });
        QStringList files;
        platform::setPdfPrinterFactory([&](const QString& file) {
            files << QFileInfo(file).fileName();
            QFile(file).open(QIODevice::WriteOnly); // where the page would be written
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        const QString day = QDate::currentDate().toString(Qt::ISODate);
        notesScreen().onButtonClicked(PageButton::Print);
        shell::menuScreen().onMenuItemClicked(MenuItem::TeachersGuide);
        guideScreen().onButtonClicked(PageButton::Next);
        guideScreen().onButtonClicked(PageButton::Next);
        guideScreen().onButtonClicked(PageButton::Print);
        QCOMPARE(files, (QStringList{"Notes - key tides - page 2 - " + day + ".pdf.part",
                                     "Teachers' Guide - page 3 - " + day + ".pdf.part"}));
        QVERIFY(env.messages.said.value(3).endsWith("Teachers' Guide - page 3 - " + day + ".pdf"));
    }
};

QTEST_MAIN(TopicsTest)
#include "tst_topics.moc"
