// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet list, its lock and saving a worksheet beside it.
#include "platform/mediapaths.h"
#include "questions/fields.h"
#include "questions/questionfile.h"
#include "support/samplequestions.h"
#include "worksheets/listlock.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsaving.h"
#include "worksheets/worksheetsfolder.h"
#include "worksheetstests.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace worksheets;
using namespace sheettest;
using testenv::sampleQuestionSet;
using Outcome = WorksheetList::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Acts as another user until destroyed; needs to start as the administrator.
struct ActingAs {
    explicit ActingAs(uid_t user) : acting(::geteuid() == 0 && ::seteuid(user) == 0) {}
    ~ActingAs() {
        if (acting)
            ::seteuid(0);
    }
    bool acting;
};

} // namespace

class WorksheetListTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("complete");
        const auto row = [](const char* name, const QByteArray& bytes, const QStringList& titles,
                            bool complete) { QTest::newRow(name) << bytes << titles << complete; };
        row("as written", " 3 \r\nRocks\r\nCaf\xe9 quiz\r\nSalt & sand\r\n",
            {"Rocks", "Café quiz", "Salt & sand"}, true);
        row("lines after the count's titles", " 2 \r\n  One\r\nTwo\r\nThree\r\n", {"One", "Two"},
            true);
        row("LF only, no last line end", "2\nOne\nTwo", {"One", "Two"}, true);
        row("a comma of an older version", " 1 \r\nSun, Moon\r\n", {"Sun"}, true);
        row("empty list", " 0 \r\n", {}, true);
        row("fewer titles than the count", " 3 \r\nOne\r\nTwo\r\n", {"One", "Two"}, false);
        row("1000", worksheetListBytes(numbered(1000)), numbered(1000), true);
        row("over 1000: the first 1000", worksheetListBytes(numbered(1001)), numbered(1000), false);
        for (const char* count : {"-1", "0.5", "nan", "1e2", "", "4294967297", "many"})
            row(count, QByteArray(count) + "\r\nOne\r\n", {}, false);
        row("empty file", QByteArray(), {}, false);
        const QByteArray atBound(kMaxLineBytes, 'x');
        row("a line at the bound", " 2 \r\nOne\r\n" + atBound + "\r\n", {"One", atBound}, true);
        row("one byte over", " 2 \r\nOne\r\n" + atBound + "x\r\n", {"One"}, false);
        row("10 MB", " 2 \r\nOne\r\n" + QByteArray(10 << 20, 'x') + "\r\n", {"One"}, false);
        row("UTF-8 after the mark", "\xEF\xBB\xBF 2 \r\nCaf\xC3\xA9\r\nRocks\r\n",
            {"Café", "Rocks"}, true);
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const WorksheetTitles read = readWorksheetTitles(buffer);
        QTEST(read.titles, "titles");
        QTEST(read.complete, "complete");
        QVERIFY(buffer.pos() < 64 * 1024); // reading stops near a long line's bound
    }

    // A change to a list file: its outcome and the file after it.
    void changes_data() {
        QTest::addColumn<QByteArray>("before"); // no list when null
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QByteArray>("after"); // the file as before when null
        const auto row = [](const char* name, const QByteArray& before, const char* change,
                            const QString& title, Outcome outcome, const QByteArray& after = {}) {
            QTest::newRow(name) << before << QString::fromLatin1(change) << title << outcome
                                << after;
        };
        const QByteArray two = worksheetListBytes({"Volcanoes", "Rocks"});
        const QByteArray full = worksheetListBytes(numbered(1000));
        const QByteArray twins = worksheetListBytes({"A", "Twin", "B", "Twin", "C"});
        row("add creates the list", {}, "add", "Café", Outcome::Changed, " 1 \r\nCaf\xE9\r\n");
        row("add a listed title", two, "add", "Rocks", Outcome::Unchanged);
        row("add compares exactly", two, "add", "rocks", Outcome::Changed,
            worksheetListBytes({"Volcanoes", "Rocks", "rocks"}));
        row("add the thousandth", worksheetListBytes(numbered(999)), "add", "Sheet 1000",
            Outcome::Changed, full);
        row("add to a full list", full, "add", "One too many", Outcome::Full);
        row("add a listed title to a full list", full, "add", "Sheet 1000", Outcome::Unchanged);
        row("remove the last equal entry", twins, "remove", "Twin", Outcome::Changed,
            worksheetListBytes({"A", "Twin", "B", "C"}));
        row("remove a title not listed", twins, "remove", "a", Outcome::Unchanged);
        // A list saved as UTF-8 stays so, a mark beginning a later title too.
        const QByteArray utf8 = "\xEF\xBB\xBF 2 \r\n\xC5\x81\xC3\xB3"
                                "d\xC5\xBA\r\n\xEF\xBB\xBF 2\r\n";
        row("add to a list in UTF-8", utf8, "add", "Rocks", Outcome::Changed,
            utf8.left(4) + '3' + utf8.mid(5) + "Rocks\r\n");
        row("create where there is none", {}, "create", {}, Outcome::Unchanged, " 0 \r\n");
        row("create beside a list", two, "create", {}, Outcome::Unchanged);
        // A list not read whole is never written over (bad UTF-8 would grow).
        const std::pair<const char*, QByteArray> damaged[] = {
            {"too short", " 5 \r\nOne\r\nTwo\r\n"},
            {"not UTF-8",
             "\xEF\xBB\xBF 2 \r\nOne\r\n" + QByteArray(kMaxLineBytes, '\xFF') + "\r\n"},
            {"over 1000", worksheetListBytes(numbered(1001))}};
        for (const auto& [kind, list] : damaged) {
            row(qPrintable(QStringLiteral("add, %1").arg(kind)), list, "add", "Three",
                Outcome::Failed);
            row(qPrintable(QStringLiteral("remove, %1").arg(kind)), list, "remove", "One",
                Outcome::Failed);
        }
    }
    void changes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, change);
        QFETCH(QString, title);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        if (!before.isNull())
            QVERIFY(writeBytes(list.path(), before));
        const WorksheetList::Change result = change == QLatin1String("add") ? list.add(title)
                                             : change == QLatin1String("remove")
                                                 ? list.remove(title)
                                                 : list.create();
        QTEST(result.outcome, "outcome");
        QCOMPARE(fileBytes(list.path()), after.isNull() ? before : after);
        if (result.outcome != Outcome::Failed && change != QLatin1String("create"))
            QCOMPARE(result.titles, list.read().titles);
    }

    void onlyPlainFilesAreRead() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        const QString sheet = dir.filePath(QStringLiteral("Rocks.txt"));
        QVERIFY(QDir().mkdir(list.path()) && QDir().mkdir(sheet));
        QVERIFY(!list.read().complete);
        QCOMPARE(list.add(QStringLiteral("Rocks")).outcome, Outcome::Failed); // nor written over
        const QuestionFileLoad load = loadQuestionFile(sheet);
        QCOMPARE(load.outcome, QuestionFileLoad::Outcome::CannotBeRead);
        QCOMPARE(load.reason, QStringLiteral("it is not a plain file"));
    }

    void aHeldLockIsWaitedForAtMostFiveSeconds() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        QVERIFY(writeBytes(list.path(), worksheetListBytes({"Air"})));
        std::optional<ListLock> other(std::in_place, dir.path()); // another teacher's save
        QCOMPARE(other->take(), ListLock::Outcome::Taken);
        int paused = 0; // milliseconds asked for; the test itself does not wait
        WorksheetList::Change change =
            WorksheetList(dir.path(), [&](int ms) { paused += ms; }).add(QStringLiteral("Rocks"));
        QCOMPARE(change.outcome, Outcome::Failed);
        QCOMPARE(fileBytes(list.path()), worksheetListBytes({"Air"}));
        QCOMPARE(paused, kLockWaitMs);

        // Let go after adding a title: taken at the next try, the list read again.
        int pauses = 0;
        change = WorksheetList(dir.path(), [&](int) {
                     if (++pauses < 3)
                         return;
                     writeBytes(list.path(), worksheetListBytes({"Air", "Other"}));
                     other.reset();
                 }).add(QStringLiteral("Rocks"));
        QCOMPARE(change.outcome, Outcome::Changed);
        QCOMPARE(pauses, 3);
        QCOMPARE(list.read().titles, QStringList({"Air", "Other", "Rocks"}));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("track.lock")))); // removed after
    }

    void whatCannotBeALockIsTakenOverAtOnce_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"empty file", "file of a killed writer", "folder",
                                 "folder with a file in it", "pipe", "link"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void whatCannotBeALockIsTakenOverAtOnce() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("track.lock"));
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.txt"));
        QVERIFY(writeBytes(elsewhere, "kept"));
        const bool full = kind == QLatin1String("folder with a file in it");
        if (kind == QLatin1String("empty file") || kind == QLatin1String("file of a killed writer"))
            QVERIFY(writeBytes(lock, kind.size() > 10 ? "999\nhost\n" : ""));
        if (kind.startsWith(QLatin1String("folder")))
            QVERIFY(QDir().mkdir(lock) && (!full || writeBytes(lock + "/inside", "kept")));
        if (kind == QLatin1String("pipe"))
            QVERIFY(::mkfifo(QFile::encodeName(lock).constData(), 0600) == 0);
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, lock));

        int pauses = 0;
        const WorksheetList::Change change =
            WorksheetList(dir.path(), [&pauses](int) { ++pauses; }).add(QStringLiteral("Rocks"));
        QCOMPARE(change.outcome, Outcome::Changed);
        QCOMPARE(pauses, 0);
        QCOMPARE(fileBytes(elsewhere), QByteArray("kept"));
        // A folder with something in it is moved aside, whole.
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("track.lock.*")}, QDir::Dirs).size(),
                 full ? 1 : 0);
    }

    void aFullOrHeldListStopsTheSaveBeforeAnythingIsWritten() {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("track.txt"), worksheetListBytes(numbered(1000))));
        QCOMPARE(saveMessage(saveWorksheet(dir.path(), sampleQuestionSet("New"))),
                 QStringLiteral("There was a problem saving your worksheet\nThe worksheet list "
                                "is full."));
        // A listed title is saved over its old file even in a full list.
        QVERIFY(saveWorksheet(dir.path(), sampleQuestionSet("Sheet 1000")).saved);
        const QByteArray oldFile = fileBytes(dir.filePath(QStringLiteral("Sheet 1000.txt")));
        ListLock other(dir.path());
        QCOMPARE(other.take(), ListLock::Outcome::Taken);
        common::QuestionSet changed = sampleQuestionSet("Sheet 1000");
        changed.optionA[1] = QStringLiteral("changed");
        QCOMPARE(saveMessage(saveWorksheet(dir.path(), changed, [](int) {})),
                 QStringLiteral("There was a problem saving your worksheet\nAnother teacher "
                                "is saving a worksheet. Please try again in a moment."));
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("Sheet 1000.txt"))), oldFile);
        QCOMPARE(filesIn(dir.path()), QStringList({"Sheet 1000.txt", "track.lock", "track.txt"}));
    }

    void leftoversOfAnInterruptedSaveAreRemoved() {
        QTemporaryDir dir;
        const QStringList leftovers = {"track.txt.1a2b3c4d.new", "Rocks.txt.ff.new",
                                       ".hidden.txt.0.new"};
        const QStringList kept = {"notes.new", "Rocks.txt.new", "Air.txt.xyz.new"};
        for (const QString& name : leftovers + kept)
            QVERIFY(writeBytes(dir.filePath(name), {}));
        QVERIFY(saveWorksheet(dir.path(), sampleQuestionSet("Rocks")).saved);
        QStringList expected = kept + QStringList({"Rocks.txt", "track.txt"});
        expected.sort(Qt::CaseInsensitive);
        QCOMPARE(filesIn(dir.path()), expected);
    }

    void aStickyFolderSaysWhoseFileCannotBeReplaced() {
        // Like /tmp: everyone may write, but only a file's owner replace it.
        QTemporaryDir dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 01777) == 0);
        QVERIFY(writeBytes(dir.filePath("track.lock"), {})); // left by a killed program
        {
            ActingAs first(65534);
            if (!first.acting)
                QSKIP("This test needs to act as other users.");
            QVERIFY(saveWorksheet(dir.path(), sampleQuestionSet("Rocks")).saved);
        }
        const QStringList before = filesIn(dir.path());
        SaveOutcome outcome;
        {
            ActingAs second(65533); // the list is the first one's
            outcome = saveWorksheet(dir.path(), sampleQuestionSet("Air"));
        }
        QCOMPARE(saveMessage(outcome),
                 QStringLiteral("There was a problem saving your worksheet\nThe program cannot "
                                "replace a file another user owns in the worksheets folder."));
        QCOMPARE(filesIn(dir.path()), before);
    }

    void aFullOrReadOnlyDiskIsReportedAndLosesNothing() {
        QTemporaryDir dir; // a small file system of its own, filled for real
        const QByteArray disk = QFile::encodeName(dir.path());
        if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=128k") != 0)
            QSKIP("This test needs the right to mount a small file system.");
        const auto unmount = qScopeGuard([&] { ::umount2(disk.constData(), MNT_DETACH); });
        QVERIFY(saveWorksheet(dir.path(), sampleQuestionSet("Rocks")).saved);
        const QByteArray oldFile = fileBytes(dir.filePath("Rocks.txt"));
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(1024, 'x')) > 0 || filler.write("x", 1) > 0) {
        }
        common::QuestionSet changed = sampleQuestionSet("Rocks");
        changed.optionA[1] = QStringLiteral("changed");
        QCOMPARE(saveWorksheet(dir.path(), changed).reason, QStringLiteral("The disk is full."));
        QCOMPARE(fileBytes(dir.filePath("Rocks.txt")), oldFile);
        // Nothing half-written is left beside it.
        QCOMPARE(filesIn(dir.path()), QStringList({"filler", "Rocks.txt", "track.txt"}));
        // Made read-only, the same folder says so and still loses nothing.
        filler.close();
        QVERIFY(::mount(nullptr, disk.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        QCOMPARE(saveWorksheet(dir.path(), changed).reason,
                 QStringLiteral("The worksheets folder cannot be written."));
        QCOMPARE(fileBytes(dir.filePath("Rocks.txt")), oldFile);
    }

    void theWorksheetsFolderIsChosenByWhatCanBeWritten() {
        qunsetenv("CORVELLA_WORKSHEETS");
        QTemporaryDir content;
        QVERIFY(QDir(content.path()).mkdir(QStringLiteral("Multiple")));
        platform::setContentRoot(content.path());
        QCOMPARE(worksheetsFolder(), QDir(content.path()).filePath(QStringLiteral("Multiple")));

        qputenv("CORVELLA_WORKSHEETS", QFile::encodeName(content.path() + "/shared/"));
        QCOMPARE(preparedWorksheetsFolder(), content.path() + "/shared"); // made on first use
        QCOMPARE(fileBytes(content.path() + "/shared/track.txt"), QByteArray(" 0 \r\n"));
        qunsetenv("CORVELLA_WORKSHEETS");

        // An installed content folder is never written, even by the administrator.
        platform::setContentRoot(content.path(), true);
        QCOMPARE(worksheetsFolder(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/multiple");
        // Nor can a worksheet take the title of a topic's quiz kept beside it, in any case.
        platform::setContentRoot(QStringLiteral(CORVELLA_SOURCE_MEDIA)); // only read
        QCOMPARE(titleClash(QStringLiteral(CORVELLA_SOURCE_MEDIA "/multiple"), "the tides"),
                 QStringLiteral("Your worksheet title cannot be \"the tides\": a topic's quiz has "
                                "that title. Please choose another title."));
        platform::setContentRoot(QString());
    }
};

int runWorksheetListTests(int argc, char** argv) {
    WorksheetListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_worksheetlist.moc"
