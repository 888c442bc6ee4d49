#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The screen tour: builds the program, walks it through every screen on a
# private display and saves a picture of each into a folder.
#   tools/tour.sh [FOLDER]        (default: build/tour)
# Needs the end-to-end test packages (corvella.sh installs them) and
# imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/tour}")
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel --target corvella
mkdir -p "$out"
rm -f "$out"/[0-9][0-9]-*.png
cd tools/tour
# The tour drives the program with the journeys' helpers.
PYTHONPATH="$(realpath ../../tests/e2e)" \
CORVELLA_PROGRAM="$(realpath ../../build/src/corvella)" \
CORVELLA_SOURCE_MEDIA="$(realpath ../../media)" \
CORVELLA_TOUR_DIR="$out" PYTHONDONTWRITEBYTECODE=1 \
    /usr/bin/python3 -W ignore::ImportWarning -W ignore::DeprecationWarning -m unittest tour
