#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Seeds the fuzzing corpora from the shipped content, plus a few edge cases
# the readers must handle. Fuzzing runs add their finds beside these.
set -euo pipefail
cd "$(dirname "$0")"
media=../media
mkdir -p corpus/questionfile corpus/worksheetlist corpus/sound corpus/picture corpus/topicfile \
    corpus/activityfile

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

cp "$media/topics/The Tides.json" corpus/topicfile/tides.json
cp "$media/topics/Life on Earth.json" corpus/topicfile/life.json
for name in "sun order" "sun label" "life order" "life label"; do
    cp "$media/activities/$name.json" "corpus/activityfile/${name// /-}.json"
done
# Refused: nested too deep, a box without a starting place.
printf '{"format":1,"a":%s1%s}' "$(printf '[%.0s' $(seq 200))" "$(printf ']%.0s' $(seq 200))" \
    > corpus/topicfile/deep.json
python3 -c 'import json, sys; d = json.load(open(sys.argv[1])); d["starts"].pop(); print(json.dumps(d))' \
    "$media/activities/sun label.json" > corpus/activityfile/unpaired.json
