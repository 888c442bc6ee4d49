# SPDX-License-Identifier: GPL-3.0-or-later
"""Simplified drawings of the program's screens for the teachers' guide.
The main menu is drawn from the menu screen's own layout (in twips); the
others keep the arrangement of their screens but show only what the guide's
text talks about. Every caption is at least 11 pt on screen, so a caption
that would not fit its place at that size is drawn as a bar instead."""

import diagrams

NAVY = (39, 55, 131)
YELLOW = (255, 255, 0)
INK = (30, 30, 40)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
RED = (255, 80, 80)

MENU_ITEMS = [  # caption, left, top, width, height (twips), as the menu screen lays them out
    ("Teachers' Guide", 120, 1320, 3075, 495), ("Introduction", 120, 2400, 3195, 375),
    ("The Sun and other Stars", 120, 3120, 3195, 375), ("The Solar System", 120, 3840, 3195, 375),
    ("Orbits and Gravitation", 120, 4560, 3195, 375), ("The Tides", 120, 5280, 3195, 375),
    ("Continents and Oceans", 120, 6000, 3195, 375), ("Life on Earth", 3480, 2400, 3195, 375),
    ("Time and the Seasons", 3480, 3120, 3195, 375), ("The Phases of the Moon", 3480, 3840, 3195, 375),
    ("Eclipses", 3480, 4560, 3195, 375), ("Sunspots and the Aurora", 3480, 5280, 3195, 375),
    ("The Moon Landings", 3480, 6000, 3195, 375), ("Multiple Choice Wizard", 7080, 5760, 4635, 495),
    ("Worksheet Catalogue", 7080, 6600, 4635, 495), ("Acknowledgments", 120, 7920, 3075, 495),
    ("Exit", 10560, 7920, 1245, 495),
]


def window(d, w, h, title):
    d.keep_colors = True
    d.style((235, 235, 240), (90, 90, 110), 0.01)
    d.rect(0, 0, w, h, 0.04)
    d.style(NAVY, None)
    d.rect(0.02, 0.02, w - 0.02, h - 0.02, 0.03)
    if title:
        d.label(w / 2, 0.22, title, 11, True, YELLOW)


def caption(d, x, y, width, text, color=YELLOW, bold=False):
    """A caption centred on x with its baseline at y, or a bar where the
    caption needs more room than `width` at 11 pt."""
    if d.text_width(text, 11, bold) <= width:
        d.label(x, y, text, 11, bold, color)
    else:
        d.style(color, None)
        d.rect(x - width / 2, y - 0.07, x + width / 2, y - 0.02, 0.02)


def button(d, l, t, r, b, text):
    d.style(BLACK, YELLOW, 0.008)
    d.rect(l, t, r, b)
    d.label((l + r) / 2, b - 0.05, text, 11, True, YELLOW)


def main_menu(d):
    """3.5 x 2.54 in."""
    s = 3.5 / 12000
    window(d, 3.5, 8700 * s, None)
    d.label(10680 * s / 2, 0.24, "Corvella", 13, True, YELLOW)
    for i in range(2):  # the sound switch, top right
        y = (120 + 360 * i + 130) * s
        d.style(WHITE if i == 0 else None, WHITE, 0.01)
        d.ellipse(10500 * s, y, 0.025, 0.025)
    d.label(10300 * s, (120 + 180 + 130) * s + 0.05, "Sound", 11, True, YELLOW, align="right")
    # The earth-rise panel: black sky, the Earth and the Moon's grey horizon.
    left, top, right, bottom = 6960 * s, 1080 * s, (6960 + 4815) * s, (1080 + 3615) * s
    d.style((0, 0, 0), None)
    d.rect(left, top, right, bottom)
    diagrams.earth(d, (6960 + 2200) * s, 1900 * s, 0.09)
    d.style((150, 150, 155), None)
    d.polygon([(left, bottom)] + [(left + (right - left) * k / 20,
                                   bottom - 0.32 + 0.12 * ((k - 10) / 10.0) ** 2) for k in range(21)]
              + [(right, bottom)])
    for text, l, t, w, h in MENU_ITEMS:
        caption(d, (l + w / 2) * s, (t + h / 2) * s + 0.06, w * s - 0.04, text)


def quiz(d):
    """3.3 x 1.85 in: one question of the quiz."""
    window(d, 3.3, 1.85, "Multiple Choice")
    d.label(0.15, 0.5, "Which star is closest to the Earth?", 11, False, YELLOW, align="left")
    for i, option in enumerate(("The Sun", "The Moon", "The North Star", "Mars")):
        y = 0.72 + i * 0.2
        d.style(YELLOW if i == 0 else None, WHITE, 0.01)
        d.ellipse(0.3, y - 0.04, 0.045, 0.045)
        d.label(0.42, y, option, 11, False, YELLOW, align="left")
    button(d, 1.3, 1.5, 2.6, 1.73, "Next Question >>")
    button(d, 2.75, 1.5, 3.15, 1.73, "Exit")


def labelling(d):
    """3.3 x 1.55 in: a label dragged into the box under its picture."""
    window(d, 3.3, 1.55, "Labelling Activity")
    diagrams.sun(d, 0.7, 0.72, 0.34)
    d.style(BLACK, YELLOW, 0.008)
    d.rect(0.25, 1.16, 1.15, 1.38)
    button(d, 2.2, 1.16, 3.1, 1.38, "The Sun")
    diagrams.arrow(d, 2.15, 1.27, 1.25, 1.27, WHITE, 0.015, 0.06)
    d.label(2.65, 0.66, "drag the label", 11, False, WHITE)
    d.label(2.65, 0.84, "into its box", 11, False, WHITE)


def wizard(d):
    """3.3 x 2.15 in: the title and the first question of a worksheet."""
    window(d, 3.3, 2.15, None)
    d.label(0.1, 0.22, "Multiple Choice Wizard", 11, True, YELLOW, align="left")

    def box(l, t, r, text):
        d.style(WHITE, None)
        d.rect(l, t, r, t + 0.2)
        d.label(l + 0.04, t + 0.155, text, 11, False, INK, align="left")

    d.label(0.12, 0.55, "Worksheet Title", 11, True, YELLOW, align="left")
    box(1.3, 0.4, 3.15, "Our Moon quiz")
    d.label(0.12, 0.83, "Question 1", 11, True, YELLOW, align="left")
    box(0.12, 0.88, 3.15, "What lights up the Moon?")
    for i, option in enumerate(("The Earth", "The Sun", "Street lamps", "Stars")):
        x, y = 0.12 + (i % 2) * 1.6, 1.18 + (i // 2) * 0.27
        d.label(x, y + 0.155, "ABCD"[i] + ".", 11, True, YELLOW, align="left")
        d.style(WHITE, None)
        d.rect(x + 0.22, y + 0.03, x + 0.36, y + 0.17)
        if i == 1:
            d.style(None, (0, 140, 0), 0.025)
            d.line([(x + 0.24, y + 0.1), (x + 0.29, y + 0.15), (x + 0.35, y + 0.04)])
        box(x + 0.42, y, x + 1.5, option)
    button(d, 0.15, 1.83, 1.55, 2.05, "Save Worksheet")
    button(d, 2.6, 1.83, 3.15, 2.05, "Exit")


def catalogue(d):
    """3.3 x 2.9 in: the first page of the catalogue, two columns of 12.
    On the screen the two tick boxes share the heading's black band; here
    they stand just below it, where 11 pt captions fit."""
    window(d, 3.3, 2.9, None)
    d.style(BLACK, None)
    d.rect(0.02, 0.02, 3.28, 0.3, 0.03)
    d.label(1.65, 0.22, "Worksheets Catalogue", 11, True, YELLOW)
    for x, text, color in ((0.12, "Edit Worksheet", YELLOW), (1.75, "Delete Worksheet", RED)):
        d.style(WHITE, None)
        d.rect(x, 0.38, x + 0.13, 0.51)
        d.label(x + 0.18, 0.5, text, 11, True, color, align="left")
    titles = ["Our Moon quiz", "Tides test", "Planets", "Class 4 stars", "Rocks", "Light",
              "Plants", "Sound", "Magnets", "Forces", "Weather", "Seasons", "Materials",
              "Our bodies"]
    for i, title in enumerate(titles):
        col, row = i // 12, i % 12
        x, y = 0.12 + col * 1.56, 0.56 + row * 0.17
        d.label(x + 0.04, y + 0.13, title, 11, True, YELLOW, align="left")
    d.style(WHITE, None)
    d.rect(0.12, 2.64, 0.75, 2.84)
    d.label(0.43, 2.79, "Page 1", 11, True, (0, 0, 255))
    button(d, 2.6, 2.62, 3.15, 2.84, "Exit")
