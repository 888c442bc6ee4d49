#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remake every picture, animation and sound in media/ from the committed
# sources, then check the sounds. Needs Debian's python3-numpy, python3-scipy,
# python3-pil, librsvg2-bin (rsvg-convert), fluidsynth and fluid-soundfont-gm,
# and the DejaVu fonts for the logo.
set -e
cd "$(dirname "$0")"
PY=${PYTHON:-/usr/bin/python3}  # the Debian interpreter that has numpy and Pillow
for step in planets phases earthrise tide stars seal logo sounds; do
    echo "== $step"
    "$PY" "$step.py"
done
# The later topics, each after the pictures it draws on (moonphases uses
# the phase frames).
for step in eclipses sunspots solarsystem seasons moonphases continents moonlandings; do
    echo "== $step"
    "$PY" "$step.py"
done
echo "== check_sounds"
"$PY" check_sounds.py
du -sh ../../media
