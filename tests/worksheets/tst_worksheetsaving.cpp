#include "platform/mediapaths.h"
#include "support/samplequestions.h"
#include "worksheets/questionfile.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsaving.h"
#include "worksheets/worksheetsfolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

using namespace worksheets;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small file system of its own in a temporary folder, for running out of
// space or going read-only for real. Needs the right to mount.
class SmallFileSystem {
public:
    SmallFileSystem() {
        mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                          "size=256k") == 0;
    }
    ~SmallFileSystem() {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    QString path() const { return dir.path(); }
    bool makeReadOnly() {
        return ::mount(nullptr, QFile::encodeName(dir.path()).constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Writes a filler file until the file system refuses another byte.
    void fill() {
        QFile filler(QDir(dir.path()).filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
    }

    QTemporaryDir dir;
    bool mounted = false;
};

// Restores an environment variable when the test ends.
class EnvironmentVariable {
public:
    explicit EnvironmentVariable(const char* name)
        : name(name), old(qgetenv(name)), had(qEnvironmentVariableIsSet(name)) {}
    ~EnvironmentVariable() {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    }
    const char* name;
    QByteArray old;
    bool had;
};

} // namespace

class WorksheetSavingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void savingWritesTheFileAndListsANewTitleOnce() {
        QTemporaryDir dir;
        common::QuestionSet set = testenv::sampleQuestionSet(QStringLiteral("Rocks"));
        set.questionText[1] = QStringLiteral("Hard, soft or both?");
        QVERIFY(saveWorksheet(dir.path(), set).saved);

        QByteArray expected = "Rocks\r\n \r\nHard& soft or both?\r\na\r\nb\r\nc\r\nd\r\n1\r\n \r\n";
        for (int n = 2; n <= 10; ++n)
            expected += "Question number" + QByteArray::number(n) + "?\r\na\r\nb\r\nc\r\nd\r\n" +
                        QByteArray::number(testenv::sampleRightChoice(n)) + "\r\n \r\n";
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("Rocks.txt"))), expected);
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("track.txt"))),
                 QByteArray(" 1 \r\nRocks\r\n"));

        // Saving again under the same title replaces the file, not the list.
        set.optionA[3] = QStringLiteral("changed");
        QVERIFY(saveWorksheet(dir.path(), set).saved);
        QVERIFY(fileBytes(dir.filePath(QStringLiteral("Rocks.txt"))).contains("changed"));
        QVERIFY(saveWorksheet(dir.path(), testenv::sampleQuestionSet(QStringLiteral("Air"))).saved);
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("track.txt"))),
                 QByteArray(" 2 \r\nRocks\r\nAir\r\n"));
    }

    void aFullOrDamagedListStopsTheSaveBeforeAnythingIsWritten() {
        QTemporaryDir dir;
        QStringList titles;
        for (int n = 1; n <= kMaxWorksheets; ++n)
            titles << QStringLiteral("Sheet %1").arg(n);
        QFile list(dir.filePath(QStringLiteral("track.txt")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(worksheetListBytes(titles));
        list.close();

        QVERIFY(!saveWorksheet(dir.path(), testenv::sampleQuestionSet("New")).saved);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("New.txt"))));
        // A listed title is saved over its old file even in a full list.
        QVERIFY(saveWorksheet(dir.path(), testenv::sampleQuestionSet("Sheet 1000")).saved);

        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        list.write(" 4 \r\nOne\r\n");
        list.close();
        QVERIFY(!saveWorksheet(dir.path(), testenv::sampleQuestionSet("One")).saved);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("One.txt"))));
    }

    void aFullDiskLeavesTheOldFileAndList() {
        SmallFileSystem disk;
        if (!disk.mounted)
            QSKIP("This test needs the right to mount a small file system.");
        common::QuestionSet set = testenv::sampleQuestionSet(QStringLiteral("Rocks"));
        QVERIFY(saveWorksheet(disk.path(), set).saved);
        const QString file = QDir(disk.path()).filePath(QStringLiteral("Rocks.txt"));
        const QString list = QDir(disk.path()).filePath(QStringLiteral("track.txt"));
        const QByteArray oldFile = fileBytes(file);
        const QByteArray oldList = fileBytes(list);

        disk.fill();
        set.optionA[1] = QStringLiteral("A new answer");
        const SaveOutcome again = saveWorksheet(disk.path(), set);
        QVERIFY(!again.saved);
        QVERIFY(!again.error.isEmpty());
        QCOMPARE(fileBytes(file), oldFile);
        QVERIFY(!saveWorksheet(disk.path(), testenv::sampleQuestionSet("Air")).saved);
        QCOMPARE(fileBytes(list), oldList);
        // The two files and the filler: nothing half-written is left beside them.
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void theWorksheetsFolderIsChosenByWhatCanBeWritten() {
        EnvironmentVariable shared("CORVELLA_WORKSHEETS");
        qunsetenv("CORVELLA_WORKSHEETS");
        const QString userFolder =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/multiple";

        QTemporaryDir content;
        QVERIFY(QDir(content.path()).mkdir(QStringLiteral("Multiple")));
        platform::setContentRoot(content.path());
        QCOMPARE(worksheetsFolder(), QDir(content.path()).filePath(QStringLiteral("Multiple")));

        qputenv("CORVELLA_WORKSHEETS", QFile::encodeName(content.path() + "/shared/"));
        QCOMPARE(worksheetsFolder(), content.path() + "/shared");
        const QString prepared = preparedWorksheetsFolder(); // made on first use
        QCOMPARE(prepared, content.path() + "/shared");
        QCOMPARE(fileBytes(prepared + "/track.txt"), QByteArray(" 0 \r\n"));
        qunsetenv("CORVELLA_WORKSHEETS");

        SmallFileSystem readOnly;
        if (!readOnly.mounted)
            QSKIP("This test needs the right to mount a small file system.");
        QVERIFY(QDir(readOnly.path()).mkdir(QStringLiteral("multiple")));
        QVERIFY(readOnly.makeReadOnly());
        platform::setContentRoot(readOnly.path());
        QCOMPARE(worksheetsFolder(), userFolder);
        platform::setContentRoot(QString());
    }
};

int runWorksheetSavingTests(int argc, char** argv) {
    WorksheetSavingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_worksheetsaving.moc"
