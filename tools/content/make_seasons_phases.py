#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the topic files of "Time and the Seasons" and "The Phases of the
Moon" and their four activity files (media/topics, media/activities;
format in media/README.md), with the same checks and the same safe writing
as make_eclipses_sunspots.py. The labelling screens' boxes are placed by
the geometry of their pictures (tools/media/seasons.py and moonphases.py).
Run: python3 make_seasons_phases.py"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "media"))
import make_eclipses_sunspots as shared  # noqa: E402
import moonphases  # noqa: E402  (the Moon's path picture)
import seasons  # noqa: E402  (the Earth's path picture)
from make_eclipses_sunspots import SCREEN_BLUE, instruction, text, topic  # noqa: E402

MEDIA = shared.MEDIA

SEASONS_ORDER = shared.ordering(
    "seasonsOrderScreen",
    "Put these lengths of time in order, from the shortest to the longest.",
    [("An hour", "1 of 6, the shortest"),
     ("A day: the Earth spins once", "2 of 6"),
     ("A week: 7 days", "3 of 6"),
     ("The Moon's phases: 29\u00bd days", "4 of 6"),
     ("A season: about 3 months", "5 of 6"),
     ("A year: once round the Sun", "6 of 6, the longest")],
    [text("A day, a month and a year come from the sky: the Earth's spin, the Moon's phases and "
          "the Earth's journey round the Sun.", [240, 4300, 11355, 600], 14.25)])

# The eight phases start from these homes (two rows of four), in an order
# that does not give the answer away.
PHASE_HOME_ORDER = [5, 2, 7, 0, 3, 6, 1, 4]


def phases_order():
    """The eight phases through a month along a line, numbered 1 to 8."""
    names = ["New Moon", "Waxing crescent", "First quarter", "Waxing gibbous", "Full Moon",
             "Waning gibbous", "Last quarter", "Waning crescent"]
    width, height, gap = 1335, 975, 100
    boxes, lines, texts = [], [[240, 3720, 11595, 3720]], [
        text("Put the Moon's phases in order through one month, starting at new Moon.",
             [3720, 120, 8000, 1500], 20.25, "#00ff00"),
        instruction([120, 7920, 3120, 705]),
        text("From one new Moon to the next takes about 29\u00bd days. Watch the Moon change "
             "with an adult.", [240, 4300, 11355, 600], 14.25),
    ]
    for i, answer in enumerate(names):
        left = 240 + i * (width + gap)
        where = "the first" if i == 0 else "the last" if i == 7 else ""
        boxes.append({"answer": answer, "left": left, "top": 2400,
                      "standsBy": ("phase %d of 8, %s" % (i + 1, where)).rstrip(", ")})
        centre = left + width // 2
        lines.append([centre, 3375, centre, 3720])
        texts.append(text(str(i + 1), [left, 3840, width, 400], 15.75, font="Tahoma", bold=True))
    places = [[600 + 2760 * (i % 4), 5000 + 1100 * (i // 4)] for i in range(8)]
    return {
        "format": 1, "screen": "phasesOrderScreen", "kind": "ordering", "background": "#273783",
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [120, 120, 3465, 1185], "points": 24, "align": "center"},
        "texts": texts, "lines": lines, "pictures": [], "boxes": boxes,
        "starts": [places[k] for k in PHASE_HOME_ORDER],
    }


def seasons_label():
    """The Earth's path round the Sun (tools/media/seasons.py): a box by
    each of the four Earths and one by the Sun."""
    width, height = 1755, 600
    left, top = 240, 1000  # the picture's place

    def at(px, py):  # a box's top left corner px, py pixels into the picture
        return left + px * 15, top + py * 15

    boxes = []
    for answer, (px, py), stands_by in (
            ("June solstice", (2, 212), "the Earth on the left, its north leaning to the Sun"),
            ("December solstice", (481, 212), "the Earth on the right, its south leaning to the Sun"),
            ("March equinox", (345, 8), "the Earth on the far side of the path"),
            ("September equinox", (345, 282), "the Earth on the near side of the path"),
            ("The Sun", (150, 185), "the middle of the path")):
        x, y = at(px, py)
        boxes.append({"answer": answer, "left": x, "top": y, "standsBy": stands_by})
    return {
        "format": 1, "screen": "seasonsLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [240, 120, 5200, 705], "points": 27.75, "align": "left"},
        "texts": [
            text("Label the Sun and the Earth at the two solstices and the two equinoxes.",
                 [5520, 120, 6240, 705], 16, bold=True, align="left"),
            text("June: the north leans towards the Sun. Summer in the north, winter in the south.",
                 [240, 6150, 5400, 900], 14.25, align="left"),
            text("December: the south leans towards the Sun. Summer in the south, winter in the "
                 "north.", [5880, 6150, 5400, 900], 14.25, align="left"),
            text("The Earth's axis always leans the same way. Seen from above the north side of the "
                 "path; not to scale.", [240, 7080, 11000, 600], 12, align="left"),
        ],
        "lines": [],
        "pictures": [{"path": "Images\\seasonsorbit.jpg",
                      "rect": [left, top, seasons.ORBIT_W * 15, seasons.ORBIT_H * 15],
                      "stretched": False}],
        "boxes": boxes,
        "starts": [[9600, 1000 + 700 * k] for k in (3, 0, 4, 2, 1)],
    }


def phases_label():
    """The Moon's path seen from above the North Pole
    (tools/media/moonphases.py): boxes by the four main phases' pictures,
    the Earth and the sunlight."""
    width, height = 2100, 375
    left, top = 240, 900

    def at(px, py):
        return left + px * 15, top + py * 15

    boxes = []
    for answer, (px, py), stands_by in (
            ("New Moon", (40, 254), "the Moon between the Earth and the Sun"),
            ("First quarter", (335, 378), "the Moon below the Earth, a quarter of the way round"),
            ("Full Moon", (420, 254), "the Moon on the far side of the Earth from the Sun"),
            ("Last quarter", (335, 38), "the Moon above the Earth, three quarters of the way round"),
            ("The Earth", (230, 262), "the middle of the Moon's path"),
            ("Sunlight", (0, 20), "the arrows on the left")):
        x, y = at(px, py)
        boxes.append({"answer": answer, "left": x, "top": y, "standsBy": stands_by})
    return {
        "format": 1, "screen": "phasesLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [240, 120, 8400, 705], "points": 27.75, "align": "left"},
        "texts": [
            text("Label the Earth, the sunlight and the Moon at its four main phases.",
                 [8880, 900, 2880, 1400], 14.25, bold=True, align="left"),
            text("Seen from far above the North Pole. The Sun always lights the half of the Moon "
                 "that faces it.", [8880, 2340, 2880, 1300], 12, align="left"),
            text("The round pictures show how the Moon looks from the north. Not to scale.",
                 [8880, 3660, 2880, 900], 12, align="left"),
        ],
        "lines": [],
        "pictures": [{"path": "Images\\moonorbit.jpg",
                      "rect": [left, top, moonphases.ORBIT_W * 15, moonphases.ORBIT_H * 15],
                      "stretched": False}],
        "boxes": boxes,
        "starts": [[9480, 4680 + 520 * k] for k in (4, 0, 5, 2, 1, 3)],
    }


def main():
    activities = {"seasons order": SEASONS_ORDER, "seasons label": seasons_label(),
                  "phases order": phases_order(), "phases label": phases_label()}
    topics = {
        "Time and the Seasons": topic("seasons", "Time and the Seasons", "#06102c", "#0000c0",
                                      "seasons.jpg", "seasonssm.jpg", "seasons"),
        "The Phases of the Moon": topic("phases", "The Phases of the Moon", "#080c28", "#0000c0",
                                        "moonphases.jpg", "phasessm.jpg", "phases"),
    }
    shared.write_all(topics, activities)


if __name__ == "__main__":
    main()
