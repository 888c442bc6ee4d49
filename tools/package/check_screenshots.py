#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the screenshots an AppStream metainfo file names are the ones
kept in the repository: each address ends in the name of a PNG file in the
screenshots folder whose size is the one stated, one screenshot is the
default, and no kept screenshot goes unnamed.

    check_screenshots.py METAINFO SCREENSHOT_DIR"""
import os
import struct
import sys
import xml.etree.ElementTree as ET
from urllib.parse import urlparse


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise ValueError("%s is not a PNG file" % path)
    return struct.unpack(">II", head[16:24])


def problems(metainfo, folder):
    found = []
    named = set()
    shots = ET.parse(metainfo).getroot().findall("./screenshots/screenshot")
    if not shots:
        found.append("no screenshots named")
    if sum(1 for s in shots if s.get("type") == "default") != 1:
        found.append("not exactly one default screenshot")
    for shot in shots:
        image = shot.find("image")
        url = urlparse(image.text.strip())
        name = os.path.basename(url.path)
        path = os.path.join(folder, name)
        named.add(name)
        if url.scheme != "https":
            found.append("%s: not an https address" % image.text)
        elif not os.path.isfile(path):
            found.append("%s: no file %s" % (image.text, path))
        else:
            size = png_size(path)
            stated = (int(image.get("width", 0)), int(image.get("height", 0)))
            if size != stated:
                found.append("%s: stated %dx%d, the file is %dx%d" % ((name,) + stated + size))
        if shot.find("caption") is None:
            found.append("%s: no caption" % name)
    for name in sorted(set(os.listdir(folder)) - named):
        found.append("%s is kept but not named" % name)
    return found


def main():
    metainfo, folder = sys.argv[1:3]
    found = problems(metainfo, folder)
    for p in found:
        print("screenshots:", p, file=sys.stderr)
    if found:
        sys.exit(1)
    print("screenshots: %s names the files in %s" % (os.path.basename(metainfo), folder))


if __name__ == "__main__":
    main()
