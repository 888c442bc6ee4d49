#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the topic files of "Continents and Oceans" and "The Moon
Landings" and their four activity files (media/topics, media/activities;
format in media/README.md), with the same layout checks as
make_eclipses_sunspots.py, whose helpers it uses.
Run: python3 make_continents_landings.py"""

import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.path.insert(0, str(HERE.parent / "media"))
import make_eclipses_sunspots as common  # noqa: E402
import moonlandings  # noqa: E402
from make_eclipses_sunspots import SCREEN_BLUE, instruction, ordering, text, topic  # noqa: E402

MEDIA = common.MEDIA


def oceans_order():
    """The five named parts of the world ocean, from the biggest to the
    smallest, along a line numbered 1 to 5."""
    width, gap, top = 2100, 213, 2400
    boxes, lines = [], [[240, 3720, 11595, 3720]]
    texts = [text("Put the five named parts of the world ocean in order of size, from the biggest "
                  "to the smallest.", [3720, 120, 8000, 1500], 20.25, "#00ff00"),
             instruction([120, 7920, 3120, 705])]
    steps = [("The Pacific Ocean", "place 1 of 5, the biggest"), ("The Atlantic Ocean", "place 2 of 5"),
             ("The Indian Ocean", "place 3 of 5"), ("The Southern Ocean", "place 4 of 5"),
             ("The Arctic Ocean", "place 5 of 5, the smallest")]
    for i, (answer, stands_by) in enumerate(steps):
        left = 240 + i * (width + gap)
        boxes.append({"answer": answer, "left": left, "top": top, "standsBy": stands_by})
        centre = left + width // 2
        lines.append([centre, top + 975, centre, 3720])
        texts.append(text(str(i + 1), [left, 3840, width, 400], 15.75, font="Tahoma", bold=True))
    texts += [text("biggest", [240, 4300, width, 400], 14.25),
              text("smallest", [240 + 4 * (width + gap), 4300, width, 400], 14.25),
              text("All five are parts of one ocean: they are all joined up.", [2700, 4300, 6400, 400],
                   14.25)]
    places = [[600 + 3480 * (i % 3), 5000 + 1100 * (i // 3)] for i in range(5)]
    return {
        "format": 1, "screen": "continentsOrderScreen", "kind": "ordering", "background": "#273783",
        "label": {"width": width, "height": 975, "points": 11.25},
        "title": {"rect": [120, 120, 3465, 1185], "points": 24, "align": "center"},
        "texts": texts, "lines": lines, "pictures": [], "boxes": boxes,
        "starts": [places[k] for k in (3, 0, 4, 2, 1)],
    }


def continents_label():
    """The equal-area world map with a box on each continent."""
    w, h = 2100, 375
    left, top = 705, 900
    mw, mh = 700 * 15, 341 * 15

    def on(fx, fy):  # a box centred at a share of the map's width and height
        return left + int(fx * mw) - w // 2, top + int(fy * mh) - h // 2

    places = (("North America", on(0.24, 0.27)), ("South America", on(0.33, 0.62)),
              ("Europe", on(0.52, 0.10)), ("Africa", on(0.555, 0.47)), ("Asia", on(0.74, 0.20)),
              ("Australia", on(0.855, 0.72)), ("Antarctica", on(0.5, 0.885)))
    boxes = [{"answer": name, "left": x, "top": y, "standsBy": "the continent in " +
              {"North America": "the top left", "South America": "the lower left",
               "Europe": "the top middle", "Africa": "the middle", "Asia": "the top right",
               "Australia": "the lower right", "Antarctica": "the bottom, round the South Pole"}[name]}
             for name, (x, y) in places]
    starts = [[240 + 2900 * (i % 4), 6300 + 600 * (i // 4)] for i in range(7)]
    return {
        "format": 1, "screen": "continentsLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": w, "height": h, "points": 11.25},
        "title": {"rect": [240, 120, 6600, 705], "points": 27.75, "align": "left"},
        "texts": [
            text("Drag each continent's name onto it.", [6900, 200, 4800, 600], 16, bold=True, align="left"),
            text("Every continent is drawn at its true size. The middle of the map is longitude 0\u00b0.",
                 [240, 7340, 11400, 450], 14.25),
        ],
        "lines": [],
        "pictures": [{"path": "Images\\continentsmap.jpg", "rect": [left, top, mw, mh], "stretched": False}],
        "boxes": boxes,
        "starts": [starts[k] for k in (5, 0, 6, 3, 1, 4, 2)],
    }


LANDINGS_ORDER = ordering(
    "landingsOrderScreen",
    "Put the steps to the Moon in order, from the first to the last.",
    [("The first satellite goes up.", "step 1 of 6, in 1957"),
     ("Yuri Gagarin goes into space.", "step 2 of 6, in 1961"),
     ("A robot lands on the Moon.", "step 3 of 6, in 1966"),
     ("Apollo 8 flies round the Moon.", "step 4 of 6, in 1968"),
     ("Neil Armstrong steps out.", "step 5 of 6, in 1969"),
     ("The last Apollo moonwalk.", "step 6 of 6, in 1972")],
    [text("From Sputnik 1 in 1957 to Apollo 17 in 1972: fifteen years.", [240, 4300, 11355, 600], 14.25)])

# What each site's label teaches, written beside its box.
SITE_PLACES = {"Apollo 11": "Sea of Tranquillity, July 1969", "Apollo 12": "Ocean of Storms, Nov 1969",
               "Apollo 14": "Fra Mauro, Feb 1971", "Apollo 15": "Hadley\u2013Apennine, July 1971",
               "Apollo 16": "Descartes, April 1972", "Apollo 17": "Taurus\u2013Littrow, Dec 1972"}


def landings_label():
    """The Moon's near side (tools/media/moonlandings.py draws it with the
    start of each pointer line) with a box for each landing place."""
    w, h = 1900, 375
    left, top = 3480, 1000
    size = moonlandings.SITES_SIZE * 15
    boxes, lines, texts = [], [], [
        text("Each red dot is where an Apollo crew landed. Drag each mission to its dot.",
             [5400, 120, 6300, 800], 14.25, bold=True, align="left"),
        text("The side of the Moon we always see from the Earth.", [8700, 4400, 3000, 700], 14.25),
    ]
    for name in moonlandings.SITES:
        ex, ey = moonlandings.edge_point(name)
        x, y = left + int(ex * 15), top + int(ey * 15)
        side = moonlandings.SITE_EDGE[name]
        if side == "left":
            bx, by = 1300, y - h // 2
            lines.append([x, y, bx + w, y])
            note = [240, by + 400, 2960, 330]
        elif side == "right":
            bx, by = 8700, y - h // 2
            lines.append([x, y, bx, y])
            note = [8700, by + 400, 3100, 330]
        else:
            bx = x - w - 300 if name == "Apollo 14" else x - 500
            by = top + size + 200
            lines.append([x, y, bx + (w - 200 if name == "Apollo 14" else 500), by])
            note = [bx - 400, by + 400, w + 800, 330]
        boxes.append({"answer": name, "left": bx, "top": by,
                      "standsBy": "the landing place at the %s, %s" % (side, SITE_PLACES[name])})
        texts.append(text(SITE_PLACES[name], note, 12, align="center"))
    starts = [[600 + 3800 * (i % 3), 7000 + 450 * (i // 3)] for i in range(6)]
    return {
        "format": 1, "screen": "landingsLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": w, "height": h, "points": 11.25},
        "title": {"rect": [240, 120, 5000, 705], "points": 27.75, "align": "left"},
        "texts": texts, "lines": lines,
        "pictures": [{"path": "Images\\landingsites.jpg", "rect": [left, top, size, size], "stretched": False}],
        "boxes": boxes,
        "starts": [starts[k] for k in common.HOME_ORDER],
    }


def main():
    activities = {"continents order": oceans_order(), "continents label": continents_label(),
                  "landings order": LANDINGS_ORDER, "landings label": landings_label()}
    topics = {
        "Continents and Oceans": topic("continents", "Continents and Oceans", "#06102e", "#0000c0",
                                       "worldmap.jpg", "worldmapsm.jpg", "continents"),
        "The Moon Landings": topic("landings", "The Moon Landings", "#000000", "#0000c0",
                                   "moonlanding.jpg", "moonlandingsm.jpg", "landings"),
    }
    common.write_all(topics, activities)


if __name__ == "__main__":
    main()
