# SPDX-License-Identifier: GPL-3.0-or-later
"""Vector diagrams of the pages of "The Solar System" and of "Orbits and
Gravitation": the planets in order, their sizes to scale, moons and a dwarf
planet, the pull of the Earth's gravity, an orbit as moving on and being
pulled in, the length of each planet's year, and a ball thrown ever faster
from a mountain until it falls round the Earth. Units are screen inches, as
in diagrams.py; each drawing says whether it is to scale."""

import math

from diagrams import DARK, RED, arrow, earth, moon, sun

NOTE = (90, 90, 100)
PATH = (110, 110, 150)
# Each planet's look as a flat drawing: fill, edge, bands (colour, y from
# the centre in radii, half-height in radii).
LOOKS = {
    "Mercury": ((160, 150, 140), (100, 95, 90), []),
    "Venus": ((235, 215, 165), (170, 140, 90), []),
    "Earth": None,
    "Mars": ((200, 100, 60), (130, 60, 30), []),
    "Jupiter": ((225, 200, 165), (150, 120, 90), [((180, 125, 85), -0.35, 0.1), ((180, 125, 85), 0.25, 0.12),
                                                  ((200, 160, 120), 0.6, 0.08)]),
    "Saturn": ((230, 210, 160), (160, 140, 90), [((205, 180, 130), -0.3, 0.1), ((205, 180, 130), 0.3, 0.1)]),
    "Uranus": ((165, 220, 228), (90, 150, 160), []),
    "Neptune": ((70, 105, 205), (30, 60, 140), []),
}
ORDER = ["Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"]


def planet(d, name, cx, cy, r):
    look = LOOKS[name]
    if look is None:
        earth(d, cx, cy, r)
        return
    fill, edge, bands = look
    if name == "Saturn":  # the rings' far half behind the globe
        d.style(None, (170, 150, 110), max(r * 0.12, 0.01))
        d.line([(cx + 2.1 * r * math.cos(a), cy - 0.45 * r * abs(math.sin(a)))
                for a in [math.pi * k / 24 for k in range(25)]])
    d.style(fill, edge, 0.01)
    d.ellipse(cx, cy, r, r)
    for colour, y, half in bands:
        d.style(colour, None)
        w = r * math.sqrt(max(1 - y * y, 0)) * 0.98
        d.rect(cx - w, cy + (y - half) * r, cx + w, cy + (y + half) * r)
    if name == "Saturn":
        d.style(None, (170, 150, 110), max(r * 0.12, 0.01))
        d.line([(cx + 2.1 * r * math.cos(a), cy + 0.45 * r * abs(math.sin(a)))
                for a in [math.pi * k / 24 for k in range(25)]])


def planets_in_order(d):
    """3.3 x 1.3 in: the edge of the Sun and the eight planets in order,
    named above and below in turn; neither sizes nor distances to scale."""
    t = math.acos(0.25 / 0.5)
    d.style((255, 190, 40), (230, 120, 0), 0.015)
    d.polygon([(-0.25 + 0.5 * math.cos(a), 0.62 + 0.5 * math.sin(a))
               for a in [-t + 2 * t * k / 24 for k in range(25)]])
    d.label(0.12, 1.26, "Sun", 11, True)
    xs = [0.45, 0.72, 1.0, 1.26, 1.66, 2.18, 2.66, 3.08]
    rs = [0.04, 0.07, 0.075, 0.055, 0.2, 0.15, 0.11, 0.105]
    for k, (name, x, r) in enumerate(zip(ORDER, xs, rs)):
        planet(d, name, x, 0.62, r)
        if k % 2 == 0:
            d.label(x, 0.35 if r < 0.15 else 0.3, name, 11, True)
        else:
            d.label(x, 1.04 if r < 0.15 else 1.08, name, 11, True)
    d.label(3.3, 1.28, "not to scale", 11, align="right", color=NOTE)


def sizes_to_scale(d):
    """3.3 x 1.35 in: the Earth, Jupiter and a piece of the Sun's edge at
    one scale (widths 12,742, 139,820 and 1.39 million km)."""
    unit = 1.0 / 139820.0  # inches per km: Jupiter 1 in wide
    cy = 0.7
    sun_r = 1392000 / 2 * unit
    cx = 2.75 + sun_r  # only the Sun's near edge fits
    t = math.asin(0.62 / sun_r)
    d.style((255, 190, 40), (230, 120, 0), 0.015)
    d.polygon([(cx - sun_r * math.cos(a), cy + sun_r * math.sin(a)) for a in [-t + 2 * t * k / 40 for k in range(41)]]
              + [(3.3, cy + 0.62), (3.3, cy - 0.62)])
    d.label(2.7, 1.3, "the Sun's edge", 11, True, align="right")
    planet(d, "Jupiter", 1.4, cy, 0.5)
    d.label(1.4, 0.12, "Jupiter", 11, True)
    earth(d, 0.25, cy, 12742 / 2 * unit)
    d.label(0.25, cy - 0.14, "Earth", 11, True)
    d.label(0.0, 1.33, "sizes to scale", 11, align="left", color=NOTE)


def moons_and_pluto(d):
    """3.3 x 1.25 in: the Earth and its Moon, Mars and its two small moons,
    and Pluto beside our Moon, all to one scale (Earth 12,756 km, the Moon
    3,475 km, Mars 6,779 km, Pluto 2,377 km)."""
    cy = 0.6
    earth(d, 0.35, cy, 0.28)
    moon(d, 0.85, cy - 0.12, 0.076)
    d.label(0.45, 1.2, "Earth: 1 Moon", 11, True)
    planet(d, "Mars", 1.62, cy, 0.15)
    d.style((140, 120, 100), None)
    d.ellipse(1.88, cy - 0.2, 0.02, 0.015)
    d.ellipse(1.35, cy + 0.18, 0.015, 0.012)
    d.label(1.68, 1.2, "Mars: 2 moons", 11, True)
    moon(d, 2.45, cy, 0.076)
    d.style((215, 190, 170), (140, 110, 90), 0.01)
    d.ellipse(3.1, cy, 0.052, 0.052)
    d.style((245, 235, 225), None)
    d.ellipse(3.115, cy + 0.015, 0.023, 0.019)
    d.label(2.45, 1.0, "our Moon", 11)
    d.label(3.1, 1.0, "Pluto", 11, True)
    d.label(2.8, 1.2, "Pluto is smaller", 11)


# ------------------------------------------------------------- orbits
def _person(d, x, y, angle, colour=(200, 60, 60)):
    """A child standing on the ground at (x, y), feet towards the Earth's
    middle; `angle` is the direction of 'up' (radians, 0 = right)."""
    ux, uy = math.cos(angle), -math.sin(angle)
    px, py = -uy, ux

    def at(a, b):
        return (x + ux * a + px * b, y + uy * a + py * b)

    d.style(None, DARK, 0.02)
    d.line([at(0, -0.035), at(0.08, 0), at(0, 0.035)])
    d.line([at(0.08, 0), at(0.17, 0)])
    d.line([at(0.14, -0.05), at(0.12, 0), at(0.14, 0.05)])
    d.style(colour, DARK, 0.01)
    d.ellipse(*at(0.21, 0), 0.04, 0.04)


def gravity_down(d):
    """3.3 x 1.75 in: children standing all round the Earth, each pulled
    towards its middle, so 'down' is towards the middle everywhere."""
    cx, cy, r = 1.2, 0.9, 0.52
    earth(d, cx, cy, r)
    for deg, colour in ((90, (200, 60, 60)), (270, (60, 120, 200)), (0, (60, 160, 80)), (180, (220, 150, 30))):
        a = math.radians(deg)
        _person(d, cx + r * math.cos(a), cy - r * math.sin(a), a, colour)
    for deg in (45, 135, 225, 315):
        a = math.radians(deg)
        arrow(d, cx + (r + 0.3) * math.cos(a), cy - (r + 0.3) * math.sin(a),
              cx + (r * 0.4) * math.cos(a), cy - (r * 0.4) * math.sin(a), RED, 0.014, 0.06)
    d.style(DARK, None)
    d.ellipse(cx, cy, 0.025, 0.025)
    d.label(cx + 0.3, 0.12, "in the north", 11, True, align="left")
    d.label(cx + 0.3, 1.72, "in the south", 11, True, align="left")
    d.label(3.3, 0.72, "Gravity pulls", 11, True, RED, align="right")
    d.label(3.3, 0.9, "everyone towards", 11, True, RED, align="right")
    d.label(3.3, 1.08, "the Earth's middle.", 11, True, RED, align="right")

def moving_and_pulled(d):
    """3.3 x 1.55 in: the Moon on its path round the Earth: it moves on,
    the Earth pulls it in, so it goes round; not to scale."""
    cx, cy, r = 0.8, 0.8, 0.58
    d.style(None, PATH, 0.012)
    d.line([(cx + r * math.cos(2 * math.pi * k / 64), cy + r * math.sin(2 * math.pi * k / 64)) for k in range(65)])
    earth(d, cx, cy, 0.2)
    th = -0.3
    ox, oy = math.cos(th), math.sin(th)  # outwards from the Earth
    tx, ty = oy, -ox  # along the path, anticlockwise on the page
    mx, my = cx + r * ox, cy + r * oy
    moon(d, mx, my, 0.07)
    arrow(d, mx + 0.09 * tx, my + 0.09 * ty, mx + 0.5 * tx, my + 0.5 * ty, (30, 130, 60), 0.016, 0.07)
    arrow(d, mx - 0.09 * ox, my - 0.09 * oy, mx - 0.36 * ox, my - 0.36 * oy, RED, 0.016, 0.07)
    d.label(cx, cy + 0.34, "Earth", 11, True)
    d.label(mx + 0.11, my + 0.05, "Moon", 11, True, align="left")
    d.label(1.95, 0.2, "green: moving on", 11, True, (30, 130, 60), align="left")
    d.label(1.95, 0.38, "red: pull of gravity", 11, True, RED, align="left")
    d.label(1.95, 1.2, "grey: the path", 11, True, PATH, align="left")
    d.label(1.95, 1.37, "(the orbit)", 11, True, PATH, align="left")
    d.label(3.3, 1.55, "not to scale", 11, align="right", color=NOTE)

YEARS = (("Mercury", 0.45, "88 days"), ("Earth", 0.95, "365 days"), ("Mars", 1.45, "687 days"),
         ("Jupiter", 2.75, "about 12 years"))


def year_lengths(d):
    """3.3 x 1.5 in: four planets on their paths round the Sun, each with
    the time of one whole trip; Jupiter's path brought in; not to scale."""
    sx, cy = 0.05, 0.78
    sun(d, sx, cy, 0.13)
    for k, (name, x, year) in enumerate(YEARS):
        radius = x - sx
        reach = math.asin(min(0.5 / radius, 1.0))
        d.style(None, PATH, 0.012)
        d.line([(sx + radius * math.cos(a), cy + radius * math.sin(a))
                for a in [-reach + 2 * reach * j / 24 for j in range(25)]])
        planet(d, name, x, cy, (0.035, 0.05, 0.04, 0.1)[k])
        above = k % 2 == 1
        y = 0.18 if above else 1.2
        d.label(x, y, name, 11, True)
        d.label(x, y + 0.17, year, 11)
    d.label(3.3, 1.5, "not to scale", 11, align="right", color=NOTE)

def falling_round(d):
    """3.3 x 1.6 in: a ball thrown from a mountain top, each time faster;
    the fastest falls all the way round the Earth: an orbit."""
    cx, cy, r = 1.65, 1.0, 0.5
    d.style(None, PATH, 0.012)
    d.line([(cx + (r + 0.2) * math.cos(2 * math.pi * k / 64), cy + (r + 0.2) * math.sin(2 * math.pi * k / 64))
            for k in range(65)])
    earth(d, cx, cy, r)
    d.style((120, 100, 80), DARK, 0.01)
    d.polygon([(cx - 0.1, cy - r + 0.02), (cx, cy - r - 0.22), (cx + 0.1, cy - r + 0.02)])
    top = (cx, cy - r - 0.2)
    for k, reach in enumerate((0.35, 0.7)):
        pts = []
        for j in range(21):
            a = math.pi / 2 - reach * j / 20
            rr = r + 0.2 - 0.2 * (j / 20) ** 1.6
            pts.append((cx + rr * math.cos(a), cy - rr * math.sin(a)))
        d.style(None, RED, 0.012)
        d.line(pts)
    d.label(top[0], 0.18, "a ball thrown from a mountain", 11, True)
    d.label(cx + 0.55, 0.56, "slow", 11, False, RED, align="left")
    d.label(cx + 0.78, 0.92, "faster", 11, False, RED, align="left")
    d.label(cx - 0.75, 1.05, "fast enough:", 11, True, PATH, align="right")
    d.label(cx - 0.75, 1.22, "it falls all the", 11, False, PATH, align="right")
    d.label(cx - 0.75, 1.39, "way round", 11, False, PATH, align="right")
    d.label(3.3, 1.58, "not to scale", 11, align="right", color=NOTE)
