# SPDX-License-Identifier: GPL-3.0-or-later
"""Vector diagrams of the sunspot and aurora pages: the Sun's layers cut
open, sunspots on its surface, and the road from a solar storm to an
aurora. Units are screen inches, as in diagrams.py; not to scale."""

import math

from diagrams import DARK, SEA, arrow, earth

CORE = (255, 250, 200)
RADIATIVE = (255, 205, 70)
CONVECTIVE = (245, 150, 30)
SURFACE = (235, 110, 10)
CORONA = (255, 236, 200)
SPOT = (90, 40, 10)
PENUMBRA = (170, 80, 20)
NOTE = (90, 90, 100)
AURORA = (40, 200, 110)


def _half_disc(d, cx, cy, r, start, n=40):
    """The half of a circle that runs from `start` (radians) through 180 degrees."""
    pts = [(cx, cy)] + [(cx + r * math.cos(start + math.pi * k / n), cy - r * math.sin(start + math.pi * k / n))
                        for k in range(n + 1)]
    d.polygon(pts)


def spot(d, x, y, r):
    d.style(PENUMBRA, None)
    d.ellipse(x, y, r * 1.7, r * 1.4)
    d.style(SPOT, None)
    d.ellipse(x, y, r, r * 0.85)


def sun_layers(d):
    """3.3 x 2.1 in: the Sun with its right half cut open."""
    cx, cy, r = 1.05, 1.05, 0.82
    d.style(CORONA, None)
    d.ellipse(cx, cy, r * 1.22, r * 1.22)
    d.style(SURFACE, (200, 90, 0), 0.01)
    d.ellipse(cx, cy, r, r)
    for rr, colour in ((r * 0.97, CONVECTIVE), (r * 0.7, RADIATIVE), (r * 0.25, CORE)):
        d.style(colour, None)
        _half_disc(d, cx, cy, rr, -math.pi / 2)
    spot(d, cx - 0.42, cy - 0.2, 0.06)
    spot(d, cx - 0.3, cy + 0.28, 0.045)
    labels = (("corona", cx + r * 0.75, cy - r * 0.93, 0.2),
              ("photosphere", cx + r * 0.87, cy - r * 0.48, 0.5),
              ("convective zone", cx + r * 0.83, cy + 0.05, 0.9),
              ("radiative zone", cx + r * 0.45, cy + 0.33, 1.3),
              ("core", cx + r * 0.1, cy + 0.08, 1.7))
    for text, px, py, ly in labels:
        d.style(None, DARK, 0.01)
        d.line([(px, py), (2.05, ly - 0.05)])
        d.label(2.1, ly, text, 11, True, align="left")
    d.style(None, DARK, 0.01)
    d.line([(cx - 0.42, cy - 0.2), (0.1, 0.12)])
    d.label(0.0, 0.08, "sunspots", 11, True, align="left")
    d.label(3.3, 2.08, "not to scale", 11, align="right", color=NOTE)


def sunspots_close(d):
    """1.4 x 1.2 in: a piece of the Sun's surface with a group of sunspots."""
    d.style(SURFACE, None)
    d.rect(0.0, 0.0, 1.4, 1.0, 0.06)
    d.style(CONVECTIVE, None)
    for i in range(7):
        for j in range(5):
            d.ellipse(0.1 + i * 0.2 + 0.05 * (j % 2), 0.1 + j * 0.2, 0.06, 0.05)
    spot(d, 0.45, 0.45, 0.13)
    spot(d, 0.95, 0.6, 0.08)
    d.label(0.7, 1.18, "cooler, so darker", 11, True)


def storm_to_aurora(d):
    """3.3 x 1.45 in: a cloud of gas leaves the Sun, crosses space and is
    steered by the Earth's magnetic field down near both poles."""
    cy = 0.7
    d.style((255, 190, 40), (230, 120, 0), 0.015)
    d.polygon([(0.0, cy - 0.6)] + [(0.55 * math.cos(a), cy + 0.6 * math.sin(a))
                                   for a in [-math.pi / 2 + math.pi * k / 30 for k in range(31)]])
    spot(d, 0.3, cy - 0.15, 0.04)
    # The cloud of gas (a coronal mass ejection) on its way.
    d.style((255, 215, 150), (230, 150, 60), 0.01)
    d.ellipse(1.25, cy, 0.22, 0.32)
    arrow(d, 0.6, cy, 1.0, cy, DARK, 0.015, 0.06)
    arrow(d, 1.5, cy, 2.05, cy, DARK, 0.015, 0.06)
    d.label(1.78, cy - 0.12, "1 to 3 days", 11, True)
    # The Earth's magnetic field: loops from pole to pole.
    ex, er = 2.72, 0.2
    d.style(None, (120, 120, 200), 0.01)
    for k in (0.18, 0.32, 0.46):
        pts = []
        for i in range(41):
            t = math.pi * i / 40
            rr = k * math.sin(t) ** 2 + er
            pts.append((ex + rr * math.sin(t), cy - rr * math.cos(t)))
        d.line(pts)
        d.line([(2 * ex - x, y) for x, y in pts])
    earth(d, ex, cy, er)
    d.style(AURORA, None)
    d.ellipse(ex, cy - er - 0.02, 0.09, 0.025)
    d.ellipse(ex, cy + er + 0.02, 0.09, 0.025)
    d.label(0.25, 1.42, "Sun", 11, True)
    d.label(1.25, 1.25, "solar storm", 11, True)
    d.label(ex, 1.42, "Earth", 11, True)
    d.label(3.3, 0.1, "aurora near both poles", 11, True, (20, 130, 60), align="right")
    d.label(0.62, 1.42, "not to scale", 11, align="left", color=NOTE)
