#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Corvella, builds it, and runs the program
# ("run"), the whole test suite ("test"), the whole suite under the address
# and undefined-behaviour sanitizers followed by a minute of each fuzzing
# target ("sanitize"), or builds the Debian package into out/ ("package").
# Run it as a normal user: it asks for sudo only to install the Debian
# packages that are missing.
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-multimedia-dev libsndfile1-dev libxcb1-dev
          fonts-liberation fonts-wine
          # the checks of the media tools' drawings
          python3-numpy python3-pil
          # the end-to-end tests: a display, the accessibility buses, a print server
          xvfb dbus at-spi2-core python3-gi gir1.2-atspi-2.0 python3-xlib cups poppler-utils xdotool
          # and the sound servers they record, with what compares the recordings
          pipewire pipewire-pulse wireplumber pulseaudio pulseaudio-utils
          python3-scipy)
# Making and checking the Debian package.
packaging=(dpkg-dev debhelper fakeroot lintian appstream desktop-file-utils)
# The sanitizer build of the tests and the fuzzing targets (the runtimes,
# and the symbolizer that names functions in their reports).
sanitizing=(clang libclang-rt-14-dev llvm)

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

command=${1:-run}
case "$command" in
    package) install_missing "${packages[@]}" "${packaging[@]}"
             exec tools/package/build_package.sh out ;;
    sanitize) install_missing "${packages[@]}" "${sanitizing[@]}"
              exec tools/sanitize/run_sanitized_tests.sh build-sanitize ;;
    run|test) install_missing "${packages[@]}" ;;
    *)       echo "usage: $0 [run|test|package|sanitize]" >&2; exit 2 ;;
esac

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
case "$command" in
    run)  cmake --build "$build" --parallel --target corvella
          exec "$build/src/corvella" "${@:2}" ;;
    test) cmake --build "$build" --parallel
          cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2 ;;
esac
