"""Simplified drawings of the program's screens for the teachers' guide.
The main menu is drawn from the menu screen's own layout (in twips); the
others show only what the guide's text talks about."""

import diagrams

NAVY = (20, 30, 90)
BUTTON = (250, 250, 235)
GREYED = (150, 150, 165)
YELLOW = (255, 230, 60)
INK = (30, 30, 40)

MENU_ITEMS = [  # caption, left, top, width, height (twips), open in this title
    ("Teachers' Guide", 120, 1320, 3075, 495, True), ("Introduction", 120, 2400, 3195, 375, True),
    ("The Sun and other Stars", 120, 3120, 3195, 375, True),
    ("The Solar System", 120, 3840, 3195, 375, False),
    ("Orbits and Gravitation", 120, 4560, 3195, 375, False), ("The Tides", 120, 5280, 3195, 375, True),
    ("Continents and Oceans", 120, 6000, 3195, 375, False), ("Life on Earth", 3480, 2400, 3195, 375, True),
    ("Time and the Seasons", 3480, 3120, 3195, 375, False),
    ("The Phases of the Moon", 3480, 3840, 3195, 375, False), ("Eclipses", 3480, 4560, 3195, 375, False),
    ("Sunspots and the Aurora", 3480, 5280, 3195, 375, False),
    ("The Moon Landings", 3480, 6000, 3195, 375, False),
    ("Multiple Choice Wizard", 7080, 5760, 4635, 495, True),
    ("Worksheet Catalogue", 7080, 6600, 4635, 495, True), ("Acknowledgments", 120, 7920, 3075, 495, True),
    ("Exit", 10560, 7920, 1245, 495, True),
]


def window(d, w, h, title):
    d.keep_colors = True
    d.style((235, 235, 240), (90, 90, 110), 0.01)
    d.rect(0, 0, w, h, 0.04)
    d.style(NAVY, None)
    d.rect(0.02, 0.02, w - 0.02, h - 0.02, 0.03)
    if title:
        d.label(0.1, 0.17, title, 8, True, YELLOW, align="left")


def main_menu(d):
    """3.1 x 2.25 in."""
    s = 3.1 / 12000
    window(d, 3.1, 8700 * s, None)
    d.label(0.1, 0.2, "Corvella", 11, True, YELLOW, align="left")
    for i, caption in enumerate(("Sound On", "Sound Off")):
        y = (120 + 360 * i + 130) * s
        d.style(WHITE if i == 0 else None, WHITE, 0.01)
        d.ellipse(10200 * s, y, 0.025, 0.025)
        d.label(10200 * s + 0.05, y + 0.025, caption, 5.5, False, WHITE, align="left")
    d.style((10, 10, 20), (120, 120, 140), 0.005)
    d.rect(6960 * s, 1080 * s, (6960 + 4815) * s, (1080 + 3615) * s)
    diagrams.earth(d, (6960 + 2400) * s, 2500 * s, 0.28)
    for caption, l, t, w, h, live in MENU_ITEMS:
        d.style(BUTTON if live else GREYED, None)
        d.rect(l * s, t * s, (l + w) * s, (t + h) * s, 0.02)
        if live:  # the greyed topics stay blank: their names would not fit this small
            d.label((l + w / 2) * s, (t + h / 2) * s + 0.03, caption, 5.5, False, INK)


WHITE = (255, 255, 255)


def quiz(d):
    """3.3 x 1.6 in: one question of the quiz."""
    window(d, 3.3, 1.6, "Multiple Choice")
    d.label(0.15, 0.42, "Which star is closest to the Earth?", 8, False, WHITE, align="left")
    for i, option in enumerate(("The Sun", "The Moon", "The North Star", "Mars")):
        y = 0.62 + i * 0.18
        d.style(YELLOW if i == 0 else None, WHITE, 0.01)
        d.ellipse(0.3, y, 0.04, 0.04)
        d.label(0.42, y + 0.04, option, 8, False, YELLOW, align="left")
    d.style((0, 0, 0), YELLOW, 0.005)
    d.rect(2.05, 1.3, 3.15, 1.5)
    d.label(2.6, 1.44, "Next Question >>", 7, True, YELLOW)


def labelling(d):
    """3.3 x 1.35 in: a label dragged onto a picture."""
    window(d, 3.3, 1.35, "Labelling Activity")
    diagrams.sun(d, 0.75, 0.8, 0.38)
    d.style(WHITE, (90, 90, 110), 0.01)
    d.rect(1.3, 0.52, 2.0, 0.7)
    d.style(None, WHITE, 0.01)
    d.line([(1.1, 0.68), (1.3, 0.61)])
    d.style((255, 240, 150), (160, 120, 0), 0.01)
    d.rect(2.35, 0.95, 3.15, 1.15)
    d.label(2.75, 1.1, "red giant", 7, True, INK)
    diagrams.arrow(d, 2.35, 1.0, 1.75, 0.75, YELLOW, 0.015, 0.06)
    d.label(2.75, 0.62, "drag the label", 7, False, WHITE)
    d.label(2.75, 0.76, "into its box", 7, False, WHITE)


def wizard(d):
    """3.3 x 1.95 in: one question being written in the Wizard."""
    window(d, 3.3, 1.95, "Multiple Choice Wizard")
    fields = (("Title", "Our Moon quiz", 0.38), ("Question 1", "What lights up the Moon?", 0.62))
    for name, text, y in fields:
        d.label(0.12, y, name, 7, True, WHITE, align="left")
        d.style(WHITE, None)
        d.rect(0.85, y - 0.13, 3.15, y + 0.05)
        d.label(0.9, y, text, 7, False, INK, align="left")
    for i, option in enumerate(("The Earth", "The Sun", "Street lamps", "Stars")):
        y = 0.86 + i * 0.2
        d.style(WHITE, None)
        d.rect(0.85, y - 0.13, 2.6, y + 0.04)
        d.label(0.9, y, option, 7, False, INK, align="left")
        d.label(0.12, y, "Option " + "ABCD"[i], 7, True, WHITE, align="left")
        d.style(WHITE, None)
        d.rect(2.72, y - 0.13, 2.88, y + 0.03)
        if i == 1:
            d.style(None, (0, 140, 0), 0.025)
            d.line([(2.74, y - 0.05), (2.79, y), (2.87, y - 0.14)])
    d.label(3.02, 0.81, "right", 6, True, WHITE)
    d.style((0, 0, 0), YELLOW, 0.005)
    d.rect(2.05, 1.68, 3.15, 1.87)
    d.label(2.6, 1.82, "Save Worksheet", 7, True, YELLOW)


def catalogue(d):
    """3.3 x 1.6 in: a page of the catalogue."""
    window(d, 3.3, 1.6, "Worksheet Catalogue")
    titles = ["Our Moon quiz", "Tides test", "Planets", "Class 4 stars", "Rocks", "Light"]
    for i in range(24):
        col, row = i // 8, i % 8
        x, y = 0.12 + col * 1.06, 0.3 + row * 0.155
        d.style(YELLOW if i == 1 else BUTTON, None)
        d.rect(x, y, x + 1.0, y + 0.13)
        if i < len(titles):
            d.label(x + 0.05, y + 0.1, titles[i], 6, False, INK, align="left")
