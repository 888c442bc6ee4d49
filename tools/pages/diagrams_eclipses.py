# SPDX-License-Identifier: GPL-3.0-or-later
"""Vector diagrams of the eclipse pages: the Sun, the Moon and the Earth in
a line, their shadows, and the tilt of the Moon's path that makes eclipses
rare. Units are screen inches, as in diagrams.py; nothing is to scale and
each drawing says so."""

import math

from diagrams import DARK, RED, arrow, earth, moon, sun

SHADOW = (70, 70, 90)
HALF_SHADOW = (150, 150, 170)
RED_MOON = (185, 70, 40)
NOTE = (90, 90, 100)


def _shadow(d, x1, top1, bottom1, x2, top2, bottom2, colour):
    d.style(colour, None)
    d.polygon([(x1, top1), (x2, top2), (x2, bottom2), (x1, bottom1)])


def solar_eclipse(d):
    """3.2 x 1.35 in: Sun, Moon, Earth; the Moon's shadow falls on the Earth."""
    cy = 0.65
    sun(d, 0.35, cy, 0.35)
    _shadow(d, 1.75, cy - 0.07, cy + 0.07, 2.72, cy - 0.2, cy + 0.2, HALF_SHADOW)
    _shadow(d, 1.75, cy - 0.07, cy + 0.07, 2.62, cy - 0.015, cy + 0.015, SHADOW)
    moon(d, 1.75, cy, 0.07)
    earth(d, 2.85, cy, 0.25)
    d.style(SHADOW, None)
    d.ellipse(2.61, cy, 0.03, 0.03)
    d.label(0.35, 1.22, "Sun", 11, True)
    d.label(1.75, 0.44, "Moon", 11, True)
    d.label(2.85, 0.3, "Earth", 11, True)
    d.label(2.15, 1.22, "Moon's shadow", 11)
    d.label(0.0, 0.14, "not to scale", 11, align="left", color=NOTE)


def lunar_eclipse(d):
    """3.2 x 1.35 in: Sun, Earth, Moon; the Moon is in the Earth's shadow."""
    cy = 0.65
    sun(d, 0.35, cy, 0.35)
    _shadow(d, 1.6, cy - 0.22, cy + 0.22, 2.95, cy - 0.09, cy + 0.09, SHADOW)
    earth(d, 1.6, cy, 0.22)
    d.style(RED_MOON, (120, 40, 20), 0.01)
    d.ellipse(2.7, cy, 0.07, 0.07)
    d.label(0.35, 1.22, "Sun", 11, True)
    d.label(1.6, 1.22, "Earth", 11, True)
    d.label(2.7, 0.42, "Moon", 11, True)
    d.label(2.55, 1.05, "Earth's shadow", 11)
    d.label(0.0, 0.14, "not to scale", 11, align="left", color=NOTE)


def tilted_orbit(d):
    """3.2 x 1.85 in: the Moon's path seen from the side. Most months it is
    tilted to the line of the Sun and the Earth, so the full Moon passes
    above (or below) the Earth's shadow; a few times a year the path lines
    up and the full Moon goes through the shadow."""
    for row, (caption, tilt) in enumerate((("Most months: no eclipse", 0.26),
                                           ("Lined up: an eclipse", 0.0))):
        y = 0.55 + row * 0.8
        d.label(0.0, y - 0.32, caption, 11, True, align="left")
        sun(d, 0.2, y, 0.16)
        _shadow(d, 1.6, y - 0.1, y + 0.1, 3.1, y - 0.04, y + 0.04, SHADOW)
        earth(d, 1.6, y, 0.1)
        d.style(None, RED, 0.012)
        if tilt:
            d.line([(0.9, y + tilt), (2.3, y - tilt)])
        else:
            d.line([(0.9 + 0.7 + 0.7 * math.cos(2 * math.pi * k / 48), y + 0.05 * math.sin(2 * math.pi * k / 48))
                    for k in range(49)])
        mx, my = 2.3, y - tilt
        if tilt:
            moon(d, mx, my, 0.06)
        else:
            d.style(RED_MOON, (120, 40, 20), 0.01)
            d.ellipse(mx, my, 0.06, 0.06)
        if tilt:
            d.label(mx + 0.1, my + 0.05, "full Moon", 11, align="left")
        else:
            d.label(mx, my + 0.25, "full Moon", 11)
    d.label(1.0, 1.62, "Moon's path", 11, True, RED)
    d.label(3.2, 1.83, "not to scale", 11, align="right", color=NOTE)


def pinhole(d):
    """3.2 x 1.05 in: a pinhole viewer; the Sun's picture falls on card
    behind you, so you never look at the Sun."""
    arrow(d, 0.1, 0.5, 0.95, 0.5, (230, 120, 0), 0.015, 0.06)
    d.label(0.5, 0.38, "sunlight", 11, True, (170, 80, 0))
    d.style((240, 240, 240), DARK, 0.012)
    d.rect(1.0, 0.1, 1.08, 0.9)
    d.style((255, 255, 255), None)
    d.ellipse(1.04, 0.5, 0.015, 0.015)
    d.label(1.04, 1.03, "card with a pinhole", 11)
    d.style(None, (230, 150, 30), 0.008)
    d.line([(1.04, 0.5), (2.6, 0.3)])
    d.line([(1.04, 0.5), (2.6, 0.7)])
    d.style((255, 255, 255), DARK, 0.012)
    d.rect(2.6, 0.1, 2.68, 0.9)
    d.style((255, 200, 60), None)
    d.ellipse(2.58, 0.5, 0.02, 0.2)
    d.label(2.64, 1.03, "the Sun's picture", 11)
    d.label(3.2, 0.5, "look", 11, True, align="right")
    d.label(3.2, 0.67, "here", 11, True, align="right")
    arrow(d, 3.15, 0.78, 2.75, 0.6, DARK, 0.012, 0.05)
