// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mediapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

struct Root {
    QString folder;
    bool installed = false;
};

Root& currentRoot() {
    static Root root;
    return root;
}

Root findRoot() {
    const QString env = qEnvironmentVariable("CORVELLA_HOME");
    if (!env.isEmpty())
        return {QDir(env).absolutePath(), false};
    const QString programDir = QCoreApplication::applicationDirPath();
    const Root candidates[] = {
        {programDir + "/media", false},
        {programDir + "/../share/corvella/media", true},
#ifdef CORVELLA_SOURCE_MEDIA
        {QStringLiteral(CORVELLA_SOURCE_MEDIA), false},
#endif
    };
    for (const Root& c : candidates)
        if (QFileInfo(c.folder).isDir())
            return {QDir(c.folder).absolutePath(), c.installed};
    return {QDir::currentPath(), false};
}

// Finds `name` in `folder`: exactly, or else ignoring case.
QString matchEntry(const QString& folder, const QString& name) {
    if (QFileInfo::exists(folder + '/' + name))
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return QString();
}

} // namespace

QString contentRoot() {
    if (currentRoot().folder.isEmpty())
        currentRoot() = findRoot();
    return currentRoot().folder;
}

bool contentFolderIsInstalled() {
    contentRoot();
    return currentRoot().installed;
}

void setContentRoot(const QString& folder, bool installed) {
    currentRoot() = {QDir(folder).absolutePath(), installed};
}

QString resolveContentPath(const QString& contentPath) {
    QString path = contentPath;
    path.replace('\\', '/');
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    QString current = contentRoot();
    bool matching = true;
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) // content paths never leave the content folder
            continue;
        QString found = matching ? matchEntry(current, part) : QString();
        if (found.isEmpty()) {
            matching = false;
            found = part;
        }
        current += '/' + found;
    }
    return current;
}

bool contentFileExists(const QString& contentPath) {
    return QFileInfo(resolveContentPath(contentPath)).isFile();
}

} // namespace platform
