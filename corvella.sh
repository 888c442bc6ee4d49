#!/usr/bin/env bash
# Sets up a Debian 12 machine for Corvella, builds it, and runs the program
# ("run") or the whole test suite ("test").
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-multimedia-dev libsndfile1-dev
          fonts-liberation fonts-wine
          # the end-to-end tests: a display, the accessibility buses, a print server
          xvfb dbus at-spi2-core python3-gi gir1.2-atspi-2.0 cups poppler-utils xdotool)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
case "${1:-run}" in
    run)  cmake --build "$build" --parallel --target corvella
          exec "$build/src/corvella" ;;
    test) cmake --build "$build" --parallel
          cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2 ;;
    *)    echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
