# SPDX-License-Identifier: GPL-3.0-or-later
"""A small Windows Metafile writer: a placeable header, the standard header
and the handful of records the notes pages need (pens, brushes, fonts, text,
shapes and 24-bit DIB pictures). Logical units are twips (1440 per inch)."""

import struct

UNITS_PER_INCH = 1440

# Record function numbers, from the published WMF format description.
META_EOF = 0x0000
META_SETBKMODE = 0x0102
META_SETMAPMODE = 0x0103
META_SETPOLYFILLMODE = 0x0106
META_SETSTRETCHBLTMODE = 0x0107
META_SETTEXTALIGN = 0x012E
META_SELECTOBJECT = 0x012D
META_DELETEOBJECT = 0x01F0
META_SETTEXTCOLOR = 0x0209
META_SETWINDOWORG = 0x020B
META_SETWINDOWEXT = 0x020C
META_CREATEPENINDIRECT = 0x02FA
META_CREATEFONTINDIRECT = 0x02FB
META_CREATEBRUSHINDIRECT = 0x02FC
META_POLYGON = 0x0324
META_POLYLINE = 0x0325
META_ELLIPSE = 0x0418
META_RECTANGLE = 0x041B
META_TEXTOUT = 0x0521
META_ROUNDRECT = 0x061C
META_STRETCHDIB = 0x0F43

MM_ANISOTROPIC = 8
TRANSPARENT = 1
ALTERNATE = 1
COLORONCOLOR = 3
SRCCOPY = 0x00CC0020
DIB_RGB_COLORS = 0
BI_JPEG = 4

TA_LEFT, TA_RIGHT, TA_CENTER = 0, 2, 6
TA_BASELINE = 24

PS_SOLID, PS_NULL = 0, 5
BS_SOLID, BS_NULL = 0, 1

FW_NORMAL, FW_BOLD = 400, 700


def colorref(rgb):
    r, g, b = rgb
    return struct.pack("<BBBB", r, g, b, 0)


def _i16(v):
    v = int(round(v))
    if not -32768 <= v <= 32767:
        raise ValueError("coordinate out of range: %d" % v)
    return v


class Metafile:
    """Records drawing calls and writes them as a placeable WMF file.

    Pens, brushes and fonts are created once per distinct value and kept
    selected until something else is needed, so pages stay small."""

    def __init__(self, width, height):
        self.width, self.height = int(width), int(height)
        self.records = []
        self.slots = []  # object table: None where free
        self.max_objects = 0
        self.cache = {}  # ('pen'|'brush'|'font', key) -> slot
        self.selected = {}  # kind -> key
        self.text_color = None
        self.text_align = None
        self._record(META_SETMAPMODE, struct.pack("<h", MM_ANISOTROPIC))
        self._record(META_SETWINDOWORG, struct.pack("<hh", 0, 0))  # y, x
        self._record(META_SETWINDOWEXT, struct.pack("<hh", self.height, self.width))
        self._record(META_SETBKMODE, struct.pack("<h", TRANSPARENT))
        self._record(META_SETPOLYFILLMODE, struct.pack("<h", ALTERNATE))
        self._record(META_SETSTRETCHBLTMODE, struct.pack("<h", COLORONCOLOR))

    def _record(self, function, params=b""):
        if len(params) % 2:
            params += b"\0"
        size_words = 3 + len(params) // 2
        self.records.append(struct.pack("<IH", size_words, function) + params)

    # --- object table -------------------------------------------------
    def _create(self, function, params):
        try:
            slot = self.slots.index(None)
        except ValueError:
            slot = len(self.slots)
            self.slots.append(None)
        self._record(function, params)
        self.slots[slot] = True
        self.max_objects = max(self.max_objects, len(self.slots))
        return slot

    def _use(self, kind, key, function, params):
        if self.selected.get(kind) == key:
            return
        slot = self.cache.get((kind, key))
        if slot is None:
            # Keep at most a few fonts alive: fonts are the many kind.
            live = [k for k in self.cache if k[0] == kind]
            if kind == "font" and len(live) >= 6:
                old = next(k for k in live if k[1] != self.selected.get(kind))
                old_slot = self.cache.pop(old)
                self._record(META_DELETEOBJECT, struct.pack("<H", old_slot))
                self.slots[old_slot] = None
            slot = self._create(function, params)
            self.cache[(kind, key)] = slot
        self._record(META_SELECTOBJECT, struct.pack("<H", slot))
        self.selected[kind] = key

    def pen(self, rgb=None, width=0):
        """A solid pen of `width` twips, or no pen when rgb is None."""
        if rgb is None:
            key, params = ("null",), struct.pack("<Hhh", PS_NULL, 0, 0) + colorref((0, 0, 0))
        else:
            key = (tuple(rgb), int(width))
            params = struct.pack("<Hhh", PS_SOLID, _i16(width), 0) + colorref(rgb)
        self._use("pen", key, META_CREATEPENINDIRECT, params)

    def brush(self, rgb=None):
        """A solid brush, or a hollow one when rgb is None."""
        if rgb is None:
            key, params = ("null",), struct.pack("<H", BS_NULL) + colorref((0, 0, 0)) + struct.pack("<H", 0)
        else:
            key = tuple(rgb)
            params = struct.pack("<H", BS_SOLID) + colorref(rgb) + struct.pack("<H", 0)
        self._use("brush", key, META_CREATEBRUSHINDIRECT, params)

    def font(self, face, size, bold=False, italic=False):
        """A font of em size `size` twips (a negative height asks for the em)."""
        key = (face, int(size), bool(bold), bool(italic))
        name = face.encode("cp1252")[:31]
        params = struct.pack("<hhhhhBBBBBBBB", -_i16(size), 0, 0, 0,
                             FW_BOLD if bold else FW_NORMAL, int(italic), 0, 0,
                             0,  # ANSI_CHARSET
                             0, 0,  # default output and clip precision
                             4,  # ANTIALIASED_QUALITY
                             (0x20 if "Times" in face else 0x10) | 2)  # FF_ROMAN/FF_SWISS, VARIABLE_PITCH
        params += name + b"\0" * (32 - len(name))
        self._use("font", key, META_CREATEFONTINDIRECT, params)

    # --- text ---------------------------------------------------------
    def text(self, x, y, s, rgb, align=TA_LEFT):
        """Draws `s` with its baseline at y."""
        if self.text_color != tuple(rgb):
            self._record(META_SETTEXTCOLOR, colorref(rgb))
            self.text_color = tuple(rgb)
        if self.text_align != align:
            self._record(META_SETTEXTALIGN, struct.pack("<H", align | TA_BASELINE))
            self.text_align = align
        data = s.encode("cp1252")
        padded = data + (b"\0" if len(data) % 2 else b"")
        self._record(META_TEXTOUT, struct.pack("<h", len(data)) + padded
                     + struct.pack("<hh", _i16(y), _i16(x)))

    # --- shapes -------------------------------------------------------
    def rectangle(self, l, t, r, b):
        self._record(META_RECTANGLE, struct.pack("<hhhh", _i16(b), _i16(r), _i16(t), _i16(l)))

    def roundrect(self, l, t, r, b, radius):
        d = _i16(2 * radius)
        self._record(META_ROUNDRECT, struct.pack("<hhhhhh", d, d, _i16(b), _i16(r), _i16(t), _i16(l)))

    def ellipse(self, l, t, r, b):
        self._record(META_ELLIPSE, struct.pack("<hhhh", _i16(b), _i16(r), _i16(t), _i16(l)))

    def polygon(self, points):
        self._record(META_POLYGON, self._points(points))

    def polyline(self, points):
        self._record(META_POLYLINE, self._points(points))

    @staticmethod
    def _points(points):
        out = struct.pack("<h", len(points))
        for x, y in points:
            out += struct.pack("<hh", _i16(x), _i16(y))
        return out

    def picture(self, image, l, t, r, b, quality=90):
        """Stretches a Pillow image into the rectangle as a JPEG-compressed
        DIB: a tenth of the size of plain 24-bit rows at print resolution."""
        import io
        img = image.convert("RGB")
        w, h = img.size
        buf = io.BytesIO()
        img.save(buf, "JPEG", quality=quality, subsampling=0, optimize=True)
        data = buf.getvalue()
        # Bit count 0: the JPEG data says how many bits a pixel has.
        info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 0, BI_JPEG, len(data), 3780, 3780, 0, 0)
        params = struct.pack("<IHhhhhhhhh", SRCCOPY, DIB_RGB_COLORS, h, w, 0, 0,
                             _i16(b - t), _i16(r - l), _i16(t), _i16(l))
        self._record(META_STRETCHDIB, params + info + data)

    # --- output -------------------------------------------------------
    def to_bytes(self):
        for (kind, key), slot in list(self.cache.items()):
            self._record(META_DELETEOBJECT, struct.pack("<H", slot))
        self.cache.clear()
        self._record(META_EOF)
        body = b"".join(self.records)
        max_record = max(len(r) // 2 for r in self.records)
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, 9 + len(body) // 2,
                             self.max_objects, max_record, 0)
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, self.width, self.height,
                                UNITS_PER_INCH, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", placeable):
            checksum ^= word
        return placeable + struct.pack("<H", checksum) + header + body
