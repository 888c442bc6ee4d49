// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QFileInfo>
#include <QFontDatabase>

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

} // namespace platform
