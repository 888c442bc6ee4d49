// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a topic file. See readerchecks.h for what must
// hold.

#include "readerchecks.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir scratch;
    const QString broken = fuzzchecks::checkTopicFile(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), scratch.path());
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "topic file: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
