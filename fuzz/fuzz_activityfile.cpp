// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as an activity file. See readerchecks.h for what must
// hold.

#include "readerchecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString broken = fuzzchecks::checkActivityFile(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "activity file: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
