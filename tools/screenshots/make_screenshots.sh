#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the screenshots that the AppStream description shows, from the real
# screens drawn offscreen by the screens benchmark:
#
#   tools/screenshots/make_screenshots.sh build/bench/screens/screens_bench
#
# Writes desktop/screenshots/{menu,tides,notes,quiz}.png; the metainfo file
# names them with their sizes.
set -eu
bench=$(realpath "${1:?usage: $0 SCREENS_BENCH}")
cd "$(dirname "$0")/../.."
grabbed=$(mktemp -d)
trap 'rm -rf "$grabbed"' EXIT
QT_QPA_PLATFORM=offscreen CORVELLA_HOME= "$bench" --grab "$grabbed" 1 >/dev/null
mkdir -p desktop/screenshots
for screen in menu tides notes quiz; do
    cp "$grabbed/$screen.png" "desktop/screenshots/$screen.png"
done
ls -l desktop/screenshots
