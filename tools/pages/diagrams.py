# SPDX-License-Identifier: GPL-3.0-or-later
"""Vector diagrams for the notes pages. Each takes a layout.Drawing whose
units are screen inches from the diagram's top-left corner; on paper the
whole diagram is scaled up."""

import math

SEA = (60, 130, 220)
LAND = (70, 160, 80)
MOON = (200, 200, 205)
SUN = (255, 190, 40)
SUN_EDGE = (230, 120, 0)
DARK = (40, 40, 60)
WHITE = (255, 255, 255)
RED = (200, 40, 40)


def arrow(d, x1, y1, x2, y2, color=DARK, width=0.02, head=0.08):
    d.style(None, color, width)
    d.line([(x1, y1), (x2, y2)])
    a = math.atan2(y2 - y1, x2 - x1)
    pts = [(x2, y2),
           (x2 - head * math.cos(a - 0.45), y2 - head * math.sin(a - 0.45)),
           (x2 - head * math.cos(a + 0.45), y2 - head * math.sin(a + 0.45))]
    d.style(color, color, 0.005)
    d.polygon(pts)


def ellipse_points(cx, cy, rx, ry, n=48):
    return [(cx + rx * math.cos(2 * math.pi * i / n), cy + ry * math.sin(2 * math.pi * i / n))
            for i in range(n)]


def earth(d, cx, cy, r, bulge=0.0, angle=0.0):
    """The Earth with its ocean stretched into two bulges along `angle`."""
    if bulge:
        pts = []
        for i in range(64):
            t = 2 * math.pi * i / 64
            rr = r * 1.02 + bulge * math.cos(t - angle) ** 2
            pts.append((cx + rr * math.cos(t), cy - rr * math.sin(t)))
        d.style((120, 180, 245), SEA, 0.01)
        d.polygon(pts)
    d.style(SEA, (20, 60, 140), 0.012)
    d.ellipse(cx, cy, r, r)
    d.style(LAND, None)
    d.polygon([(cx - r * 0.5, cy - r * 0.55), (cx - r * 0.05, cy - r * 0.7), (cx + r * 0.2, cy - r * 0.3),
               (cx - r * 0.1, cy + r * 0.1), (cx - r * 0.45, cy - r * 0.05)])
    d.polygon([(cx + r * 0.15, cy + r * 0.2), (cx + r * 0.55, cy + r * 0.1), (cx + r * 0.5, cy + r * 0.6),
               (cx + r * 0.2, cy + r * 0.55)])


def moon(d, cx, cy, r):
    d.style(MOON, (120, 120, 130), 0.01)
    d.ellipse(cx, cy, r, r)
    d.style((170, 170, 178), None)
    d.ellipse(cx - r * 0.3, cy - r * 0.2, r * 0.25, r * 0.25)
    d.ellipse(cx + r * 0.3, cy + r * 0.3, r * 0.18, r * 0.18)


def sun(d, cx, cy, r):
    d.style(SUN, SUN_EDGE, 0.015)
    d.ellipse(cx, cy, r, r)


def tide_bulges(d):
    """3.2 x 1.75 in: the Earth, its two bulges, the Moon and its pull."""
    cx, cy, r = 1.05, 0.85, 0.45
    earth(d, cx, cy, r, bulge=0.22, angle=0)
    moon(d, 2.9, cy, 0.17)
    # The Moon pulls the Earth and its seas towards itself.
    arrow(d, 1.95, cy, 2.65, cy, RED)
    d.label(2.3, cy - 0.12, "pull", 11, True, RED)
    d.label(2.9, cy + 0.4, "Moon", 11, True)
    d.label(cx + r + 0.33, cy + 0.55, "high tide", 11, True)
    d.label(cx - r - 0.1, cy + 0.55, "high tide", 11, True)
    d.label(cx, 0.17, "low tide", 11, True)
    d.label(cx, 1.72, "low tide", 11, True)
    d.label(cx, cy + 0.06, "Earth", 11, True, WHITE)
    d.label(3.2, 1.72, "not to scale", 11, align="right", color=(90, 90, 100))


def spring_neap(d):
    """3.2 x 2.55 in: Sun, Earth and Moon in line (spring) and at a right
    angle (neap). The bulges always point at the Moon."""
    for row, (name, note) in enumerate((("Spring tides:", "Sun, Moon and Earth in a line"),
                                        ("Neap tides:", "the Moon at a right angle"))):
        y = 0.74 + row * 1.34
        top = y - (0.5 if row == 0 else 0.66)
        d.label(0.0, top, name, 11, True, align="left")
        d.label(3.2, top, note, 11, align="right")
        d.style(None, (150, 150, 160), 0.01)
        if row == 0:
            d.line([(0.5, y), (2.75, y)])  # ends at the full Moon
        else:
            d.line([(0.5, y), (1.9, y), (1.9, y - 0.36)])
        sun(d, 0.25, y, 0.25)
        d.label(0.25, y + 0.44, "Sun", 11)
        if row == 0:
            earth(d, 2.05, y, 0.17, bulge=0.12, angle=0)
            moon(d, 2.85, y, 0.1)
            moon(d, 1.35, y, 0.1)
            d.label(2.85, y + 0.3, "full Moon", 11)
            d.label(1.35, y + 0.3, "new Moon", 11)
            d.label(2.05, y + 0.46, "Earth", 11)
        else:
            earth(d, 1.9, y, 0.17, bulge=0.07, angle=math.pi / 2)
            moon(d, 1.9, y - 0.42, 0.08)
            d.label(2.03, y - 0.38, "quarter Moon", 11, align="left")
            d.label(1.9, y + 0.44, "Earth", 11)
    d.label(3.2, 2.52, "not to scale", 11, align="right", color=(90, 90, 100))


def tide_day(d):
    """3.2 x 1.6 in: the sea level over a day, high tides 12 h 25 min apart."""
    left, right, mid, amp = 0.1, 3.1, 0.86, 0.3
    hours = 25.0
    d.style((220, 236, 250), None)
    d.rect(left, mid - amp - 0.05, right, mid + amp + 0.05)
    pts = [(left + (right - left) * h / hours, mid - amp * math.cos(2 * math.pi * h / 12.42))
           for h in [i * hours / 100 for i in range(101)]]
    d.style(None, SEA, 0.03)
    d.line(pts)
    d.style(None, DARK, 0.01)
    d.line([(left, mid + amp + 0.1), (right, mid + amp + 0.1)])
    for h in (0, 6, 12, 18, 24):
        x = left + (right - left) * h / hours
        d.line([(x, mid + amp + 0.06), (x, mid + amp + 0.14)])
        d.label(min(max(x, left + 0.2), right - 0.2), mid + amp + 0.32, "%02d:00" % h, 11)
    # "high" sits above the band, "low" inside the trough, both clear of the arrow.
    for h, text in ((0, "high"), (6.21, "low"), (12.42, "high"), (18.63, "low"), (24.84, "high")):
        x = left + (right - left) * h / hours
        up = text == "high"
        d.label(min(max(x, left + 0.2), right - 0.2), mid - amp - 0.09 if up else mid + amp - 0.08,
                text, 11, True)
    x1 = left + (right - left) * 12.42 / hours
    arrow(d, (left + x1) / 2, 0.24, x1, 0.24, RED, 0.012, 0.06)
    arrow(d, (left + x1) / 2, 0.24, left, 0.24, RED, 0.012, 0.06)
    d.style(None, RED, 0.01)
    d.line([(left, 0.17), (left, 0.31)])
    d.line([(x1, 0.17), (x1, 0.31)])
    d.label((left + x1) / 2, 0.16, "12 h 25 min", 11, True, RED)


def star_life(d):
    """3.3 x 1.3 in: cloud, star, red giant, white dwarf."""
    steps = (("gascloud.jpg", ("gas and", "dust cloud")), ("sun.jpg", ("star like", "the Sun")),
             ("redgiant.jpg", ("red giant",)), ("whitedwarf-alone", ("white dwarf",)))
    for i, (pic, lines) in enumerate(steps):
        x = 0.4 + i * 0.84
        d.picture(pic, x, 0.38, 0.7)
        for k, line in enumerate(lines):
            d.label(x, 0.95 + 0.17 * k, line, 11)
        if i < 3:
            arrow(d, x + 0.37, 0.38, x + 0.47, 0.38, DARK, 0.015, 0.05)
    d.label(3.3, 1.29, "not to scale", 11, align="right", color=(90, 90, 100))


def sun_earth(d):
    """3.2 x 1.1 in: how big the Sun is and how far away."""
    sun(d, 0.45, 0.5, 0.42)
    d.label(0.45, 0.55, "Sun", 11, True, (120, 50, 0))
    d.style(SEA, None)
    d.ellipse(2.95, 0.5, 0.02, 0.02)
    d.label(2.95, 0.4, "Earth", 11, True)
    d.label(3.2, 0.16, "not to scale", 11, align="right", color=(90, 90, 100))
    arrow(d, 1.0, 0.67, 2.88, 0.67, DARK, 0.01, 0.05)
    d.label(1.95, 0.86, "about 150 million km", 11, True)
    d.label(1.95, 1.04, "sunlight takes about 8 minutes", 11)


def life_day(d):
    """3.3 x 2.78 in: all of Earth's history squeezed into one day, with
    the last three hours drawn again, larger, on a second bar of the same
    blue as their mark on the first."""
    left, right = 0.15, 3.15
    blue, blue_fill = (40, 90, 170), (170, 215, 255)

    def bar(y, start, hours, marks, fill=(255, 248, 220), edge=(150, 120, 60)):
        d.style(fill, edge, 0.01)
        d.rect(left, y - 0.08, right, y + 0.08, 0.04)
        for h, lines, side, align in marks:
            x = left + (right - left) * (h - start) / hours
            d.style(None, DARK, 0.012)
            d.line([(x, y - 0.12 if side < 0 else y + 0.12), (x, y)])
            if align == "right":
                lx = right + 0.15
            else:
                half = max(d.text_width(s, 11, k == 0) for k, s in enumerate(lines)) / 2
                lx = min(max(x, half), right + 0.15 - half)
            first = y - 0.17 * len(lines) - 0.06 if side < 0 else y + 0.3
            for k, s in enumerate(lines):
                d.label(lx, first + 0.17 * k, s, 11, k == 0, align="right" if align == "right" else "center")

    d.label((left + right) / 2, 0.16, "If the Earth's whole story were one day", 11, True, (120, 90, 30))
    y1 = 0.72
    bar(y1, 0, 24, ((0, ("Earth forms", "midnight"), -1, "center"),
                    (4.2, ("first tiny life", "about 4 am"), 1, "center")))
    zx = left + (right - left) * 21 / 24
    d.style(blue_fill, blue, 0.01)
    d.rect(zx, y1 - 0.08, right, y1 + 0.08)
    d.label(right, y1 - 0.14, "the last 3 hours", 11, True, blue, align="right")
    y2 = 2.04
    d.label(left, 1.44, "The last 3 hours, stretched out:", 11, True, blue, align="left")
    bar(y2, 21, 3, ((life_clock(360), ("four-legged", "animals, " + clock_time(360)), -1, "center"),
                    (life_clock(66), ("most dinosaurs gone", clock_time(66)), -1, "center"),
                    (life_clock(230), ("dinosaurs", clock_time(230)), 1, "center"),
                    (23.998, ("people", "6 seconds", "to midnight"), 1, "right")),
        fill=blue_fill, edge=blue)


# The clock starts at midnight when the Earth forms, 4,500 million years ago
# as the page says, so its times agree with the page and the timeline.
EARTH_AGE = 4500  # million years


def life_clock(age):
    """Hours after midnight on the one-day clock of something `age` million
    years ago."""
    return 24 * (1 - age / EARTH_AGE)


def clock_time(age):
    minutes = round(life_clock(age) * 60)
    hours, minutes = divmod(minutes, 60)
    return "%d:%02d %s" % ((hours - 1) % 12 + 1, minutes, "am" if hours < 12 else "pm")


def needs(d):
    """3.3 x 1.0 in: four things living things need."""
    items = (("water", (60, 130, 220)), ("food", (220, 120, 40)), ("air", (150, 190, 230)),
             ("warmth", (240, 180, 30)))
    for i, (name, color) in enumerate(items):
        x = 0.42 + i * 0.82
        d.style(color, DARK, 0.01)
        if name == "water":
            d.polygon([(x, 0.06)] + [(x + 0.24 * math.cos(a), 0.42 + 0.24 * math.sin(a))
                                     for a in [math.pi * (-0.15 + 1.3 * k / 20) for k in range(21)]])
        elif name == "food":
            d.ellipse(x, 0.4, 0.26, 0.26)
            d.style(LAND, None)
            d.polygon([(x, 0.15), (x + 0.16, 0.02), (x + 0.06, 0.16)])
        elif name == "air":
            d.style(None, (40, 100, 170), 0.03)
            for k in range(3):
                yy = 0.2 + k * 0.15
                d.line([(x - 0.25 + 0.04 * j, yy + 0.04 * math.sin(j * 1.2)) for j in range(13)])
        else:
            d.style(SUN, SUN_EDGE, 0.01)
            d.ellipse(x, 0.4, 0.2, 0.2)
            d.style(None, SUN_EDGE, 0.02)
            for k in range(8):
                a = k * math.pi / 4
                d.line([(x + 0.24 * math.cos(a), 0.4 + 0.24 * math.sin(a)),
                        (x + 0.32 * math.cos(a), 0.4 + 0.32 * math.sin(a))])
        d.label(x, 0.94, name, 11, True)


def distances(d):
    """3.3 x 1.32 in: Venus, Earth and Mars at their distances from the Sun."""
    # Only the near edge of the Sun shows, so it stays inside the column.
    t = math.acos(0.3 / 0.55)
    d.style(SUN, SUN_EDGE, 0.015)
    d.polygon([(-0.3 + 0.55 * math.cos(a), 0.62 + 0.55 * math.sin(a))
               for a in [-t + 2 * t * k / 24 for k in range(25)]])
    d.label(3.3, 0.15, "distance from the Sun (not to scale)", 11, align="right", color=(90, 90, 100))
    # Not to scale: the planets in order, with their distances written.
    for x, name, km, pic, size, note in ((0.7, "Venus", 108, "venus-cutout", 0.42, "too hot"),
                                         (1.78, "Earth", 150, "earth-cutout", 0.44, "just right"),
                                         (2.8, "Mars", 228, "mars-cutout", 0.26, "too cold")):
        d.picture(pic, x, 0.64, size)
        d.label(x, 1.08, name, 11, True)
        d.label(x, 1.26, note, 11)
        d.label(min(x, 3.3 - 0.5), 0.34, "%d million km" % km, 11)
