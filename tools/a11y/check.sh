#!/usr/bin/env bash
# Starts the program on a private display with its own session and
# accessibility buses, then walks it from outside with atspi_walk.py,
# pressing the buttons given as arguments.
#   tools/a11y/check.sh BUILD/src/corvella "OK" "The Tides" "Key Facts"
# Needs: xvfb dbus at-spi2-core python3-gi gir1.2-atspi-2.0
set -euo pipefail
program=$(realpath "$1"); shift
here=$(cd "$(dirname "$0")" && pwd)
run=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$run"' EXIT
export XDG_RUNTIME_DIR="$run"
display=":$((100 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
export DISPLAY="$display"
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >/dev/null 2>&1 &
sleep 0.5
/usr/libexec/at-spi2-registryd >/dev/null 2>&1 &
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
sleep 1.5
/usr/bin/python3 "$here/atspi_walk.py" "$@"
