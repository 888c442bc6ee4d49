# SPDX-License-Identifier: GPL-3.0-or-later
"""Diagrams of the Moon landings pages: a timeline from the first
satellite to the last moonwalk, and the Moon's near side with the six
landing places named. Units are screen inches, as in diagrams.py."""

from diagrams import DARK, RED
from layout import place_picture

NOTE = (90, 90, 100)
STEPS = [(1957, "first satellite"), (1961, "first person in space"), (1966, "first soft landing"),
         (1968, "first crew round the Moon"), (1969, "first footsteps"), (1972, "last Apollo moonwalk")]


def timeline(d):
    """3.2 x 1.5 in: the six steps down a line, each with its year."""
    top, step, x = 0.12, 0.25, 0.55
    d.style(None, DARK, 0.02)
    d.line([(x, top), (x, top + step * (len(STEPS) - 1))])
    for k, (year, what) in enumerate(STEPS):
        y = top + k * step
        d.style(RED, DARK, 0.01)
        d.ellipse(x, y, 0.05, 0.05)
        d.label(x - 0.1, y + 0.06, str(year), 11, True, align="right")
        d.label(x + 0.12, y + 0.06, what, 11, align="left")


# The six sites' names beside the Moon, with the place each line starts.
SITE_NAMES = [("Apollo 15", "left"), ("Apollo 17", "right"), ("Apollo 11", "right"), ("Apollo 12", "left"),
              ("Apollo 14", "left"), ("Apollo 16", "right")]


def landing_sites(d):
    """3.2 x 1.9 in: the Moon's near side, the six landing places joined to
    their names on either side."""
    import moonlandings
    size, left = 1.8, 0.7
    (l, t), (r, b) = d.p(left, 0.05), d.p(left + size, 0.05 + size)
    place_picture(d.ctx, "moon-sites", l, t, r, b)
    rows = {"left": 0, "right": 0}
    for name, side in SITE_NAMES:
        px, py = moonlandings.site_point(name)
        sx = left + px / moonlandings.SITES_SIZE * size
        sy = 0.05 + py / moonlandings.SITES_SIZE * size
        ty = 0.45 + rows[side] * 0.45
        rows[side] += 1
        tx = 0.68 if side == "left" else left + size + 0.02
        d.style(None, (255, 220, 0), 0.012)
        d.line([(sx, sy), (tx, ty - 0.05)])
        d.label(tx - 0.02 if side == "left" else tx + 0.02, ty, name, 11, True,
                align="right" if side == "left" else "left")
    d.label(3.2, 1.9, "near side, north at the top", 11, align="right", color=NOTE)
