// SPDX-License-Identifier: GPL-3.0-or-later
// The wizard and the catalogue, run offscreen, with the menu items that
// open them and the quiz's worksheet printing.

#include "common/sharedstate.h"
#include "platform/textlabel.h"
#include "questions/questionfile.h"
#include "quiz/quizscreen.h"
#include "shell/menuactions.h"
#include "shell/menuscreen.h"
#include "support/recordingprinter.h"
#include "support/samplequestions.h"
#include "support/testenv.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetlist.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace worksheets;
using common::state;

namespace {

const QString kSaved = QStringLiteral("Your worksheet has been saved.");
const QString kSaveProblem = QStringLiteral("There was a problem saving your worksheet");
const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");

QString contentFile(testenv::Fixture& env, const QString& name) {
    return env.content.filePath(QStringLiteral("multiple/") + name);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList numbered(int count) {
    QStringList titles;
    for (int n = 1; n <= count; ++n)
        titles << QStringLiteral("Sheet %1").arg(n);
    return titles;
}

// A list of titles, each with its question file.
void writeWorksheets(testenv::Fixture& env, const QStringList& titles) {
    env.write(QStringLiteral("multiple\\track.txt"), worksheetListBytes(titles));
    for (const QString& title : titles)
        env.write(QStringLiteral("multiple\\") + title + QStringLiteral(".txt"),
                  questionSetBytes(testenv::sampleQuestionSet(title)));
}

// The sample set typed into the wizard under a title.
void typeSampleSet(WizardScreen& wizard, const QString& title) {
    const common::QuestionSet set = testenv::sampleQuestionSet(title);
    wizard.titleBox->setText(title);
    for (int q = 0; q < 10; ++q) {
        wizard.questionBoxes[q]->setText(set.questionText[q + 1]);
        const QString options[] = {set.optionA[q + 1], set.optionB[q + 1], set.optionC[q + 1],
                                   set.optionD[q + 1]};
        for (int k = 0; k < 4; ++k) {
            wizard.optionBoxes[4 * q + k]->setText(options[k]);
            wizard.rightOptionTicks[4 * q + k]->setChecked(k + 1 ==
                                                           testenv::sampleRightChoice(q + 1));
        }
    }
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> folderBytes(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        files.insert(name, fileBytes(dir.filePath(name)));
    return files;
}

QStringList shownTitles() {
    QStringList shown;
    for (int slot = 1; slot <= 24; ++slot) {
        platform::TextLabel* label = catalogueScreen().titleSlots[std::size_t(slot)];
        if (!label->isHidden())
            shown << label->caption();
    }
    return shown;
}

void turnPages(int count) {
    for (int i = 0; i < count; ++i)
        catalogueScreen().onPageButtonClicked(PageButton::Next);
}

// Clicks the slot showing a title on the page shown.
void clickTitle(const QString& title) {
    const int slot = int(shownTitles().indexOf(title)) + 1;
    QVERIFY2(slot > 0, qPrintable(title));
    catalogueScreen().onTitleClicked(slot);
}

} // namespace

class WorksheetScreensTest : public QObject {
    Q_OBJECT

private slots:
    void wizardChecksComeFirstAndInOrder() {
        testenv::Fixture env;
        state().soundOn = true;
        WizardScreen& wizard = wizardScreen();
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        typeSampleSet(wizard, QStringLiteral("Rocks"));
        wizard.optionBoxes[4 * 3 + 2]->clear(); // question 4, option C
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        wizard.optionBoxes[4 * 3 + 2]->setText(QStringLiteral("c"));
        wizard.rightOptionTicks[4 * 6]->setChecked(true); // question 7: A and D
        wizard.rightOptionTicks[4 * 6 + 3]->setChecked(true);
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        wizard.rightOptionTicks[4 * 6 + 3]->setChecked(false);
        wizard.titleBox->setText(QStringLiteral("Rocks: part 1"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);

        QCOMPARE(env.messages.said,
                 QStringList({"You have not chosen a title for your worksheet",
                              "You have not completed Question 4",
                              "You have ticked more than one correct answer for Question 7",
                              "Your worksheet title cannot contain the character \":\". Please "
                              "change the title."}));
        QCOMPARE(env.sound.played.size(), 4); // a click after each
        QVERIFY(!QFile::exists(contentFile(env, QStringLiteral("track.txt"))));
        QCOMPARE(QDir(env.content.filePath(QStringLiteral("multiple")))
                     .entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void wizardSavesTheFileAndKeepsTheList() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air"), QStringLiteral("Water")});
        WizardScreen& wizard = wizardScreen();
        typeSampleSet(wizard, QStringLiteral("Rocks"));
        wizard.questionBoxes[0]->setText(QStringLiteral("Hard, soft or both?"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        QCOMPARE(env.messages.said, QStringList({kSaved}));

        QByteArray expected = "Rocks\r\n \r\nHard& soft or both?\r\na\r\nb\r\nc\r\nd\r\n1\r\n \r\n";
        for (int n = 2; n <= 10; ++n)
            expected += "Question number" + QByteArray::number(n) + "?\r\na\r\nb\r\nc\r\nd\r\n" +
                        QByteArray::number(testenv::sampleRightChoice(n)) + "\r\n \r\n";
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("Rocks.txt"))), expected);
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("track.txt"))),
                 QByteArray(" 3 \r\nAir\r\nWater\r\nRocks\r\n"));

        // Corrected and saved again: the file changes, the list does not.
        wizard.optionBoxes[0]->setText(QStringLiteral("granite"));
        wizard.titleBox->setText(QStringLiteral("Air"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("track.txt"))),
                 QByteArray(" 3 \r\nAir\r\nWater\r\nRocks\r\n"));
        QVERIFY(fileBytes(contentFile(env, QStringLiteral("Air.txt"))).contains("granite"));
        QCOMPARE(env.messages.said.last(), kSaved);
        QVERIFY(wizard.isShown() || !wizard.isUnloading()); // stays open
        QCOMPARE(wizard.titleBox->text(), QStringLiteral("Air"));
    }

    void aFullDiskIsReportedAndLosesNothing() {
        testenv::Fixture env;
        QTemporaryDir dir;
        if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=128k"))
            QSKIP("This test needs the right to mount a small file system.");
        struct Unmount {
            QString path;
            ~Unmount() {
                qunsetenv("CORVELLA_WORKSHEETS");
                ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
            }
        } unmount{dir.path()};
        qputenv("CORVELLA_WORKSHEETS", QFile::encodeName(dir.path()));

        WizardScreen& wizard = wizardScreen();
        typeSampleSet(wizard, QStringLiteral("Rocks"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        const QByteArray oldFile = fileBytes(dir.filePath(QStringLiteral("Rocks.txt")));
        const QByteArray oldList = fileBytes(dir.filePath(QStringLiteral("track.txt")));
        QCOMPARE(oldList, QByteArray(" 1 \r\nRocks\r\n"));

        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(1024, 'x')) > 0) {
        }
        while (filler.write("x", 1) > 0) {
        }
        wizard.optionBoxes[0]->setText(QStringLiteral("changed"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        QCOMPARE(env.messages.said,
                 QStringList({kSaved, kSaveProblem + QStringLiteral("\nThe disk is full.")}));
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("Rocks.txt"))), oldFile);
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("track.txt"))), oldList);
        // Nothing half-written is left beside them.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void clashingTitlesAreRefusedBeforeAnythingIsWritten_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("reason");
        const QString list = QStringLiteral("the list of worksheets is kept under that name");
        const QString topic = QStringLiteral("a topic's quiz has that title");
        QTest::newRow("list") << QStringLiteral("track") << list;
        QTest::newRow("list in capitals") << QStringLiteral("TRACK") << list;
        QTest::newRow("topic set") << QStringLiteral("The Tides") << topic;
        QTest::newRow("topic set in another case") << QStringLiteral("the tides") << topic;
    }
    void clashingTitlesAreRefusedBeforeAnythingIsWritten() {
        // Worksheets kept beside the topics' question sets, as when the
        // program runs from a copy on a shared drive.
        QFETCH(QString, title);
        QFETCH(QString, reason);
        testenv::Fixture env;
        env.copyShipped(QStringLiteral("multiple"));
        writeWorksheets(env, {QStringLiteral("Air"), QStringLiteral("Water")});
        const QMap<QString, QByteArray> before = folderBytes(contentFile(env, QString()));
        QVERIFY(before.contains(QStringLiteral("The Tides.txt")));

        WizardScreen& wizard = wizardScreen();
        typeSampleSet(wizard, title);
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        QCOMPARE(env.messages.said,
                 QStringList(QStringLiteral("Your worksheet title cannot be \"%1\": %2. Please "
                                            "choose another title.")
                                 .arg(title, reason)));
        QCOMPARE(folderBytes(contentFile(env, QString())), before);
    }

    void listTitlesThatWouldLeaveTheFolderReadAsDamaged() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air")});
        env.write(QStringLiteral("outside.txt"),
                  questionSetBytes(testenv::sampleQuestionSet(QStringLiteral("Outside"))));
        env.write(QStringLiteral("multiple\\track.txt"),
                  worksheetListBytes({"../outside", "Air", "TRACK", "..\\outside"}));
        catalogueScreen();
        for (const QString& title : {"../outside", "TRACK", "..\\outside"})
            clickTitle(title);
        QCOMPARE(env.messages.said,
                 QStringList(3, kCorrupted + QStringLiteral("\nIts title in the list cannot "
                                                            "name a worksheet's file.")));
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("quizScreen"));
        clickTitle(QStringLiteral("Air")); // the others stay usable
        QVERIFY(quiz::quizScreen().isShown());
    }

    void wizardBoxes() {
        testenv::Fixture env;
        WizardScreen& wizard = wizardScreen();
        wizard.showScreen();
        QTest::keyClicks(wizard.titleBox, QString(26, u'x'));
        QCOMPARE(wizard.titleBox->text().size(), 25);
        QTest::keyClicks(wizard.questionBoxes[3], QString(61, u'q'));
        QCOMPARE(wizard.questionBoxes[3]->text().size(), 60);
        QTest::keyClicks(wizard.optionBoxes[17], QString(31, u'o'));
        QCOMPARE(wizard.optionBoxes[17]->text().size(), 30);

        // Enter moves on through every box in order: the title, question 1,
        // its options A to D, question 2... and stays in the last box.
        QList<QLineEdit*> order = {wizard.titleBox};
        for (int q = 0; q < 10; ++q) {
            order << wizard.questionBoxes[q];
            for (int k = 0; k < 4; ++k)
                order << wizard.optionBoxes[4 * q + k];
        }
        order << wizard.optionBoxes[39];
        wizard.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow());
        wizard.titleBox->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
    }

    void menuOpensTheWizardEmptyAndTheCatalogueInsteadOfItself() {
        testenv::Fixture env;
        shell::menuScreen().showScreen();
        shell::menuScreen().onMenuItemClicked(shell::MenuItem::MultipleChoiceWizard);
        QVERIFY(wizardScreen().isShown());
        QVERIFY(wizardScreen().titleBox->text().isEmpty());
        QVERIFY(shell::menuScreenLoaded());
        wizardScreen().onButtonClicked(WizardButton::Exit);
        testenv::Fixture::settle();

        shell::menuScreen().onMenuItemClicked(shell::MenuItem::WorksheetCatalogue);
        testenv::Fixture::settle();
        QVERIFY(catalogueScreen().isShown());
        QVERIFY(!shell::menuScreenLoaded());
        // The list is made on first use.
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("track.txt"))), QByteArray(" 0 \r\n"));

        state().soundOn = false;
        catalogueScreen().onExitClicked();
        testenv::Fixture::settle();
        QVERIFY(shell::menuScreen().isShown());
        QVERIFY(state().soundOn); // a fresh menu
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("catalogueScreen"));
    }

    void afterTheCatalogueTheMenuAnimatesAsAFreshOneWould_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<bool>("animated");
        QTest::newRow("readable list") << worksheetListBytes({"Air"}) << true;
        QTest::newRow("damaged list") << QByteArray(" 3 \r\nAir\r\n") << false;
    }
    void afterTheCatalogueTheMenuAnimatesAsAFreshOneWould() {
        QFETCH(QByteArray, list);
        QFETCH(bool, animated);
        testenv::Fixture env;
        env.write(QStringLiteral("multiple\\track.txt"), list);
        shell::menuScreen().onMenuItemClicked(shell::MenuItem::WorksheetCatalogue);
        testenv::Fixture::settle();
        catalogueScreen().onExitClicked();
        testenv::Fixture::settle();
        QTRY_VERIFY(!shell::menuScreen().worksheetListTimer->isActive()); // the list was read
        QCOMPARE(shell::menuScreen().earthRiseTimer->isActive(), animated);
    }

    void theCatalogueShowsTheListAsItIsWhenItComesBack() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air"), QStringLiteral("Water")});
        catalogueScreen().showScreen();
        catalogueScreen().editTick->setChecked(true);
        clickTitle(QStringLiteral("Water"));
        WizardScreen& wizard = wizardScreen();
        wizard.titleBox->setText(QStringLiteral("Rivers"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        // Meanwhile another teacher removed a title.
        WorksheetList(contentFile(env, QString())).remove(QStringLiteral("Air"));
        wizard.onButtonClicked(WizardButton::Exit);
        testenv::Fixture::settle();
        QCOMPARE(shownTitles(), QStringList({"Water", "Rivers"}));
    }

    void theWizardAsksBeforeExitLosesChanges() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air")});
        const QString question = QStringLiteral("Leave without saving your worksheet?");
        // Nothing typed, or nothing changed since the worksheet was loaded
        // or saved: no question.
        wizardScreen().onButtonClicked(WizardButton::Exit);
        catalogueScreen().editTick->setChecked(true);
        clickTitle(QStringLiteral("Air"));
        wizardScreen().onButtonClicked(WizardButton::Exit);
        testenv::Fixture::settle();
        QVERIFY(env.messages.said.isEmpty());
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("wizardScreen"));

        WizardScreen& wizard = wizardScreen();
        wizard.questionBoxes[4]->setText(QStringLiteral("Typed"));
        env.messages.answers = {false}; // Stay
        wizard.onButtonClicked(WizardButton::Exit);
        QVERIFY(!wizard.isUnloading());
        typeSampleSet(wizard, QStringLiteral("Rocks"));
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        wizard.onButtonClicked(WizardButton::Exit); // saved: no question
        QVERIFY(wizard.isUnloading());
        QCOMPARE(env.messages.said, QStringList({question, kSaved}));

        WizardScreen& ticked = wizardScreen();
        ticked.rightOptionTicks[5]->setChecked(true);
        env.messages.answers = {true}; // Leave
        ticked.onButtonClicked(WizardButton::Exit);
        QVERIFY(ticked.isUnloading());
        QCOMPARE(env.messages.said.last(), question);
    }

    void aHeldListKeepsTheScreenAnsweringUntilItIsFree() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air")});
        const int held = ::open(QFile::encodeName(contentFile(env, "track.lock")).constData(),
                                O_RDWR | O_CREAT, 0664);
        QVERIFY(::flock(held, LOCK_EX) == 0);
        WizardScreen& wizard = wizardScreen();
        wizard.showScreen();
        typeSampleSet(wizard, QStringLiteral("Rocks"));

        // Another teacher's save ends after a while; until then the program
        // runs its timers and shows the hourglass.
        int ticks = 0;
        bool hourglass = false;
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&] {
            hourglass = hourglass || (QGuiApplication::overrideCursor() &&
                                      QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
            if (++ticks == 20)
                ::close(held);
        });
        clock.start(10);
        wizard.onButtonClicked(WizardButton::SaveWorksheet);
        QVERIFY(ticks >= 20);
        QVERIFY(hourglass);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(env.messages.said, QStringList({kSaved}));
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("track.txt"))),
                 worksheetListBytes({"Air", "Rocks"}));
    }

    void editingWarnsOfTextsLongerThanTheirBoxes() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Air")});
        common::QuestionSet set = testenv::sampleQuestionSet(QStringLiteral("Air"));
        set.optionB[3] = QString(45, u'b');
        set.questionText[10] = QString(61, u'q');
        env.write(QStringLiteral("multiple\\Air.txt"), questionSetBytes(set));
        catalogueScreen().editTick->setChecked(true);
        clickTitle(QStringLiteral("Air"));
        QCOMPARE(env.messages.said,
                 QStringList(QStringLiteral(
                     "Some texts of this worksheet are longer than the wizard's boxes and will be "
                     "cut short: Question 3, option B; Question 10. Saving keeps them as the "
                     "boxes show them.")));
        QCOMPARE(wizardScreen().optionBoxes[4 * 2 + 1]->text(), QString(30, u'b'));
    }

    void catalogueOpensOnTheFirstPage() {
        testenv::Fixture env;
        writeWorksheets(env, numbered(24));
        CatalogueScreen& catalogue = catalogueScreen();
        QCOMPARE(shownTitles(), numbered(24));
        QCOMPARE(catalogue.titleSlots[13]->caption(), QStringLiteral("Sheet 13"));
        QVERIFY(catalogue.nextPageButton->isHidden());
        QVERIFY(catalogue.previousPageButton->isHidden());
        catalogue.unload();
        testenv::Fixture::settle();

        writeWorksheets(env, numbered(25));
        QVERIFY(!catalogueScreen().nextPageButton->isHidden());
        catalogueScreen().onPageButtonClicked(PageButton::Next);
        QCOMPARE(shownTitles(), QStringList({"Sheet 25"}));
        QCOMPARE(catalogueScreen().pageLabel->caption(), QStringLiteral("Page 2"));
        QVERIFY(catalogueScreen().nextPageButton->isHidden());
        catalogueScreen().onPageButtonClicked(PageButton::Previous);
        QVERIFY(catalogueScreen().previousPageButton->isHidden());
        QCOMPARE(shownTitles().size(), 24);
    }

    void theLastPageOfAFullListShowsTheLastTitles() {
        testenv::Fixture env;
        env.write(QStringLiteral("multiple\\track.txt"), worksheetListBytes(numbered(1000)));
        common::QuestionSet last = testenv::sampleQuestionSet(QStringLiteral("Sheet 1000"));
        last.questionText[1] = QStringLiteral("The last one?");
        env.write(QStringLiteral("multiple\\Sheet 1000.txt"), questionSetBytes(last));
        catalogueScreen();
        turnPages(41);
        QCOMPARE(catalogueScreen().pageLabel->caption(), QStringLiteral("Page 42"));
        QCOMPARE(shownTitles(), numbered(1000).mid(984));
        QVERIFY(catalogueScreen().nextPageButton->isHidden());
        clickTitle(QStringLiteral("Sheet 1000"));
        QVERIFY(quiz::quizScreen().isShown());
        QCOMPARE(state().questions.questionText[1], QStringLiteral("The last one?"));
        quiz::quizScreen().unload();

        // One more: the first 1000 are shown all the same.
        env.write(QStringLiteral("multiple\\track.txt"), worksheetListBytes(numbered(1001)));
        catalogueScreen().unload();
        testenv::Fixture::settle();
        catalogueScreen();
        turnPages(41);
        QCOMPARE(shownTitles(), numbered(1000).mid(984));
    }

    void aWorksheetOpensAsAQuizThatCanBePrinted() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Rocks")});
        state().soundOn = false;
        catalogueScreen().showScreen();
        clickTitle(QStringLiteral("Rocks"));
        quiz::QuizScreen& quiz = quiz::quizScreen();
        QVERIFY(quiz.isShown());
        QCOMPARE(quiz.subjectLabel->caption(), QStringLiteral("Corvella"));
        QVERIFY(!quiz.printWorksheetButton->isHidden());
        QVERIFY(!shell::menuScreenLoaded()); // taking its title did not load it
        QVERIFY(!state().soundOn);
        QVERIFY(catalogueScreen().isShown()); // beneath the quiz

        RecordingPrinter printer;
        platform::setPrinterFactory([&printer] {
            return std::unique_ptr<platform::Printer>(new BorrowedPrinter(printer));
        });
        quiz.onButtonClicked(quiz::QuizButton::PrintWorksheet);
        QVERIFY(printer.ended);
        QCOMPARE(printer.texts[4].text, QStringLiteral("Corvella"));
        QCOMPARE(printer.texts[5].text, QStringLiteral("Rocks"));
        QCOMPARE(env.messages.said, QStringList({"Your worksheet is now printing."}));

        printer.failAt = printer.operations + 3;
        quiz.onButtonClicked(quiz::QuizButton::PrintWorksheet);
        QCOMPARE(env.messages.said.last(),
                 QStringLiteral("There was a problem printing to your printer."));
        QCOMPARE(env.messages.said.size(), 2);
    }

    void editingFillsTheWizard() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Salt & sand")});
        common::QuestionSet set = testenv::sampleQuestionSet(QStringLiteral("Salt & sand"));
        set.optionC[6] = QStringLiteral("Sand, and clay");
        env.write(QStringLiteral("multiple\\Salt & sand.txt"), questionSetBytes(set));
        catalogueScreen().showScreen();
        catalogueScreen().editTick->setChecked(true);
        catalogueScreen().deleteTick->setChecked(true);
        QVERIFY(!catalogueScreen().editTick->isChecked()); // one or the other
        catalogueScreen().editTick->setChecked(true);
        clickTitle(QStringLiteral("Salt & sand"));

        WizardScreen& wizard = wizardScreen();
        QVERIFY(wizard.isShown());
        // As listed: the file's title line would turn the "&" into a comma.
        QCOMPARE(wizard.titleBox->text(), QStringLiteral("Salt & sand"));
        QCOMPARE(wizard.questionBoxes[9]->text(), QStringLiteral("Question number10?"));
        QCOMPARE(wizard.optionBoxes[4 * 5 + 2]->text(), QStringLiteral("Sand, and clay"));
        for (int box = 0; box < 40; ++box)
            QCOMPARE(wizard.rightOptionTicks[box]->isChecked(),
                     box % 4 + 1 == testenv::sampleRightChoice(box / 4 + 1));
        QVERIFY(catalogueScreen().isShown());
    }

    void deletingOnAPageFollowedByMorePages() {
        testenv::Fixture env;
        writeWorksheets(env, numbered(30));
        catalogueScreen().deleteTick->setChecked(true);
        env.messages.answers = {false, true};
        clickTitle(QStringLiteral("Sheet 5")); // Cancel
        QCOMPARE(shownTitles(), numbered(24));
        clickTitle(QStringLiteral("Sheet 5")); // OK
        QCOMPARE(env.messages.said,
                 QStringList(2, "Are you sure that you want to delete the worksheet Sheet 5?"));
        QStringList expected = numbered(25);
        expected.removeAt(4);
        QCOMPARE(shownTitles(), expected); // sheet 25 moved up into slot 24
        QCOMPARE(state().titleBeingDeleted, QStringLiteral("Sheet 5"));
        QStringList left = numbered(30);
        left.removeAt(4);
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("track.txt"))),
                 worksheetListBytes(left));
        QVERIFY(QFile::exists(contentFile(env, QStringLiteral("Sheet 5.txt")))); // only unlisted
    }

    void deletingTheOnlyTitleOnTheLastPage() {
        testenv::Fixture env;
        writeWorksheets(env, numbered(25));
        catalogueScreen().onPageButtonClicked(PageButton::Next);
        catalogueScreen().deleteTick->setChecked(true);
        clickTitle(QStringLiteral("Sheet 25"));
        QVERIFY(shownTitles().isEmpty());
        QVERIFY(!catalogueScreen().previousPageButton->isHidden()); // until the page changes
        QCOMPARE(catalogueScreen().pageLabel->caption(), QStringLiteral("Page 2"));
        QCOMPARE(fileBytes(contentFile(env, QStringLiteral("track.txt"))),
                 worksheetListBytes(numbered(24)));
        catalogueScreen().onPageButtonClicked(PageButton::Previous);
        QCOMPARE(shownTitles(), numbered(24));
        QVERIFY(catalogueScreen().nextPageButton->isHidden());
    }

    void aTitleWhoseFileIsGoneIsCorrupted() {
        testenv::Fixture env;
        writeWorksheets(env, {QStringLiteral("Rocks"), QStringLiteral("Air")});
        QFile::remove(contentFile(env, QStringLiteral("Rocks.txt")));
        env.write(QStringLiteral("multiple\\Air.txt"), "Air\r\n \r\nShort\r\n");
        state().soundOn = true;
        catalogueScreen();
        clickTitle(QStringLiteral("Rocks"));
        clickTitle(QStringLiteral("Air"));
        catalogueScreen().deleteTick->setChecked(true);
        clickTitle(QStringLiteral("Rocks"));
        // The first line is the same for every cause; the second tells which.
        const QString gone = kCorrupted + QStringLiteral("\nIts file could not be found.");
        QCOMPARE(env.messages.said,
                 QStringList({gone,
                              kCorrupted + QStringLiteral("\nThe question file ends before line 4 "
                                                          "of 72."),
                              gone}));
        QVERIFY(!platform::ScreenRegistry::instance().isLoaded("quizScreen"));
        QCOMPARE(shownTitles(), QStringList({"Rocks", "Air"}));
        QCOMPARE(env.sound.played, QStringList(3, "wav\\click.wav"));

        // A file that is there but cannot be opened is not "not found".
        QDir().mkpath(contentFile(env, QStringLiteral("Rocks.txt")));
        catalogueScreen().deleteTick->setChecked(false);
        clickTitle(QStringLiteral("Rocks"));
        QVERIFY2(env.messages.said.last().startsWith(kCorrupted + "\nIts file cannot be read ("),
                 qPrintable(env.messages.said.last()));
    }
};

QTEST_MAIN(WorksheetScreensTest)
#include "tst_worksheetscreens.moc"
