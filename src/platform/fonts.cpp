// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>

namespace platform {

void registerFonts() {
    // The Tahoma of Debian's Wine fonts lies outside fontconfig's folders.
    // Only the regular face is registered: Qt's emboldened regular reads
    // better at these sizes than that package's thin bold face.
    static const char* const candidates[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/lib/wine/fonts/tahoma.ttf",
    };
    for (const char* file : candidates) {
        if (QFileInfo::exists(QString::fromLatin1(file))) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            return;
        }
    }
}

QString installedFamily(const QString& family) {
    static QHash<QString, QString> resolved;
    if (const auto known = resolved.constFind(family); known != resolved.cend())
        return *known;
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
    };
    // The plain list of families: QFontDatabase::hasFamily would ask
    // fontconfig to resolve aliases, the very search this avoids.
    const auto installed = [](const QString& name) {
        static const QStringList families = QFontDatabase::families();
        return families.contains(name, Qt::CaseInsensitive);
    };
    QString answer = family;
    const QString standIn = standIns.value(family);
    if (!standIn.isEmpty() && !installed(family) && installed(standIn))
        answer = standIn;
    resolved.insert(family, answer);
    return answer;
}

} // namespace platform
