"""Checks the committed pages as a metafile player and the program see
them: a sound header and record chain, objects selected only while they
exist, every page the program opens present in both folders, and each page
small enough and inside the area the program leaves free.
Run: python3 test_pages.py"""

import os
import struct
import unittest

MEDIA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "media")

# Every page the program loads (see the topics and menu sources).
PAGES = (["introductiona", "introductionb", "acknowledgments", "sun", "life", "tidesa", "tidesb"]
         + ["key tides" + c for c in "abc"] + ["key sun" + c for c in "ab"]
         + ["key life" + c for c in "abc"] + ["guide%d" % n for n in range(1, 6)])


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


if __name__ == "__main__":
    unittest.main()
