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

#include <sys/mount.h>

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
