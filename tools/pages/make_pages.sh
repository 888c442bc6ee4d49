#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remake the notes pages and the teachers' guide in media/wmf and media/wmf2.
# Needs Debian's python3-pil, python3-numpy and the Liberation fonts (fonts-liberation).
set -e
cd "$(dirname "$0")"
PY=${PYTHON:-/usr/bin/python3}  # the Debian interpreter that has Pillow
"$PY" make_pages.py "$@"
du -ch ../../media/wmf ../../media/wmf2 | tail -1
