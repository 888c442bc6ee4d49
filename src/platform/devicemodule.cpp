// SPDX-License-Identifier: GPL-3.0-or-later
// The entry of the module "corvella-devices.so" (see devices.h).

#include "platform/devices.h"
#include "platform/qtprinter.h"
#include "platform/qtsoundplayer.h"

namespace {

platform::SoundPlayer* makeSoundPlayer(platform::ContentPathResolver resolve) {
    return new platform::QtSoundPlayer(resolve);
}

const platform::DeviceModule kModule = {
    platform::kDeviceModuleVersion,
    makeSoundPlayer,
    platform::QtPrinter::openDefault,
    platform::QtPrinter::openPdf,
};

} // namespace

extern "C" Q_DECL_EXPORT const platform::DeviceModule* corvellaDeviceModule() {
    return &kModule;
}
