# SPDX-License-Identifier: GPL-3.0-or-later
"""Vector diagrams of the Moon's phases pages: the Moon lit on its Sun
side, the eight phases of a month as seen from the Earth, the Moon's path
seen from far above the North Pole, and one phase as seen from the north
and from the south. Units are screen inches, as in diagrams.py; nothing is
to scale and each drawing says so."""

import math

from diagrams import RED, arrow, earth, sun

LIT = (236, 236, 228)
DARK_SIDE = (62, 64, 84)
EDGE = (120, 120, 130)
NOTE = (90, 90, 100)
SUNLIGHT = (230, 120, 0)

# The eight phases, with the angle the Moon has gone round from new Moon.
PHASES = [("New", "Moon", 0), ("Waxing", "crescent", 45), ("First", "quarter", 90),
          ("Waxing", "gibbous", 135), ("Full", "Moon", 180), ("Waning", "gibbous", 225),
          ("Last", "quarter", 270), ("Waning", "crescent", 315)]


def phase(d, cx, cy, r, angle, south=False, n=32):
    """The Moon as seen from the Earth `angle` degrees after new Moon: a
    dark disc with its sunlit part. From the north a waxing Moon is lit on
    the right; from the south the picture is turned round."""
    d.style(DARK_SIDE, EDGE, 0.008)
    d.ellipse(cx, cy, r, r)
    a = math.radians(angle % 360)
    k = math.cos(a)  # where the line between light and dark crosses the middle
    side = 1 if math.sin(a) >= 0 else -1  # waxing: lit on the right (from the north)
    if south:
        side = -side
    if angle % 360 == 0:
        return
    limb = [(cx + side * r * math.cos(t), cy - r * math.sin(t))
            for t in (math.pi * (i / n - 0.5) for i in range(n + 1))]
    terminator = [(cx + side * k * r * math.cos(t), cy - r * math.sin(t))
                  for t in (math.pi * (0.5 - i / n) for i in range(n + 1))]
    d.style(LIT, None)
    d.polygon(limb + terminator)


def half_lit(d, cx, cy, r, light="left"):
    """A Moon seen from far off to one side: lit on the Sun's half."""
    d.style(DARK_SIDE, EDGE, 0.008)
    d.ellipse(cx, cy, r, r)
    start = {"left": math.pi / 2, "right": -math.pi / 2}[light]
    d.style(LIT, None)
    d.polygon([(cx + r * math.cos(start + math.pi * k / 24), cy - r * math.sin(start + math.pi * k / 24))
               for k in range(25)])


def sunlit_half(d):
    """3.2 x 1.3 in: sunlight from the left lights the half of the Moon
    facing it; the other half is dark."""
    cy = 0.62
    sun(d, 0.0, cy, 0.5)
    for y in (0.25, 0.62, 0.99):
        arrow(d, 0.58, y, 1.35, y, SUNLIGHT, 0.015, 0.06)
    half_lit(d, 1.95, cy, 0.42)
    d.label(1.72, cy + 0.05, "lit", 11, True)
    d.label(2.2, cy + 0.05, "dark", 11, True, (255, 255, 255))
    d.label(1.0, 1.25, "sunlight", 11, True, (170, 80, 0))
    d.label(1.95, 1.25, "the Moon", 11, True)
    d.label(3.2, 0.12, "not to scale", 11, align="right", color=NOTE)


def month(d):
    """3.2 x 2.2 in: the eight phases in two rows of four, as seen from the
    northern hemisphere, with their names and the days since new Moon."""
    for i, (first, second, angle) in enumerate(PHASES):
        row, col = divmod(i, 4)
        cx, cy = 0.4 + 0.8 * col, 0.32 + 1.05 * row
        phase(d, cx, cy, 0.25, angle)
        d.label(cx, cy + 0.44, first, 11, True)
        d.label(cx, cy + 0.62, second, 11, True)
        if col < 3:
            arrow(d, cx + 0.3, cy, cx + 0.48, cy, RED, 0.012, 0.05)
    d.label(3.2, 2.19, "seen from the northern hemisphere", 11, align="right", color=NOTE)


def path(d):
    """3.2 x 2.0 in: the Moon's path seen from far above the North Pole.
    Sunlight comes from the left; each Moon is lit on its left half; the
    names say what we see from the Earth."""
    cx, cy, r = 1.85, 0.98, 0.64
    for y in (0.35, 0.98, 1.6):
        arrow(d, 0.0, y, 0.4, y, SUNLIGHT, 0.015, 0.06)
    d.label(0.22, 0.18, "sunlight", 11, True, (170, 80, 0))
    d.style(None, (110, 130, 190), 0.01)
    d.polygon([(cx + r * math.cos(2 * math.pi * k / 64), cy + r * math.sin(2 * math.pi * k / 64))
               for k in range(64)])
    earth(d, cx, cy, 0.2)
    d.style((30, 34, 70), None)  # the Earth's night half, away from the Sun
    d.polygon([(cx + 0.202 * math.cos(math.pi * (k / 24 - 0.5)),
                cy - 0.202 * math.sin(math.pi * (k / 24 - 0.5))) for k in range(25)])
    for k in range(8):
        a = math.radians(180 + 45 * k)  # anticlockwise from new Moon (left)
        half_lit(d, cx + r * math.cos(a), cy - r * math.sin(a), 0.1)
    d.label(cx - r - 0.14, cy + 0.05, "new", 11, True, align="right")
    d.label(cx + r + 0.14, cy + 0.05, "full", 11, True, align="left")
    d.label(cx, cy + r + 0.3, "first quarter", 11, True)
    d.label(cx, cy - r - 0.17, "last quarter", 11, True)
    d.label(cx, cy + 0.36, "Earth", 11, True)
    arrow(d, cx - r * 0.72, cy + r * 0.69, cx - r * 0.6, cy + r * 0.8, RED, 0.014, 0.07)
    arrow(d, cx + r * 0.72, cy - r * 0.69, cx + r * 0.6, cy - r * 0.8, RED, 0.014, 0.07)
    d.label(3.2, 1.98, "not to scale", 11, align="right", color=NOTE)


def north_south(d):
    """3.2 x 1.45 in: a waxing crescent and a first quarter, as seen from
    the north and from the south."""
    for row, (name, angle) in enumerate((("waxing crescent", 50), ("first quarter", 90))):
        y = 0.35 + 0.62 * row
        d.label(0.0, y + 0.05, name, 11, True, align="left")
        phase(d, 1.75, y, 0.24, angle)
        phase(d, 2.75, y, 0.24, angle, south=True)
    d.label(1.75, 1.42, "north", 11, True)
    d.label(2.75, 1.42, "south", 11, True)
