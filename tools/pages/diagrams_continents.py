# SPDX-License-Identifier: GPL-3.0-or-later
"""Diagrams of the continents and oceans pages: the equal-area world map
with the continents or the oceans named on it, and the plates of the
Earth's crust moving apart at an ocean ridge. Units are screen inches, as
in diagrams.py."""

from diagrams import DARK, arrow
from layout import place_picture
from pictures import MAP_ASPECT

NOTE = (90, 90, 100)
WHITE = (255, 255, 255)
MAP_W = 3.2

# Where each name goes on the map, as shares of its width and height.
CONTINENT_NAMES = [("North America", 0.25, 0.24), ("South America", 0.33, 0.62),
                   ("Europe", 0.53, 0.10), ("Africa", 0.56, 0.48), ("Asia", 0.73, 0.22),
                   ("Australia", 0.85, 0.75), ("Antarctica", 0.5, 0.985)]
OCEAN_NAMES = [("Pacific", 0.10, 0.50), ("Pacific", 0.91, 0.40), ("Atlantic", 0.42, 0.40),
               ("Indian", 0.71, 0.62), ("Southern", 0.50, 0.89), ("Arctic", 0.40, 0.05)]


def _map(d, name, top, names, colour):
    h = MAP_W * MAP_ASPECT
    (l, t), (r, b) = d.p(0, top), d.p(MAP_W, top + h)
    place_picture(d.ctx, name, l, t, r, b)
    for text, x, y in names:
        d.label(x * MAP_W, top + y * h + 0.06, text, 11, True, colour)
    return top + h


def continents(d):
    """3.2 x 1.8 in: the seven continents, each in its colour."""
    bottom = _map(d, "continents-map", 0.0, CONTINENT_NAMES, DARK)
    d.label(0.0, bottom + 0.2, "Centre: longitude 0\u00b0 (Greenwich). Sizes are true.", 11,
            align="left", color=NOTE)


def oceans(d):
    """3.2 x 1.8 in: one world ocean, its five named parts."""
    bottom = _map(d, "oceans-map", 0.0, OCEAN_NAMES, WHITE)
    d.label(0.0, bottom + 0.2, "All the blue is one ocean.", 11, align="left", color=NOTE)


def plates(d):
    """3.2 x 1.3 in: two plates of the crust moving apart at a ridge in the
    middle of an ocean, new rock rising between them."""
    sea_top, crust_top, crust_bottom = 0.35, 0.65, 0.9
    d.style((150, 200, 240), None)
    d.rect(0.0, sea_top, 3.2, crust_top)
    d.style((150, 110, 80), DARK, 0.01)
    d.polygon([(0.0, crust_top), (1.45, crust_top - 0.12), (1.55, crust_top - 0.02), (1.55, crust_bottom),
               (0.0, crust_bottom)])
    d.polygon([(3.2, crust_top), (1.75, crust_top - 0.12), (1.65, crust_top - 0.02), (1.65, crust_bottom),
               (3.2, crust_bottom)])
    d.style((230, 90, 30), None)
    d.polygon([(1.55, crust_bottom + 0.25), (1.55, crust_top - 0.02), (1.6, crust_top - 0.08),
               (1.65, crust_top - 0.02), (1.65, crust_bottom + 0.25)])
    d.style((240, 150, 60), None)
    d.rect(0.0, crust_bottom, 3.2, crust_bottom + 0.25)
    arrow(d, 1.25, crust_top + 0.13, 0.55, crust_top + 0.13, WHITE, 0.025, 0.08)
    arrow(d, 1.95, crust_top + 0.13, 2.65, crust_top + 0.13, WHITE, 0.025, 0.08)
    d.label(0.7, 0.25, "plate", 11, True)
    d.label(2.5, 0.25, "plate", 11, True)
    d.label(1.6, 0.2, "new rock rises", 11, align="center")
    d.label(1.6, 1.3, "hot rock below moves very slowly", 11)
