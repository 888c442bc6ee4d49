// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark: runs the program N times with its start-up probe on and
// reports, as medians, the time from process start to the first painted title
// screen and to the first painted menu, and the peak memory.
//
//   startup_bench PATH/TO/corvella [runs]
//
// Uses the display in $DISPLAY when set (run under Xvfb for a real window
// system), the offscreen platform otherwise.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    setenv("CORVELLA_STARTUP_PROBE", "1", 1);
    if (!getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::vector<double> title, menu, memory;
    for (int i = 0; i < runs; ++i) {
        int out[2];
        if (pipe(out) != 0)
            return 1;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char* child[] = {argv[1], nullptr};
        pid_t pid = 0;
        const long long start = nowNs();
        if (posix_spawn(&pid, argv[1], &actions, nullptr, child, environ) != 0) {
            std::perror("spawn");
            return 1;
        }
        close(out[1]);
        std::string text;
        char buffer[4096];
        ssize_t n;
        while ((n = read(out[0], buffer, sizeof buffer)) > 0)
            text.append(buffer, size_t(n));
        close(out[0]);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        posix_spawn_file_actions_destroy(&actions);

        long long titleNs = 0, menuNs = 0;
        char name[64];
        long long at = 0;
        for (const char* p = text.c_str(); *p;) {
            if (std::sscanf(p, "painted %63s %lld", name, &at) == 2) {
                if (!std::strcmp(name, "titleScreen"))
                    titleNs = at;
                if (!std::strcmp(name, "menuScreen"))
                    menuNs = at;
            }
            const char* eol = std::strchr(p, '\n');
            if (!eol)
                break;
            p = eol + 1;
        }
        if (!titleNs || !menuNs) {
            std::fprintf(stderr, "run %d: no probe output\n", i);
            continue;
        }
        title.push_back((titleNs - start) / 1e6);
        menu.push_back((menuNs - start) / 1e6);
        memory.push_back(usage.ru_maxrss / 1024.0);
    }
    std::printf("runs: %zu\n", title.size());
    std::printf("first painted title screen: median %.1f ms\n", median(title));
    std::printf("first painted menu:         median %.1f ms\n", median(menu));
    std::printf("peak memory:                median %.1f MB\n", median(memory));
    return title.empty() ? 1 : 0;
}
