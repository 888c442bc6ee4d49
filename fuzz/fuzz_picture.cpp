// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a picture file, through a scratch file in a
// private content folder. See readerchecks.h for what must hold.

#include "readerchecks.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir scratch;
    const QString broken = fuzzchecks::checkPicture(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), scratch.path());
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "picture: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
