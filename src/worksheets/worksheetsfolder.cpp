// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetsfolder.h"

#include "common/contentfile.h"
#include "platform/mediapaths.h"
#include "worksheets/worksheetlist.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace worksheets {
namespace {

// Trying is the only sure test: permission bits say little on network
// shares, and nothing at all to the administrator.
bool canWriteIn(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

} // namespace

QString worksheetsFolder() {
    const QString shared = qEnvironmentVariable("CORVELLA_WORKSHEETS");
    if (!shared.isEmpty())
        return QDir::cleanPath(shared);
    // A content folder that can be written gets its "multiple" folder made
    // when it has none; an installed one is never written, not even to try.
    const QString content = platform::resolveContentPath(QStringLiteral("multiple"));
    if (!platform::contentFolderIsInstalled() &&
        (QFileInfo(content).isDir() ? canWriteIn(content) : canWriteIn(platform::contentRoot())))
        return content;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/multiple");
}

QString preparedWorksheetsFolder() {
    const QString folder = worksheetsFolder();
    if (!QDir().mkpath(folder))
        return {};
    if (!QFileInfo::exists(WorksheetList(folder).path()) &&
        WorksheetList(folder).create().outcome == WorksheetList::Outcome::Failed)
        return {};
    return folder;
}

QString worksheetFilePath(const QString& folder, const QString& title) {
    return QDir(folder).filePath(title + QStringLiteral(".txt"));
}

bool titleNamesWorksheetFile(const QString& title) {
    return !title.contains(u'/') && !title.contains(u'\\') && !title.contains(QChar(0)) &&
           title != QStringLiteral("..") &&
           title.compare(QLatin1String(kListTitle), Qt::CaseInsensitive) != 0;
}

QStringList topicSetTitlesIn(const QString& folder) {
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalFolder.isEmpty())
        return {};
    const QDir topicFiles(platform::resolveContentPath(QStringLiteral("topics")));
    QStringList titles;
    for (const QString& name : topicFiles.entryList({QStringLiteral("*.json")}, QDir::Files)) {
        QString questionFile;
        try {
            const common::ContentFields topic(common::parseContentObject(
                common::readContentBytes(QStringLiteral("topics\\") + name)));
            questionFile = platform::resolveContentPath(topic.contentPath("questionFile"));
        } catch (const common::ContentRefusal&) {
            continue; // a topic that cannot be read has no quiz to protect
        }
        const QFileInfo file(questionFile);
        const QString stem = file.fileName();
        if (QFileInfo(file.path()).canonicalFilePath() == canonicalFolder &&
            stem.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
            titles << stem.chopped(4);
    }
    return titles;
}

} // namespace worksheets
