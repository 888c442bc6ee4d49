// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/fields.h"
#include "questions/questionfile.h"
#include "worksheets/worksheetlist.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace worksheets;
using Outcome = WorksheetList::Outcome;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

WorksheetTitles readBytes(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readWorksheetTitles(buffer);
}

QStringList numberedTitles(int count, const QString& stem = QStringLiteral("Sheet ")) {
    QStringList titles;
    for (int n = 1; n <= count; ++n)
        titles << stem + QString::number(n);
    return titles;
}

QProcess* startChild(QObject* parent, const QStringList& arguments) {
    auto* child = new QProcess(parent);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    return child;
}

// Whether a read on another thread ends within five seconds. One that waits
// on a pipe is let go by opening the pipe's other end.
template <typename T> bool endsInTime(std::future<T>& read, const QString& pipe) {
    if (read.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return true;
    const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0)
        ::close(fd);
    read.wait();
    return false;
}

// The list's lock, held by this test as another program would hold it.
class HeldLock {
public:
    explicit HeldLock(const QString& folder)
        : fd(::open(QFile::encodeName(folder + "/track.lock").constData(), O_RDWR | O_CREAT,
                    0664)) {
        held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    }
    ~HeldLock() { release(); }
    void release() {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    int fd;
    bool held = false;
};

} // namespace

class WorksheetListTest : public QObject {
    Q_OBJECT

private slots:
    void fileFormat() {
        const QStringList titles = {QStringLiteral("Rocks"), QStringLiteral("Café quiz"),
                                    QStringLiteral("Salt & sand")};
        const QByteArray bytes = worksheetListBytes(titles);
        QCOMPARE(bytes, QByteArray(" 3 \r\nRocks\r\nCaf\xe9 quiz\r\nSalt & sand\r\n"));
        const WorksheetTitles read = readBytes(bytes);
        QVERIFY(read.complete);
        QCOMPARE(read.titles, titles); // "&" is not a comma here: titles are not encoded
        QCOMPARE(worksheetListBytes({}), QByteArray(" 0 \r\n"));
    }

    void readingStopsAtWhatTheCountPromises() {
        // Lines after the count's titles are ignored; LF-only files read too.
        WorksheetTitles read = readBytes(" 2 \r\n  One\r\nTwo\r\nThree\r\n");
        QVERIFY(read.complete);
        QCOMPARE(read.titles, QStringList({"One", "Two"}));
        read = readBytes("2\nOne\nTwo");
        QVERIFY(read.complete);
        QCOMPARE(read.titles.size(), 2);

        // A title written with a comma by an older version splits at it.
        QCOMPARE(readBytes(" 1 \r\nSun, Moon\r\n").titles, QStringList({"Sun"}));

        read = readBytes(" 3 \r\nOne\r\nTwo\r\n");
        QVERIFY(!read.complete);
        QCOMPARE(read.titles, QStringList({"One", "Two"}));

        QVERIFY(readBytes(worksheetListBytes(numberedTitles(1000))).complete);
        // Over 1000: the first 1000 are shown, and the list is never written back.
        read = readBytes(worksheetListBytes(numberedTitles(1001)));
        QVERIFY(!read.complete);
        QCOMPARE(read.titles, numberedTitles(1000));
        QVERIFY(!readBytes(" -1 \r\n").complete);
        QVERIFY(!readBytes("many\r\n").complete);
        QVERIFY(!readBytes("").complete);
    }

    void countMustBeAWholeNumber_data() {
        QTest::addColumn<QByteArray>("count");
        for (const char* count : {"-1", "0.5", "nan", "1e2", "", "4294967297"})
            QTest::newRow(count) << QByteArray(count);
    }
    void countMustBeAWholeNumber() {
        QFETCH(QByteArray, count);
        const WorksheetTitles read = readBytes(count + "\r\nOne\r\n");
        QVERIFY(!read.complete);
        QVERIFY(read.titles.isEmpty());
        QVERIFY(readBytes(" 0 \r\n").complete);
    }

    void aLineBeyondTheBoundIsDamage_data() {
        QTest::addColumn<qsizetype>("length");
        QTest::newRow("at the bound") << kMaxLineBytes;
        QTest::newRow("one byte over") << kMaxLineBytes + 1;
        QTest::newRow("10 MB") << qsizetype(10 * 1024 * 1024);
    }
    void aLineBeyondTheBoundIsDamage() {
        QFETCH(qsizetype, length);
        QByteArray bytes = " 2 \r\nOne\r\n" + QByteArray(length, 'x') + "\r\n";
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const WorksheetTitles read = readWorksheetTitles(buffer);
        QCOMPARE(read.complete, length <= kMaxLineBytes);
        QCOMPARE(read.titles.first(), QStringLiteral("One"));
        QVERIFY(buffer.pos() < 2 * kMaxLineBytes); // reading stops near the bound
    }

    void byteOrderMarkMeansUtf8() {
        const WorksheetTitles utf8 = readBytes("\xEF\xBB\xBF 2 \r\nCaf\xC3\xA9\r\nRocks\r\n");
        QVERIFY(utf8.complete);
        QCOMPARE(utf8.titles, QStringList({QStringLiteral("Café"), "Rocks"}));
    }

    void aListSavedAsUtf8StaysUtf8() {
        // Letters the code page lacks survive a change made by the program,
        // and so does a mark that begins a title on a later line.
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        writeBytes(list.path(), "\xEF\xBB\xBF 2 \r\n\xC5\x81\xC3\xB3"
                                "d\xC5\xBA\r\n\xEF\xBB\xBF 2\r\n");
        const QString boat = QStringLiteral("Łódź");
        const QString marked = QChar(0xFEFF) + QStringLiteral(" 2");
        QCOMPARE(list.read().titles, QStringList({boat, marked}));
        QCOMPARE(list.add(QStringLiteral("Rocks")).outcome, Outcome::Changed);
        QCOMPARE(fileBytes(list.path()), QByteArray("\xEF\xBB\xBF 3 \r\n\xC5\x81\xC3\xB3"
                                                    "d\xC5\xBA\r\n"
                                                    "\xEF\xBB\xBF 2\r\nRocks\r\n"));
        QCOMPARE(list.remove(boat).outcome, Outcome::Changed);
        QCOMPARE(list.read().titles, QStringList({marked, "Rocks"}));
    }

    void pipesAndFoldersReadAsFailuresWithoutWaiting() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        const QString sheet = dir.filePath(QStringLiteral("Rocks.txt"));
        for (const QString& pipe : {list.path(), sheet})
            QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Air.txt")));

        std::future<WorksheetTitles> listRead =
            std::async(std::launch::async, [&list] { return list.read(); });
        QVERIFY(endsInTime(listRead, list.path()));
        QVERIFY(!listRead.get().complete);
        // A list that cannot be read is not written over, not even a pipe.
        QCOMPARE(list.add(QStringLiteral("Rocks")).outcome, Outcome::Failed);
        QVERIFY(QFileInfo(list.path()).isFile() == false && QFileInfo::exists(list.path()));

        std::future<QuestionFileLoad> sheetLoad =
            std::async(std::launch::async, [&sheet] { return loadQuestionFile(sheet); });
        QVERIFY(endsInTime(sheetLoad, sheet));
        const QuestionFileLoad load = sheetLoad.get();
        QCOMPARE(load.outcome, QuestionFileLoad::Outcome::CannotBeRead);
        QCOMPARE(load.reason, QStringLiteral("it is not a plain file"));
        QCOMPARE(loadQuestionFile(dir.filePath(QStringLiteral("Air.txt"))).outcome,
                 QuestionFileLoad::Outcome::CannotBeRead);
        QCOMPARE(loadQuestionFile(dir.filePath(QStringLiteral("Gone.txt"))).outcome,
                 QuestionFileLoad::Outcome::NotFound);
    }

    void addingAppendsNewTitlesOnly() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        QVERIFY(!list.read().complete); // no list yet

        WorksheetList::Change change = list.add(QStringLiteral("Volcanoes")); // creates it
        QCOMPARE(change.outcome, Outcome::Changed);
        QCOMPARE(fileBytes(list.path()), QByteArray(" 1 \r\nVolcanoes\r\n"));

        QCOMPARE(list.add(QStringLiteral("Rocks")).outcome, Outcome::Changed);
        const QByteArray before = fileBytes(list.path());
        change = list.add(QStringLiteral("Volcanoes"));
        QCOMPARE(change.outcome, Outcome::Unchanged);
        QCOMPARE(change.titles, QStringList({"Volcanoes", "Rocks"}));
        QCOMPARE(fileBytes(list.path()), before);
        QCOMPARE(list.add(QStringLiteral("rocks")).outcome, Outcome::Changed); // exact match only
        QCOMPARE(list.read().titles, QStringList({"Volcanoes", "Rocks", "rocks"}));
    }

    void aFullListTakesNoMore() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        writeBytes(list.path(), worksheetListBytes(numberedTitles(999)));
        QCOMPARE(list.add(QStringLiteral("Last")).outcome, Outcome::Changed);
        const QByteArray full = fileBytes(list.path());
        QCOMPARE(list.add(QStringLiteral("One too many")).outcome, Outcome::Full);
        QCOMPARE(list.add(QStringLiteral("Last")).outcome, Outcome::Unchanged);
        QCOMPARE(fileBytes(list.path()), full);
        QCOMPARE(list.read().titles.last(), QStringLiteral("Last"));
    }

    void aDamagedListIsNeverWrittenOver() {
        // Too few titles, and a list marked as UTF-8 with a title that is not
        // (written back, its bytes would become longer replacement text).
        // And a list longer than the program keeps.
        for (const QByteArray& damaged :
             {QByteArray(" 5 \r\nOne\r\nTwo\r\n"),
              "\xEF\xBB\xBF 2 \r\nOne\r\n" + QByteArray(kMaxLineBytes, '\xFF') + "\r\n",
              worksheetListBytes(numberedTitles(1001))}) {
            QTemporaryDir dir;
            WorksheetList list(dir.path());
            writeBytes(list.path(), damaged);
            QCOMPARE(list.add(QStringLiteral("Three")).outcome, Outcome::Failed);
            QCOMPARE(list.remove(QStringLiteral("One")).outcome, Outcome::Failed);
            QCOMPARE(fileBytes(list.path()), damaged);
        }
    }

    void removingTakesTheLastEqualEntry() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        writeBytes(list.path(), worksheetListBytes({"A", "Twin", "B", "Twin", "C"}));
        WorksheetList::Change change = list.remove(QStringLiteral("Twin"));
        QCOMPARE(change.outcome, Outcome::Changed);
        QCOMPARE(change.titles, QStringList({"A", "Twin", "B", "C"}));
        QCOMPARE(fileBytes(list.path()), worksheetListBytes({"A", "Twin", "B", "C"}));

        const QByteArray before = fileBytes(list.path());
        QCOMPARE(list.remove(QStringLiteral("Gone")).outcome, Outcome::Unchanged);
        QCOMPARE(list.remove(QStringLiteral("a")).outcome, Outcome::Unchanged);
        QCOMPARE(fileBytes(list.path()), before);

        QCOMPARE(list.remove(QStringLiteral("C")).titles, QStringList({"A", "Twin", "B"}));
    }

    void aHeldLockIsWaitedForAtMostFiveSeconds() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        writeBytes(list.path(), worksheetListBytes({"Air"}));
        const QByteArray before = fileBytes(list.path());
        HeldLock other(dir.path());
        QVERIFY(other.held);

        int paused = 0; // milliseconds asked for, not waited: the test does not wait
        int pauses = 0;
        bool stepRan = false;
        const auto pause = [&](int ms) {
            paused += ms;
            ++pauses;
        };
        WorksheetList::Change change =
            WorksheetList(dir.path(), pause).add(QStringLiteral("Rocks"), [&] {
                stepRan = true;
                return std::optional<QString>();
            });
        QCOMPARE(change.outcome, Outcome::Failed);
        QCOMPARE(change.error, QStringLiteral("Another teacher is saving a worksheet. Please try "
                                              "again in a moment."));
        QVERIFY(!stepRan); // nothing was written
        QCOMPARE(fileBytes(list.path()), before);
        QCOMPARE(paused, kLockWaitMs);

        // Let go during the wait, the lock is taken at the next try.
        pauses = 0;
        change = WorksheetList(dir.path(), [&](int ms) {
                     if (++pauses == 3)
                         other.release();
                 }).add(QStringLiteral("Rocks"));
        QCOMPARE(change.outcome, Outcome::Changed);
        QCOMPARE(pauses, 3);
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
        writeBytes(elsewhere, "kept");
        const QByteArray name = QFile::encodeName(lock);
        if (kind == QLatin1String("empty file"))
            writeBytes(lock, QByteArray());
        else if (kind == QLatin1String("file of a killed writer"))
            writeBytes(lock, "999999999\nsomewhere\n");
        else if (kind.startsWith(QLatin1String("folder")))
            QVERIFY(QDir().mkdir(lock));
        if (kind == QLatin1String("folder with a file in it"))
            writeBytes(lock + "/inside", "kept");
        if (kind == QLatin1String("pipe"))
            QVERIFY(::mkfifo(name.constData(), 0600) == 0);
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, lock));

        int pauses = 0;
        const WorksheetList::Change change =
            WorksheetList(dir.path(), [&pauses](int) { ++pauses; }).add(QStringLiteral("Rocks"));
        QCOMPARE(change.outcome, Outcome::Changed);
        QCOMPARE(pauses, 0);
        QCOMPARE(fileBytes(elsewhere), QByteArray("kept"));
        // A folder with something in it is moved aside, whole.
        const QStringList aside =
            QDir(dir.path()).entryList({QStringLiteral("track.lock.*")}, QDir::Dirs);
        QCOMPARE(aside.size(), kind == QLatin1String("folder with a file in it") ? 1 : 0);
    }

    void createMakesAnEmptyListOnce() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        QCOMPARE(list.create().outcome, Outcome::Unchanged);
        QCOMPARE(fileBytes(list.path()), QByteArray(" 0 \r\n"));
        QVERIFY(list.read().complete);
        list.add(QStringLiteral("Kept"));
        list.create();
        QCOMPARE(list.read().titles, QStringList({"Kept"}));
    }

    void aWriterKilledHalfWayLeavesTheOldList() {
        QTemporaryDir dir;
        WorksheetList list(dir.path());
        // Long enough that the new list takes several blocks to write.
        const QStringList titles = numberedTitles(900, QStringLiteral("A fairly long title "));
        writeBytes(list.path(), worksheetListBytes(titles));
        const QByteArray before = fileBytes(list.path());

        QProcess* child =
            startChild(this, {QStringLiteral("--stop-mid-add"), dir.path(), QStringLiteral("New")});
        QByteArray said; // the check below reads it again once it holds
        QTRY_VERIFY_WITH_TIMEOUT((said += child->readAllStandardOutput()).contains("half"), 20000);
        child->kill(); // SIGKILL: no clean-up runs in the child
        QVERIFY(child->waitForFinished(10000));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);

        QCOMPARE(fileBytes(list.path()), before);
        // The dead writer's lock does not keep the next teacher out.
        QCOMPARE(list.add(QStringLiteral("After")).outcome, Outcome::Changed);
        QCOMPARE(list.read().titles, titles + QStringList({"After"}));
    }

    void twoWritersAtOnceLoseNothing() {
        QTemporaryDir dir;
        QProcess* first = startChild(
            this, {QStringLiteral("--add-titles"), dir.path(), QStringLiteral("first "), "50"});
        QProcess* second = startChild(
            this, {QStringLiteral("--add-titles"), dir.path(), QStringLiteral("second "), "50"});
        QVERIFY(first->waitForStarted(10000));
        QVERIFY(second->waitForStarted(10000));
        first->write("go\n");
        second->write("go\n");
        QVERIFY(first->waitForBytesWritten(10000)); // both go before either is waited for
        QVERIFY(second->waitForBytesWritten(10000));
        QVERIFY(first->waitForFinished(60000));
        QVERIFY(second->waitForFinished(60000));
        QCOMPARE(first->exitCode(), 0);
        QCOMPARE(second->exitCode(), 0);

        const WorksheetTitles read = WorksheetList(dir.path()).read();
        QVERIFY(read.complete);
        QCOMPARE(read.titles.size(), 100);
        QStringList sorted = read.titles;
        sorted.sort();
        QStringList expected = numberedTitles(50, QStringLiteral("first ")) +
                               numberedTitles(50, QStringLiteral("second "));
        expected.sort();
        QCOMPARE(sorted, expected);
    }
};

int runWorksheetListTests(int argc, char** argv) {
    WorksheetListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_worksheetlist.moc"
