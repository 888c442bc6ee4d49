# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the committed pages as a metafile player and the program see
them: a sound header and record chain, objects selected only while they
exist, every page the program opens present in both folders, each page
small enough and inside the area the program leaves free, no text on a
screen page below 11 pt, and no picture on a print page below 200 dpi.
Run: python3 test_pages.py"""

import os
import struct
import unittest

MEDIA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "media")

# Every page the program loads (see the topics and menu sources).
PAGES = (["introductiona", "introductionb", "acknowledgments", "suna", "sunb", "lifea", "lifeb",
          "tidesa", "tidesb"]
         + ["key tides" + c for c in "abc"] + ["key sun" + c for c in "ab"]
         + ["key life" + c for c in "abc"] + ["guide%d" % n for n in range(1, 6)])
PAGES += ["key eclipses" + c for c in "abc"] + ["eclipses" + c for c in "ab"]
PAGES += ["key sunspots" + c for c in "abc"] + ["sunspots" + c for c in "ab"]
PAGES += ["key solarsystem" + c for c in "abc"] + ["solarsystem" + c for c in "ab"]
PAGES += ["key orbits" + c for c in "abc"] + ["orbits" + c for c in "ab"]
PAGES += ["key seasons" + c for c in "abc"] + ["seasons" + c for c in "ab"]
PAGES += ["key phases" + c for c in "abc"] + ["phases" + c for c in "ab"]
PAGES += ["key continents" + c for c in "abc"] + ["continents" + c for c in "ab"]
PAGES += ["key landings" + c for c in "abc"] + ["landings" + c for c in "ab"]


def parse(data):
    """Returns (bounds, units per inch, records) or raises AssertionError."""
    key, hwmf, l, t, r, b, inch, reserved, checksum = struct.unpack_from("<IHhhhhHIH", data)
    assert key == 0x9AC6CDD7, "no placeable header"
    xor = 0
    for (w,) in struct.iter_unpack("<H", data[:20]):
        xor ^= w
    assert xor == checksum, "placeable checksum"
    typ, hsize, version, size, nobj, maxrec, members = struct.unpack_from("<HHHIHIH", data, 22)
    assert (typ, hsize, version) == (1, 9, 0x0300), "standard header"
    assert size * 2 == len(data) - 22, "header size field"
    pos, records, largest = 22 + 18, [], 0
    live = set()
    while True:
        rsize, func = struct.unpack_from("<IH", data, pos)
        assert rsize >= 3 and pos + rsize * 2 <= len(data), "record size at %d" % pos
        params = data[pos + 6:pos + rsize * 2]
        largest = max(largest, rsize)
        if func in (0x02FA, 0x02FB, 0x02FC):  # create pen, font, brush
            slot = min(set(range(nobj + 1)) - live)
            assert slot < nobj, "more objects than the header allows"
            live.add(slot)
        elif func == 0x012D:
            assert struct.unpack_from("<H", params)[0] in live, "select of a missing object"
        elif func == 0x01F0:
            live.remove(struct.unpack_from("<H", params)[0])
        records.append((func, params))
        pos += rsize * 2
        if func == 0:
            break
    assert pos == len(data), "bytes after EOF"
    assert largest == maxrec, "max record field"
    return (l, t, r, b), inch, records


MIN_SCREEN_POINTS = 11
MIN_PRINT_DPI = 200

CREATE_FONT, STRETCH_DIB, DIB_STRETCH_BLT = 0x02FB, 0x0F43, 0x0B41
OTHER_BITMAPS = (0x0922, 0x0B23, 0x0940, 0x0D33, 0x0A32)  # blits and DIB-to-device


def text_points(records, inch):
    """The em size in points of every font the page creates."""
    out = []
    for func, params in records:
        if func == CREATE_FONT:
            (height,) = struct.unpack_from("<h", params)
            out.append(abs(height) * 72 / inch)
    return out


def picture_dpis(records, inch):
    """(across, down) resolution of every picture as it lands on the page."""
    out = []
    for func, params in records:
        if func == STRETCH_DIB:
            dest_h, dest_w = struct.unpack_from("<hh", params, 14)
            info = 22
        elif func == DIB_STRETCH_BLT:
            dest_h, dest_w = struct.unpack_from("<hh", params, 12)
            info = 20
        else:
            assert func not in OTHER_BITMAPS, "a picture record the check cannot measure"
            continue
        width, height = struct.unpack_from("<ii", params, info + 4)
        out.append((width / (abs(dest_w) / inch), abs(height) / (abs(dest_h) / inch)))
    return out


def read_page(folder, name):
    with open(os.path.join(MEDIA, folder, name + ".wmf"), "rb") as f:
        return parse(f.read())


class PagesTest(unittest.TestCase):
    def test_pages(self):
        total = 0
        for name in PAGES:
            for folder in ("wmf", "wmf2"):
                path = os.path.join(MEDIA, folder, name + ".wmf")
                with self.subTest(path=path):
                    self.assertTrue(os.path.exists(path), "missing")
                    with open(path, "rb") as f:
                        data = f.read()
                    total += len(data)
                    self.assertLess(len(data), 100 * 1024)
                    (l, t, r, b), inch, records = parse(data)
                    w, h = (r - l) / inch * 96, (b - t) / inch * 96
                    if folder == "wmf":
                        # Clear of the Print button (x from 712 px, page at x = 8)
                        # and the page buttons (y from 528 px).
                        self.assertLessEqual(8 + w, 704)
                        self.assertLessEqual(h, 522)
                        if name == "acknowledgments":  # the logo from x = 624 px
                            self.assertLessEqual(8 + w, 620)
                    else:
                        self.assertGreater(h, w, "print pages are portrait")
                        self.assertLessEqual(w / 96, 6.6)
                        self.assertLessEqual(h / 96, 9.6)
                    self.assertTrue(any(f == 0x0521 for f, _ in records), "no text")
        self.assertLess(total, 3 * 1024 * 1024)

    def test_screen_text_is_large_enough_to_read(self):
        for name in PAGES:
            with self.subTest(page=name):
                _, inch, records = read_page("wmf", name)
                points = text_points(records, inch)
                self.assertTrue(points)
                self.assertGreaterEqual(min(points), MIN_SCREEN_POINTS)

    def test_print_pictures_are_sharp_on_paper(self):
        pictures = 0
        for name in PAGES:
            with self.subTest(page=name):
                _, inch, records = read_page("wmf2", name)
                for across, down in picture_dpis(records, inch):
                    pictures += 1
                    self.assertGreaterEqual(min(across, down), MIN_PRINT_DPI)
        self.assertGreater(pictures, 5)  # the check sees the pictures at all


if __name__ == "__main__":
    unittest.main()