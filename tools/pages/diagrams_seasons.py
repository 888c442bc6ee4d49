# SPDX-License-Identifier: GPL-3.0-or-later
"""Vector diagrams of the seasons pages: day and night on the spinning
Earth, the tilted axis that gives the two hemispheres their summers in
turn, the high and the low midday Sun, and the Earth's path round the Sun
with the solstices and equinoxes. Units are screen inches, as in
diagrams.py; nothing is to scale and each drawing says so."""

import math

from diagrams import DARK, RED, arrow, earth, sun

NIGHT = (30, 34, 70)
NOTE = (90, 90, 100)
TILT = math.radians(23.4)
GROUND = (110, 150, 80)
SHADOW = (70, 70, 90)


def _half(cx, cy, r, start, n=24):
    """A half disc from angle `start` (radians, anticlockwise on paper)."""
    return [(cx + r * math.cos(start + math.pi * k / n), cy - r * math.sin(start + math.pi * k / n))
            for k in range(n + 1)]


NIGHT_START = {"left": -math.pi / 2, "right": math.pi / 2, "below": 0.0, "above": math.pi}


def lit_earth(d, cx, cy, r, light="left", lean_right=True, axis=True):
    """The Earth lit from the side `light` ("left", "right", "below",
    "above") with its night half shaded and, if asked, its axis leaning
    23.4 degrees, the north end marked N."""
    earth(d, cx, cy, r)
    d.style(NIGHT, None)
    d.polygon(_half(cx, cy, r * 1.01, NIGHT_START[light]))
    if axis:
        s = 1 if lean_right else -1
        dx, dy = s * math.sin(TILT) * r * 1.35, math.cos(TILT) * r * 1.35
        d.style(None, DARK, 0.014)
        d.line([(cx - dx, cy + dy), (cx + dx, cy - dy)])
        d.label(cx + dx * 1.12, cy - dy * 1.12 - 0.02, "N", 11, True)


def day_night(d):
    """3.2 x 1.45 in: sunlight from the left on the spinning Earth."""
    cy = 0.72
    sun(d, 0.0, cy, 0.55)
    for y in (0.3, 0.72, 1.14):
        arrow(d, 0.62, y, 1.45, y, (230, 120, 0), 0.015, 0.06)
    lit_earth(d, 2.2, cy, 0.5, axis=False)
    d.label(1.85, cy + 0.05, "day", 11, True)
    d.label(2.5, cy + 0.05, "night", 11, True, (255, 255, 255))
    # The way the Earth spins: a curved arrow over the top.
    pts = [(2.2 + 0.62 * math.cos(math.radians(a)), cy - 0.62 * math.sin(math.radians(a)))
           for a in range(140, 39, -10)]
    d.style(None, RED, 0.014)
    d.line(pts)
    arrow(d, pts[-2][0], pts[-2][1], pts[-1][0] + 0.03, pts[-1][1] + 0.04, RED, 0.014, 0.07)
    d.label(2.2, 0.05, "spins once a day", 11, True, RED)
    d.label(1.0, 1.43, "sunlight", 11, True, (170, 80, 0))
    d.label(3.2, 1.43, "not to scale", 11, align="right", color=NOTE)


def tilt_seasons(d):
    """3.2 x 1.85 in: the Sun between the Earth in June (left) and in
    December (right); the axis leans the same way both times."""
    cy = 0.8
    sun(d, 1.6, cy, 0.28)
    for x, month, lean in ((0.45, "June", "the north"), (2.75, "December", "the south")):
        lit_earth(d, x, cy, 0.32, light="left" if x > 1.6 else "right")
        d.label(x, cy + 0.6, month, 11, True)
        d.label(x, cy + 0.78, lean + " leans", 11)
        d.label(x, cy + 0.95, "to the Sun", 11)
    d.label(1.6, cy + 0.5, "Sun", 11, True)
    d.label(3.2, 0.12, "not to scale", 11, align="right", color=NOTE)


def _stick(d, x, ground, sun_angle, caption):
    """A stick on the ground, the Sun's rays at `sun_angle` degrees above
    the ground and the shadow they cast."""
    h = 0.45
    a = math.radians(sun_angle)
    shadow = h / math.tan(a)
    d.style(SHADOW, None)
    d.rect(x, ground - 0.025, x + shadow, ground + 0.02)
    d.style(None, (130, 80, 30), 0.03)
    d.line([(x, ground), (x, ground - h)])
    for k in (-0.12, 0.0):
        x0 = x + k
        arrow(d, x0 - 0.4 * math.cos(a), ground - h - 0.4 * math.sin(a) + k * math.tan(a),
              x0 - 0.05 * math.cos(a), ground - h - 0.05 * math.sin(a) + k * math.tan(a),
              (230, 120, 0), 0.012, 0.05)
    season, shadow_size = caption
    d.label(x + 0.3, ground + 0.22, season, 11, True)
    d.label(x + 0.3, ground + 0.39, shadow_size, 11)


def sun_height(d):
    """3.2 x 1.6 in: the midday Sun high in summer and low in winter, and
    the shadows of a stick."""
    ground = 1.05
    d.style(GROUND, None)
    d.rect(0.0, ground, 3.2, ground + 0.06)
    _stick(d, 0.55, ground, 62, ("summer", "short shadow"))
    _stick(d, 1.75, ground, 20, ("winter", "long shadow"))
    d.label(0.34, 0.45, "high Sun", 11, True, (170, 80, 0), align="right")
    d.label(1.22, 0.46, "low Sun", 11, True, (170, 80, 0), align="right")


def orbit(d):
    """3.2 x 1.9 in: the Earth's path seen from a little above its north
    side, the Earth at the solstices and equinoxes (the axis always leans
    the same way), the months beside them."""
    cx, cy, rx, ry = 1.6, 0.92, 1.18, 0.52
    d.style(None, (110, 130, 190), 0.012)
    d.polygon([(cx + rx * math.cos(2 * math.pi * k / 64), cy + ry * math.sin(2 * math.pi * k / 64))
               for k in range(64)])
    sun(d, cx, cy, 0.2)
    # The month of each place, under the Earths at the sides and to the
    # right of the near and far ones.
    places = ((cx + rx, cy, "December", (-0.05, 0.34, "center")),
              (cx, cy - ry, "March", (0.22, 0.05, "left")),
              (cx - rx, cy, "June", (0.05, 0.34, "center")),
              (cx, cy + ry, "September", (0.22, 0.05, "left")))
    for x, y, month, (dx, dy, align) in places:
        # Each Earth's night half is the half away from the Sun.
        light = "left" if x > cx else "right" if x < cx else "below" if y < cy else "above"
        lit_earth(d, x, y, 0.14, light=light)
        d.label(x + dx, y + dy, month, 11, True, align=align)
    # The way round: anticlockwise seen from the north.
    arrow(d, cx + 0.75, cy + ry * 0.78, cx + 0.85, cy + ry * 0.7, RED, 0.014, 0.07)
    arrow(d, cx - 0.75, cy - ry * 0.78, cx - 0.85, cy - ry * 0.7, RED, 0.014, 0.07)
    d.label(3.2, 1.88, "not to scale", 11, align="right", color=NOTE)
