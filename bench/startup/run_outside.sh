#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up measured from outside the program: the title screen against a bare
# Qt window, on a private Xvfb, in alternating runs. Build both first:
#   cmake --build BUILD --target corvella startup_bare_window
#   bench/startup/run_outside.sh BUILD [runs] [OTHER_CORVELLA...]
# Extra programs (say an older build's corvella) join the same alternation.
# Build with -DCMAKE_BUILD_TYPE=Release for numbers worth comparing.
set -eu
build=${1:?usage: run_outside.sh BUILD_DIR [runs] [OTHER_PROGRAM...]}
runs=${2:-11}
[ $# -ge 2 ] && shift 2 || shift 1
here=$(dirname "$0")
exec /usr/bin/python3 "$here/outside_startup.py" "$build/src/corvella" \
    "$build/bench/startup/startup_bare_window" "$runs" "$@"
