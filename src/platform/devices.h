// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound output and printing live in a module of their own,
// "corvella-devices.so", loaded the first time either is wanted: the
// libraries behind them (Qt Multimedia and Print Support, libsndfile and the
// codecs it brings) would otherwise be loaded and relocated before the first
// window could be painted.

#include "platform/printer.h"
#include "platform/soundplayer.h"

#include <memory>

namespace platform {

// Turns a content path ("wav\click.wav") into a file name.
using ContentPathResolver = QString (*)(const QString& contentPath);

// What the module offers the program.
struct DeviceModule {
    int version;
    // A player that finds its files through `resolve`; the caller owns it.
    SoundPlayer* (*makeSoundPlayer)(ContentPathResolver resolve);
    // The default printer; throws NoPrinterError when there is none.
    std::unique_ptr<Printer> (*openDefaultPrinter)();
    // A PDF file with the page the printer would get.
    std::unique_ptr<Printer> (*openPdfFile)(const QString& fileName);
};

inline constexpr int kDeviceModuleVersion = 2;
// The module's file name and its one exported function, which returns its
// DeviceModule.
inline constexpr char kDeviceModuleFile[] = "corvella-devices.so";
inline constexpr char kDeviceModuleEntry[] = "corvellaDeviceModule";

// The module, loaded on the first call from the program's own folder or,
// for an installed program, from its library folder. Null, with a warning,
// when it cannot be loaded: the program then runs silent and cannot print.
const DeviceModule* deviceModule();

} // namespace platform
