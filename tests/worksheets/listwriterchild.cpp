// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheets test run as a child process, to change a worksheet list
// from a second process:
//   --add-titles FOLDER PREFIX N   waits for a line on stdin, then adds
//                                  PREFIX1 to PREFIXN one by one, writing
//                                  slowly
//   --stop-mid-add FOLDER TITLE    adds TITLE, but after the first block of
//                                  the new list says "half" and waits for
//                                  stdin to close (the parent kills it there)
#include "listwriterchild.h"

#include "questions/safewrite.h"
#include "worksheets/worksheetlist.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

using worksheets::WorksheetList;

namespace {

void waitForStdinToClose() {
    char c = 0;
    while (::read(0, &c, 1) > 0) {
    }
}

int addTitles(const char* folder, const char* prefix, int count) {
    char line[16];
    if (!std::fgets(line, sizeof line, stdin)) // start together with the other writer
        return 2;
    // A slow shared drive: each write takes a while, so the two writers'
    // read-change-write steps overlap unless the lock keeps them apart.
    worksheets::setBlockWrittenHook([] { ::usleep(2000); });
    WorksheetList list(QString::fromLocal8Bit(folder));
    for (int n = 1; n <= count; ++n) {
        const QString title = QString::fromLocal8Bit(prefix) + QString::number(n);
        if (list.add(title).outcome != WorksheetList::Outcome::Changed)
            return 1;
    }
    return 0;
}

int stopMidAdd(const char* folder, const char* title) {
    worksheets::setBlockWrittenHook([] {
        std::puts("half");
        std::fflush(stdout);
        waitForStdinToClose();
    });
    WorksheetList(QString::fromLocal8Bit(folder)).add(QString::fromLocal8Bit(title));
    return 3; // only reached when the parent let it go on
}

} // namespace

bool isListWriterChild(int argc, char** argv) {
    return argc >= 2 && (std::strcmp(argv[1], "--add-titles") == 0 ||
                         std::strcmp(argv[1], "--stop-mid-add") == 0);
}

int runListWriterChild(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--add-titles") == 0)
        return addTitles(argv[2], argv[3], std::atoi(argv[4]));
    if (argc == 4 && std::strcmp(argv[1], "--stop-mid-add") == 0)
        return stopMidAdd(argv[2], argv[3]);
    return 64;
}
