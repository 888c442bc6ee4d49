// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mediapaths.h"
#include "questions/questionfile.h"
#include "support/samplequestions.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetsaving.h"
#include "worksheets/worksheetsfolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace worksheets;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small file system of its own in a temporary folder, for going read-only
// for real. Needs the right to mount.
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

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Acts as another user until destroyed; needs to start as the administrator.
class ActingAs {
public:
    explicit ActingAs(uid_t user) { acting = ::geteuid() == 0 && ::seteuid(user) == 0; }
    ~ActingAs() {
        if (acting)
            ::seteuid(0);
    }
    bool acting;
};

} // namespace

class WorksheetSavingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

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

    void aSaveThatCannotTakeTheLockWritesNothing() {
        QTemporaryDir dir;
        QVERIFY(saveWorksheet(dir.path(), testenv::sampleQuestionSet("Rocks")).saved);
        const QStringList before = filesIn(dir.path());
        const QByteArray oldFile = fileBytes(dir.filePath(QStringLiteral("Rocks.txt")));
        const int held = ::open(QFile::encodeName(dir.filePath("track.lock")).constData(),
                                O_RDWR | O_CREAT, 0664);
        QVERIFY(::flock(held, LOCK_EX) == 0);

        common::QuestionSet changed = testenv::sampleQuestionSet("Rocks");
        changed.optionA[1] = QStringLiteral("changed");
        const auto noWait = [](int) {};
        for (const common::QuestionSet& set : {changed, testenv::sampleQuestionSet("New")}) {
            const SaveOutcome outcome = saveWorksheet(dir.path(), set, noWait);
            QCOMPARE(saveMessage(outcome),
                     QStringLiteral("There was a problem saving your worksheet\nAnother teacher "
                                    "is saving a worksheet. Please try again in a moment."));
        }
        ::close(held);
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("Rocks.txt"))), oldFile);
        QStringList after = before + QStringList({"track.lock"});
        after.sort();
        QCOMPARE(filesIn(dir.path()), after);
    }

    void leftoversOfAnInterruptedSaveAreRemoved() {
        QTemporaryDir dir;
        const QStringList leftovers = {"track.txt.1a2b3c4d.new", "Rocks.txt.ff.new",
                                       ".hidden.txt.0.new"};
        const QStringList kept = {"notes.new", "Rocks.txt.new", "Air.txt.xyz.new"};
        for (const QString& name : leftovers + kept) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(saveWorksheet(dir.path(), testenv::sampleQuestionSet("Rocks")).saved);
        QStringList expected = kept + QStringList({"Rocks.txt", "track.txt"});
        expected.sort();
        QStringList left = filesIn(dir.path());
        left.sort();
        QCOMPARE(left, expected);
    }

    void aStickyFolderSaysWhoseFileCannotBeReplaced() {
        // Like /tmp: everyone may write, but only a file's owner replace it.
        QTemporaryDir dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 01777) == 0);
        // A lock left behind by another user's program that was killed.
        const int left = ::open(QFile::encodeName(dir.filePath("track.lock")).constData(),
                                O_RDWR | O_CREAT, 0664);
        QVERIFY(left >= 0);
        ::close(left);
        {
            ActingAs first(65534);
            if (!first.acting)
                QSKIP("This test needs to act as other users.");
            QVERIFY(saveWorksheet(dir.path(), testenv::sampleQuestionSet("Rocks")).saved);
        }
        const QStringList before = filesIn(dir.path());
        SaveOutcome outcome;
        {
            ActingAs second(65533); // the list is the first one's
            outcome = saveWorksheet(dir.path(), testenv::sampleQuestionSet("Air"));
        }
        QCOMPARE(saveMessage(outcome),
                 QStringLiteral("There was a problem saving your worksheet\nThe program cannot "
                                "replace a file another user owns in the worksheets folder."));
        QCOMPARE(filesIn(dir.path()), before);
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

        // The installation's content folder is never written, even by the
        // administrator, who could.
        platform::setContentRoot(content.path(), true);
        QCOMPARE(worksheetsFolder(), userFolder);

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
