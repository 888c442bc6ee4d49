#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every page to PNG for checking by eye: render.sh WMFRENDER OUTDIR
# (screen pages at 96 dpi, print pages at 100 dpi).
set -e
cd "$(dirname "$0")/../../media"
mkdir -p "$2"
for f in wmf/*.wmf; do
    n=$(basename "$f" .wmf | tr ' ' _)
    "$1" "$f" "$2/screen_$n.png" --dpi 96 --background '#3182d4'
    "$1" "wmf2/$(basename "$f")" "$2/print_$n.png" --dpi 100
done
