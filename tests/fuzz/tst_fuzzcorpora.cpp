// SPDX-License-Identifier: GPL-3.0-or-later
// Every input in the fuzzing corpora, the shipped seeds and what fuzzing
// found, goes through its reader's checks in the normal build, so a reader
// that regresses on one of them fails here without a fuzzer.

#include "readerchecks.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

class FuzzCorporaTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;

    void replay(const QString& reader, const std::function<QString(const QByteArray&)>& check) {
        const QDir corpus(QStringLiteral(CORVELLA_FUZZ_CORPORA "/") + reader);
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY2(!files.isEmpty(), qPrintable(corpus.path()));
        for (const QString& name : files) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString broken = check(file.readAll());
            QVERIFY2(broken.isEmpty(), qPrintable(name + QStringLiteral(": ") + broken));
        }
    }

private slots:
    void questionFiles() { replay(QStringLiteral("questionfile"), fuzzchecks::checkQuestionFile); }
    void worksheetLists() {
        replay(QStringLiteral("worksheetlist"), fuzzchecks::checkWorksheetList);
    }
    void sounds() {
        replay(QStringLiteral("sound"), [this](const QByteArray& bytes) {
            return fuzzchecks::checkSound(bytes, scratch.path());
        });
    }
    void pictures() {
        replay(QStringLiteral("picture"), [this](const QByteArray& bytes) {
            return fuzzchecks::checkPicture(bytes, scratch.path());
        });
    }
    void topicFiles() {
        replay(QStringLiteral("topicfile"), [this](const QByteArray& bytes) {
            return fuzzchecks::checkTopicFile(bytes, scratch.path());
        });
    }
    void activityFiles() { replay(QStringLiteral("activityfile"), fuzzchecks::checkActivityFile); }
};

QTEST_MAIN(FuzzCorporaTest)
#include "tst_fuzzcorpora.moc"
