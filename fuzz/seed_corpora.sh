#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Seeds the fuzzing corpora from the shipped content, plus a few edge cases
# the readers must handle. Fuzzing runs add their finds beside these.
set -euo pipefail
cd "$(dirname "$0")"
media=../media
mkdir -p corpus/questionfile corpus/worksheetlist corpus/sound corpus/picture

cp "$media/multiple/The Tides.txt" corpus/questionfile/tides.txt
cp "$media/multiple/Life on Earth.txt" corpus/questionfile/life.txt
cp "$media/multiple/The Sun and other Stars.txt" corpus/questionfile/sun.txt
# The same set as an editor saves it: UTF-8 with a byte-order mark.
{ printf '\357\273\277'; iconv -f WINDOWS-1252 -t UTF-8 "$media/multiple/The Tides.txt"; } \
    > corpus/questionfile/tides-utf8-mark.txt

cp "$media/multiple/track.txt" corpus/worksheetlist/empty.txt
printf ' 3 \r\nRocks\r\nCaf\351 quiz\r\nSalt & sand\r\n' > corpus/worksheetlist/three.txt
printf '\357\273\277 2 \r\nCaf\303\251\r\nRocks\r\n' > corpus/worksheetlist/utf8-mark.txt

cp "$media/wav/click.wav" "$media/wav/typekey.wav" corpus/sound/

cp "$media/Images/m51sm.jpg" corpus/picture/m51sm.jpg
cp "$media/logo/quil0000.gif" corpus/picture/quil0000.gif
cp "$media/logo/quillmere2.bmp" corpus/picture/quillmere2.bmp
cp "$media/wmf/sunb.wmf" corpus/picture/sunb.wmf
