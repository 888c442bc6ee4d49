#include "platform/mediapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

QString& overrideRoot() {
    static QString root;
    return root;
}

QString findRoot() {
    const QString env = qEnvironmentVariable("CORVELLA_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        programDir + "/media",
        programDir + "/../share/corvella/media",
#ifdef CORVELLA_SOURCE_MEDIA
        QStringLiteral(CORVELLA_SOURCE_MEDIA),
#endif
    };
    for (const QString& c : candidates)
        if (QFileInfo(c).isDir())
            return QDir(c).absolutePath();
    return QDir::currentPath();
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
    if (overrideRoot().isEmpty())
        overrideRoot() = findRoot();
    return overrideRoot();
}

void setContentRoot(const QString& folder) {
    overrideRoot() = QDir(folder).absolutePath();
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
