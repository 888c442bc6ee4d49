// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/devices.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtDebug>

namespace platform {
namespace {

using ModuleEntry = const DeviceModule* (*)();

const DeviceModule* loadFrom(const QString& folder) {
    // The library stays loaded for the rest of the run: QLibrary's
    // destructor does not unload it.
    QLibrary library(QDir(folder).filePath(QString::fromLatin1(kDeviceModuleFile)));
    if (!library.load())
        return nullptr;
    const auto entry = reinterpret_cast<ModuleEntry>(library.resolve(kDeviceModuleEntry));
    const DeviceModule* module = entry ? entry() : nullptr;
    if (!module || module->version != kDeviceModuleVersion) {
        qWarning("%s is from another version of the program.", kDeviceModuleFile);
        return nullptr;
    }
    return module;
}

const DeviceModule* load() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {programFolder, QDir(programFolder).filePath(QStringLiteral(CORVELLA_DEVICES_FOLDER))}) {
        if (const DeviceModule* module = loadFrom(folder))
            return module;
    }
    qWarning("%s cannot be loaded: sounds are off and printing is unavailable.", kDeviceModuleFile);
    return nullptr;
}

} // namespace

const DeviceModule* deviceModule() {
    static const DeviceModule* const module = load();
    return module;
}

} // namespace platform
