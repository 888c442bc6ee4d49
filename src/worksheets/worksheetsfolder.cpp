// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetsfolder.h"

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

} // namespace worksheets
