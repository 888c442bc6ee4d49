#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the topic files of "Eclipses" and "Sunspots and the Aurora" and
their four activity files (media/topics, media/activities; format in
media/README.md). Before writing it checks each activity's layout: boxes
that do not overlap, labels whose text fits, everything inside the
window's client area and clear of the screen's three buttons.
Run: python3 make_eclipses_sunspots.py"""

import json
import os
import sys
import tempfile
from pathlib import Path

from PIL import ImageFont

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "media"))
import sunspots  # noqa: E402  (the labelling picture's geometry)

MEDIA = Path(__file__).resolve().parent.parent.parent / "media"
CLIENT_W, CLIENT_H = 11910, 8655
# The activity screens' buttons (Start Again, Check Score, Exit) with the
# ring drawn round the focused one, and the keyboard hint under them
# (left, top, width, height).
BUTTONS = [(3360, 7920, 2565, 735), (6000, 7920, 2565, 735), (10560, 7920, 1245, 735),
           (0, 8415, 11910, 240)]
SCREEN_BLUE = "#00339a"
# Labels are Tahoma bold; DejaVu Sans Bold is a little wider, so a text that
# fits in it fits on the screen.
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


# Label i starts at home HOME_ORDER[i], so reading the labels from the top
# left does not give the answer away.
HOME_ORDER = [4, 0, 5, 2, 1, 3]


def homes(places):
    return [places[k] for k in HOME_ORDER]


def topic(screen, title, background, highlight, picture, thumb, stem):
    return {
        "format": 1,
        "screen": screen + "Screen",
        "title": title,
        "titleHeight": 780,
        "background": background,
        "highlight": highlight,
        "picture": {"path": "Images\\" + picture, "left": 0, "top": 0, "centred": False},
        "questionFile": "multiple\\%s.txt" % title,
        "quizPicture": "images\\" + thumb,
        "keyFacts": {"pages": 3, "stem": "key " + stem},
        "teachersNotes": {"pages": 2, "stem": stem},
        "ordering": "activities\\%s order.json" % stem,
        "labelling": "activities\\%s label.json" % stem,
    }


def text(words, rect, points=12, colour="#ffff00", font="Times New Roman", bold=False, align="center"):
    return {"text": words, "rect": rect, "font": font, "points": points, "bold": bold,
            "colour": colour, "align": align}


def instruction(rect):
    return text("Drag the labels into the correct boxes.", rect, 12, "#80ffff", "Tahoma", True)


def ordering(screen, heading, steps, captions):
    """Six steps in order along a line, numbered 1 to 6 below it."""
    width, height, gap = 1755, 975, 165
    boxes, lines, texts = [], [[240, 3720, 11595, 3720]], [
        text(heading, [3720, 120, 8000, 1500], 20.25, "#00ff00"),
        instruction([120, 7920, 3120, 705]),
    ]
    for i, (answer, stands_by) in enumerate(steps):
        left = 240 + i * (width + gap)
        boxes.append({"answer": answer, "left": left, "top": 2400, "standsBy": stands_by})
        centre = left + width // 2
        lines.append([centre, 3375, centre, 3720])
        texts.append(text(str(i + 1), [left, 3840, width, 400], 15.75, font="Tahoma", bold=True))
    texts += captions
    return {
        "format": 1, "screen": screen, "kind": "ordering", "background": "#273783",
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [120, 120, 3465, 1185], "points": 24, "align": "center"},
        "texts": texts, "lines": lines, "pictures": [], "boxes": boxes,
        "starts": homes([[600 + 3480 * (i % 3), 5000 + 1100 * (i // 3)] for i in range(6)]),
    }


ECLIPSES_ORDER = ordering(
    "eclipsesOrderScreen",
    "Put the stages of a total eclipse of the Moon in order, from first to last.",
    [("The full Moon shines brightly.", "stage 1 of 6, the first"),
     ("A dark bite appears on one edge.", "stage 2 of 6"),
     ("Only a thin bright edge is left.", "stage 3 of 6"),
     ("The whole Moon glows red.", "stage 4 of 6"),
     ("A bright edge comes back.", "stage 5 of 6"),
     ("The full Moon shines again.", "stage 6 of 6, the last")],
    [text("The Moon passes through the Earth's shadow. It takes a few hours, and it is safe to "
          "watch, with an adult.", [240, 4300, 11355, 600], 14.25)])

SUNSPOTS_ORDER = ordering(
    "sunspotsOrderScreen",
    "Put the steps from a solar storm to an aurora in order, from first to last.",
    [("Magnetism twists near sunspots.", "step 1 of 6, on the Sun"),
     ("A giant cloud of gas bursts out.", "step 2 of 6, on the Sun"),
     ("The cloud crosses space.", "step 3 of 6, in space, 1 to 3 days"),
     ("It reaches the Earth's magnetism.", "step 4 of 6, at the Earth"),
     ("Bits pour in near the poles.", "step 5 of 6, at the Earth"),
     ("The air glows: an aurora!", "step 6 of 6, at the Earth")],
    [text("On the Sun", [240, 4300, 3675, 400], 14.25),
     text("In space: 1 to 3 days", [3600, 4300, 2955, 400], 14.25),
     text("At the Earth", [6000, 4300, 5595, 400], 14.25),
     text("Never look at the Sun. Watch for an aurora at night, with an adult.",
          [3360, 7260, 8400, 500], 14.25)])


def eclipses_label():
    """The solar and the lunar eclipse, one row each (pictures 7200 x 2100
    twips): the eclipses' names, the bodies of the solar eclipse in their
    order, and the Earth's shadow in the lunar one."""
    width, height = 2100, 375
    left, solar_top, lunar_top = 2400, 1000, 3950

    def under(px, top):  # a box centred under a body px pixels into a row picture
        return left + px * 15 - width // 2, top + 2100 + 60

    boxes = []
    for answer, (x, y), stands_by in (
            ("Solar eclipse", (240, solar_top + 860), "the name of the top picture"),
            ("Lunar eclipse", (240, lunar_top + 860), "the name of the bottom picture"),
            ("The Sun", under(70, solar_top), "the body on the left of the top picture"),
            ("The Moon", under(250, solar_top), "the body in the middle of the top picture"),
            ("The Earth", under(400, solar_top), "the body on the right of the top picture"),
            ("Earth's shadow", under(320, lunar_top), "the dark shadow in the bottom picture")):
        boxes.append({"answer": answer, "left": x, "top": y, "standsBy": stands_by})
    return {
        "format": 1, "screen": "eclipsesLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [240, 120, 3200, 705], "points": 27.75, "align": "left"},
        "texts": [
            text("Name each eclipse. Then label the Sun, the Moon, the Earth and the Earth's shadow.",
                 [3600, 120, 8100, 705], 16, bold=True, align="left"),
            text("The Moon's shadow falls on the Earth. Never look at the Sun, even in an eclipse! "
                 "Use only eclipse glasses or a pinhole, with an adult.",
                 [9720, solar_top, 2040, 3150], 14.25),
            text("The Moon moves into the Earth's shadow and glows red.",
                 [9720, lunar_top + 300, 2040, 1500], 14.25),
            text("Not to scale.", [9720, 6300, 2040, 400], 14.25),
        ],
        "lines": [],
        "pictures": [
            {"path": "Images\\solareclipse.jpg", "rect": [left, solar_top, 7200, 2100], "stretched": False},
            {"path": "Images\\lunareclipse.jpg", "rect": [left, lunar_top, 7200, 2100], "stretched": False},
        ],
        "boxes": boxes,
        "starts": homes([[1200 + 3600 * (i % 3), 6840 + 540 * (i // 3)] for i in range(6)]),
    }


def sunspots_label():
    """The Sun cut open (tools/media/sunspots.py draws it with the start of
    each pointer line): each layer's box at its right, the line carried on
    to it, and a few words about the layer beside the box."""
    width, height = 2280, 375
    left, top = 240, 1300  # the picture's place
    edge = left + sunspots.LAYERS_SIZE * 15

    def at(name):
        x, y = sunspots.LAYER_POINTS[name]
        return left + x * 15, top + y * 15

    layers = (("Corona", at("Corona"), "The Sun's thin outer air: over a million \u00b0C."),
              ("Photosphere", at("Photosphere"), "The bright surface we see: about 5,500 \u00b0C."),
              ("Core", at("Core"), "The middle, about 15 million \u00b0C. The energy is made here."),
              ("Radiative zone", at("Radiative zone"), "Energy slowly works its way out."),
              ("Convective zone", at("Convective zone"), "Hot gas rises and cooler gas sinks."))
    boxes, lines, texts = [], [], [
        text("Label the layers of the Sun, from its core out to its corona.",
             [4800, 900, 7000, 500], 16, bold=True, align="left"),
        text("The Sun is drawn cut open, not to scale. Never look at the Sun!",
             [6000, 5500, 5700, 700], 14.25),
        text("A cooler, darker patch.", [2460, 900, 2200, 400], 14.25, align="left"),
    ]
    for answer, (_, py), about in layers:
        box_top = py - height // 2
        boxes.append({"answer": answer, "left": 6000, "top": box_top,
                      "standsBy": "the layer described as \"%s\"" % about})
        lines.append([edge, py, 6000, py])
        texts.append(text(about, [8400, box_top - 60, 3450, 560], 12, align="left"))
    boxes.append({"answer": "Sunspot", "left": 240, "top": 900,
                  "standsBy": "the dark patches on the Sun's surface"})
    sx, sy = sunspots.SUNSPOT_EDGE
    lines.append([left + sx * 15, top + sy * 15 - 25, left + sx * 15, top + sy * 15])
    return {
        "format": 1, "screen": "sunspotsLabelScreen", "kind": "labelling", "background": SCREEN_BLUE,
        "label": {"width": width, "height": height, "points": 11.25},
        "title": {"rect": [240, 120, 11400, 705], "points": 27.75, "align": "left"},
        "texts": texts, "lines": lines,
        "pictures": [{"path": "Images\\sunlayers.jpg", "rect": [left, top, edge - left, edge - left],
                      "stretched": False}],
        "boxes": boxes,
        "starts": homes([[240 + 2340 * (i % 3), 6240 + 600 * (i // 3)] for i in range(6)]),
    }


def overlaps(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def check(name, a):
    """Raises ValueError naming what is wrong with activity `a`."""
    w, h, pts = a["label"]["width"], a["label"]["height"], a["label"]["points"]
    boxes = [(b["left"], b["top"], w, h) for b in a["boxes"]]
    homes = [(x, y, w, h) for x, y in a["starts"]]
    if not 4 <= len(boxes) <= 8 or len(homes) != len(boxes):
        raise ValueError("%s: %d boxes and %d homes" % (name, len(boxes), len(homes)))
    answers = [b["answer"] for b in a["boxes"]]
    if len(set(answers)) != len(answers):
        raise ValueError("%s: two labels share a text" % name)
    rects = boxes + homes
    for i, r in enumerate(rects):
        if r[0] < 0 or r[1] < 0 or r[0] + r[2] > CLIENT_W or r[1] + r[3] > CLIENT_H:
            raise ValueError("%s: %s leaves the window" % (name, r))
        if any(overlaps(r, button) for button in BUTTONS):
            raise ValueError("%s: %s covers a button" % (name, r))
        if any(overlaps(r, other) for other in rects[i + 1:]):
            raise ValueError("%s: %s overlaps another box or home" % (name, r))
    font = ImageFont.truetype(LABEL_FONT, int(pts * 20))
    line_height = pts * 20 * 1.25
    for answer in answers:
        lines, line = 1, ""
        for word in answer.split():
            trial = (line + " " + word).strip()
            if font.getlength(trial) > w - 60 and line:
                lines, line = lines + 1, word
            else:
                line = trial
        if lines * line_height > h:
            raise ValueError("%s: %r needs %d lines in its label" % (name, answer, lines))


def write_json(path, data):
    """Writes the file whole beside the old one, then puts it in its place,
    so a failure half-way leaves the old file as it was."""
    fd, tmp = tempfile.mkstemp(dir=path.parent, suffix=".tmp")
    try:
        with os.fdopen(fd, "w", encoding="utf-8") as f:
            json.dump(data, f, indent=2, ensure_ascii=False)
            f.write("\n")
            f.flush()
            os.fsync(f.fileno())
        os.replace(tmp, path)
    except BaseException:
        os.unlink(tmp)
        raise


def write_all(topics, activities):
    """Checks every activity's layout, then writes the activity and topic
    files; writes nothing if a layout is refused."""
    try:
        for name, a in activities.items():
            check(name, a)
    except ValueError as error:
        sys.exit(str(error))
    for folder, files in (("activities", activities), ("topics", topics)):
        (MEDIA / folder).mkdir(exist_ok=True)
        for name, data in files.items():
            write_json(MEDIA / folder / (name + ".json"), data)
    print("wrote %d topic and %d activity files" % (len(topics), len(activities)))


def main():
    activities = {"eclipses order": ECLIPSES_ORDER, "eclipses label": eclipses_label(),
                  "sunspots order": SUNSPOTS_ORDER, "sunspots label": sunspots_label()}
    topics = {
        "Eclipses": topic("eclipses", "Eclipses", "#080c28", "#0000c0", "eclipse.jpg",
                          "eclipsesm.jpg", "eclipses"),
        "Sunspots and the Aurora": topic("sunspots", "Sunspots and the Aurora", "#04081a",
                                         "#0000c0", "aurora.jpg", "aurorasm.jpg", "sunspots"),
    }
    write_all(topics, activities)


if __name__ == "__main__":
    main()
