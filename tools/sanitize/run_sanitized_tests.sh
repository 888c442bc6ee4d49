#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and its tests with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into the given folder and runs the C++ tests
# there; any sanitizer report fails a test, and so this script. The
# end-to-end journeys (label e2e) run in the normal build only: they drive
# the program from outside and would mostly time the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-sanitize}

# -O1 keeps the build and the run quick enough for CI; line tables are
# enough for the reports.
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
flags="-O1 -gline-tables-only -fno-omit-frame-pointer $sanitizers"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" --parallel 2

suppressions="$PWD/fuzz/lsan.supp"
cd "$build"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions=$suppressions" \
QT_QPA_PLATFORM=offscreen \
    ctest --output-on-failure --parallel 2 --label-exclude e2e
