// SPDX-License-Identifier: GPL-3.0-or-later
// Every input in the fuzzing corpora (seeds and finds) passes its reader's checks.

#include "readerchecks.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using Check = std::function<QString(const QByteArray&, const QString& scratch)>;
Q_DECLARE_METATYPE(Check)

class FuzzCorporaTest : public QObject {
    Q_OBJECT
private slots:
    void corpus_data() {
        QTest::addColumn<Check>("check");
        auto bytesOnly = [](QString (*check)(const QByteArray&)) {
            return Check([check](const QByteArray& bytes, const QString&) { return check(bytes); });
        };
        QTest::newRow("questionfile") << bytesOnly(fuzzchecks::checkQuestionFile);
        QTest::newRow("worksheetlist") << bytesOnly(fuzzchecks::checkWorksheetList);
        QTest::newRow("activityfile") << bytesOnly(fuzzchecks::checkActivityFile);
        QTest::newRow("sound") << Check(fuzzchecks::checkSound);
        QTest::newRow("picture") << Check(fuzzchecks::checkPicture);
        QTest::newRow("topicfile") << Check(fuzzchecks::checkTopicFile);
    }
    void corpus() {
        QFETCH(Check, check);
        QTemporaryDir scratch;
        const QDir corpus(QStringLiteral(CORVELLA_FUZZ_CORPORA "/") + QTest::currentDataTag());
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY2(!files.isEmpty(), qPrintable(corpus.path()));
        for (const QString& name : files) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString broken = check(file.readAll(), scratch.path());
            QVERIFY2(broken.isEmpty(), qPrintable(name + QStringLiteral(": ") + broken));
        }
    }
};

QTEST_MAIN(FuzzCorporaTest)
#include "tst_fuzzcorpora.moc"
