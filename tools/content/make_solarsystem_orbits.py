#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the topic files of "The Solar System" and "Orbits and
Gravitation" and their four activity files (media/topics,
media/activities; format in media/README.md), after the same layout check
as the other topics' files (make_eclipses_sunspots.check).
Run: python3 make_solarsystem_orbits.py"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "media"))
import solarsystem  # noqa: E402  (the labelling pictures' geometry)
from make_eclipses_sunspots import (SCREEN_BLUE, homes, instruction, ordering, text,  # noqa: E402
                                    topic, write_all)

# Eight labels start at these homes, in an order that does not give the
# answer away when they are read from the top left.
EIGHT_HOMES = [5, 2, 7, 0, 3, 6, 1, 4]


def planets_order():
    """The eight planets in order from the Sun, along a line."""
    width, height, gap, top = 1300, 600, 135, 2700
    planets = [("Mercury", "the planet closest to the Sun"), ("Venus", "the 2nd planet from the Sun"),
               ("Earth", "the 3rd planet from the Sun"), ("Mars", "the 4th planet from the Sun"),
               ("Jupiter", "the 5th planet from the Sun"), ("Saturn", "the 6th planet from the Sun"),
               ("Uranus", "the 7th planet from the Sun"), ("Neptune", "the planet furthest from the Sun")]
    boxes, lines = [], [[240, top + height + 345, 11670, top + height + 345]]
    texts = [text("Put the planets in order, from the one closest to the Sun to the one furthest away.",
                  [3720, 120, 8000, 1100], 20.25, "#00ff00"),
             instruction([120, 7920, 3120, 705])]
    for i, (answer, stands_by) in enumerate(planets):
        left = 240 + i * (width + gap)
        boxes.append({"answer": answer, "left": left, "top": top, "standsBy": stands_by})
        centre = left + width // 2
        lines.append([centre, top + height, centre, top + height + 345])
        texts.append(text(str(i + 1), [left, top + height + 465, width, 400], 15.75, font="Tahoma", bold=True))
    texts += [text("\u2190 closest to the Sun", [240, 2100, 4000, 450], 14.25, align="left"),
              text("furthest from the Sun \u2192", [7670, 2100, 4000, 450], 14.25, align="right"),
              text("Planets shine because sunlight falls on them. Watch for them at night, with an adult.",
                   [240, 4500, 11430, 450], 14.25)]
    places = [[600 + 2800 * (i % 4), 5250 + 1000 * (i // 4)] for i in range(8)]
    return {
        "format": 1, "screen": "solarSystemOrderScreen", "kind": "ordering", "background": "#273783",
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [120, 120, 3465, 1185], "points": 24, "align": "center"},
        "texts": texts, "lines": lines, "pictures": [], "boxes": boxes,
        "starts": [places[k] for k in EIGHT_HOMES],
    }


def planets_label():
    """The Sun, the planets and the asteroid belt in a row (the picture
    draws each pointer line from its body to the picture's edge; the file
    carries it on to the box), with clues that teach which is which."""
    width, height = 1900, 375
    left, top = 255, 1500
    pw, ph = solarsystem.ROW_W * 15, solarsystem.ROW_H * 15
    described = {"The Sun": "the star on the left", "Earth": "the third planet from the Sun",
                 "Asteroid belt": "the band of rocks between Mars and Jupiter",
                 "Jupiter": "the biggest planet", "Saturn": "the planet with the brightest rings",
                 "Neptune": "the planet furthest from the Sun"}
    boxes, lines = [], []
    for answer, (x, _) in solarsystem.ROW_POINTS.items():
        px = left + x * 15
        box_left = min(max(px - width // 2, 240), 11910 - 240 - width)
        if answer in solarsystem.ROW_UP:
            box_top = top - 60 - height
            lines.append([px, box_top + height, px, top])
        else:
            box_top = top + ph + 60
            lines.append([px, top + ph, px, box_top])
        boxes.append({"answer": answer, "left": box_left, "top": box_top, "standsBy": described[answer]})
    texts = [
        text("Label the Sun, the Earth, the asteroid belt and three giant planets.",
             [4800, 300, 6900, 500], 16, bold=True, align="left"),
        text("Clues: the Earth is the third planet. The asteroid belt lies between Mars and Jupiter. "
             "Jupiter is the biggest planet. Saturn has the brightest rings. Neptune is furthest "
             "from the Sun.", [240, 4700, 11430, 1000], 14.25, align="left"),
        text("Not to scale: the real planets are far smaller and far further apart. Never look at "
             "the Sun!", [240, 5700, 11430, 500], 12, "#80ffff", align="left"),
    ]
    return {
        "format": 1, "screen": "solarSystemLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [240, 120, 4400, 705], "points": 27.75, "align": "left"},
        "texts": texts, "lines": lines,
        "pictures": [{"path": "Images\\planetrow.jpg", "rect": [left, top, pw, ph], "stretched": False}],
        "boxes": boxes,
        "starts": homes([[1200 + 3600 * (i % 3), 6300 + 600 * (i // 3)] for i in range(6)]),
    }


ORBITS_ORDER = ordering(
    "orbitsOrderScreen",
    "Which takes the shortest time to go round once? Put them in order, from shortest to longest.",
    [("The space station", "trip 1 of 6, the shortest: about 90 minutes round the Earth"),
     ("The Moon", "trip 2 of 6: about 27 days round the Earth"),
     ("Mercury", "trip 3 of 6: 88 days round the Sun"),
     ("The Earth", "trip 4 of 6: 365 days round the Sun"),
     ("Mars", "trip 5 of 6: 687 days round the Sun"),
     ("Neptune", "trip 6 of 6, the longest: about 165 years round the Sun")],
    [text("shortest", [240, 4300, 1755, 400], 14.25),
     text("longest", [9840, 4300, 1755, 400], 14.25),
     text("The space station and the Moon go round the Earth. The planets go round the Sun: "
          "the further out, the longer they take.", [2160, 4300, 7500, 650], 14.25)])


def orbits_label():
    """The Sun, the Earth on its path and the Moon on its own path round
    the Earth, with the Sun's pull on the Earth."""
    width, height = 1800, 375
    left, top = 240, 1000
    pw, ph = solarsystem.OL_W * 15, solarsystem.OL_H * 15
    second_row = {"Earth's path", "Sun's pull"}  # below the first row's boxes, clear of their lines
    described = {"The Sun": "the star in the middle", "The Earth": "the planet on the big path",
                 "The Moon": "the small world going round the Earth",
                 "Earth's path": "the big loop round the Sun", "Moon's path": "the small loop round the Earth",
                 "Sun's pull": "the red arrow from the Earth towards the Sun"}
    boxes, lines = [], []
    for answer, (x, y) in solarsystem.OL_POINTS.items():
        px, py = left + x * 15, top + y * 15
        edge = solarsystem.OL_EDGES[answer]
        if edge == "right":
            box = (left + pw + 60, py - height // 2)
            lines.append([left + pw, py, box[0], py])
        elif edge == "top":
            box = (px - width // 2, top - 60 - height)
            lines.append([px, box[1] + height, px, top])
        else:
            box = (px - width // 2, top + ph + 60 + (450 if answer in second_row else 0))
            lines.append([px, top + ph, px, box[1]])
        boxes.append({"answer": answer, "left": box[0], "top": box[1], "standsBy": described[answer]})
    texts = [
        text("Label the Sun, the Earth, the Moon, their paths and the pull of the Sun's gravity.",
             [9360, 1000, 2400, 2100], 14.25, bold=True, align="left"),
        text("Not to scale. Never look at the Sun!", [9360, 5000, 2400, 900], 14.25, align="left"),
    ]
    return {
        "format": 1, "screen": "orbitsLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [240, 120, 5800, 705], "points": 27.75, "align": "left"},
        "texts": texts, "lines": lines,
        "pictures": [{"path": "Images\\orbitlabel.jpg", "rect": [left, top, pw, ph], "stretched": False}],
        "boxes": boxes,
        "starts": homes([[240 + 3000 * (i % 3), 6950 + 450 * (i // 3)] for i in range(6)]),
    }


def main():
    activities = {"solarsystem order": planets_order(), "solarsystem label": planets_label(),
                  "orbits order": ORBITS_ORDER, "orbits label": orbits_label()}
    topics = {
        "The Solar System": topic("solarSystem", "The Solar System", "#02040f", "#0000c0",
                                  "solarsystem.jpg", "solarsystemsm.jpg", "solarsystem"),
        "Orbits and Gravitation": topic("orbits", "Orbits and Gravitation", "#02040f", "#0000c0",
                                        "orbits.jpg", "orbitssm.jpg", "orbits"),
    }
    write_all(topics, activities)


if __name__ == "__main__":
    main()
