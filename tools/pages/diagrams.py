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
    arrow(d, 2.65, cy, 2.0, cy, RED)
    d.label(2.35, cy - 0.12, "pull", 9, True, RED)
    d.label(2.9, cy + 0.38, "Moon", 10, True)
    d.label(cx + r + 0.3, cy + 0.52, "high tide", 9, True)
    d.label(cx - r - 0.18, cy + 0.52, "high tide", 9, True)
    d.label(cx, 0.16, "low tide", 9, True)
    d.label(cx, 1.7, "low tide", 9, True)
    d.label(cx, cy + 0.05, "Earth", 10, True, WHITE)


def spring_neap(d):
    """3.2 x 2.5 in: Sun, Earth and Moon in line (spring) and at a right
    angle (neap). The bulges always point at the Moon."""
    for row, (name, note) in enumerate((("Spring tides:", "Sun, Moon and Earth in a line"),
                                        ("Neap tides:", "the Moon at a right angle"))):
        y = 0.72 + row * 1.32
        top = y - (0.5 if row == 0 else 0.64)
        d.label(0.0, top, name, 10, True, align="left")
        d.label(0.95, top, note, 9, align="left")
        d.style(None, (150, 150, 160), 0.01)
        if row == 0:
            d.line([(0.5, y), (3.0, y)])
        else:
            d.line([(0.5, y), (1.9, y), (1.9, y - 0.36)])
        sun(d, 0.25, y, 0.25)
        d.label(0.25, y + 0.42, "Sun", 9)
        if row == 0:
            earth(d, 2.05, y, 0.17, bulge=0.12, angle=0)
            moon(d, 2.85, y, 0.1)
            moon(d, 1.35, y, 0.1)
            d.label(2.85, y + 0.3, "full Moon", 8)
            d.label(1.35, y + 0.3, "new Moon", 8)
            d.label(2.05, y + 0.42, "Earth", 8)
        else:
            earth(d, 1.9, y, 0.17, bulge=0.07, angle=math.pi / 2)
            moon(d, 1.9, y - 0.42, 0.08)
            d.label(2.03, y - 0.39, "quarter Moon", 8, align="left")
            d.label(1.9, y + 0.42, "Earth", 8)


def tide_day(d):
    """3.2 x 1.4 in: the sea level over a day, high tides 12 h 25 min apart."""
    left, right, mid, amp = 0.1, 3.1, 0.7, 0.32
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
        d.label(x, mid + amp + 0.3, "%02d:00" % h, 8)
    for h, text in ((0, "high"), (6.21, "low"), (12.42, "high"), (18.63, "low"), (24.84, "high")):
        x = left + (right - left) * h / hours
        up = text == "high"
        d.label(min(max(x, left + 0.15), right - 0.15), mid - amp - 0.1 if up else mid + amp - 0.08, text, 8, True)
    x1 = left + (right - left) * 12.42 / hours
    arrow(d, left + 0.2, 0.2, x1 - 0.05, 0.2, RED, 0.012, 0.05)
    arrow(d, x1 - 0.25, 0.2, left + 0.05, 0.2, RED, 0.012, 0.05)
    d.label((left + x1) / 2, 0.14, "12 h 25 min", 8, True, RED)


def star_life(d):
    """3.3 x 1.25 in: cloud, star, red giant, white dwarf."""
    steps = (("gascloud.jpg", "gas and dust cloud"), ("sunsm.jpg", "star like the Sun"),
             ("redgiant.jpg", "red giant"), ("whitedwa.jpg", "white dwarf"))
    for i, (pic, name) in enumerate(steps):
        x = 0.4 + i * 0.84
        d.picture(pic, x, 0.38, 0.7)
        words = name.split(" ")
        if len(words) > 2:
            d.label(x, 0.93, " ".join(words[:2]), 8)
            d.label(x, 1.07, " ".join(words[2:]), 8)
        else:
            d.label(x, 0.93, name, 8)
        if i < 3:
            arrow(d, x + 0.37, 0.38, x + 0.47, 0.38, DARK, 0.015, 0.05)


def sun_earth(d):
    """3.2 x 1.0 in: how big the Sun is and how far away."""
    sun(d, 0.45, 0.45, 0.42)
    d.label(0.45, 0.5, "Sun", 10, True, (120, 50, 0))
    d.style(SEA, None)
    d.ellipse(2.95, 0.45, 0.02, 0.02)
    d.label(2.95, 0.35, "Earth", 8, True)
    arrow(d, 1.0, 0.62, 2.88, 0.62, DARK, 0.01, 0.05)
    d.label(1.9, 0.8, "about 150 million km", 8, True)
    d.label(1.9, 0.95, "sunlight takes about 8 minutes", 8)


def life_day(d):
    """3.3 x 1.9 in: all of Earth's history squeezed into one day, with
    the last three hours drawn again, larger."""
    left, right = 0.15, 3.15

    def bar(y, start, hours, marks):
        d.style((255, 248, 220), (150, 120, 60), 0.01)
        d.rect(left, y - 0.08, right, y + 0.08, 0.04)
        for h, what, when, side in marks:
            x = left + (right - left) * (h - start) / hours
            d.style(None, DARK, 0.012)
            d.line([(x, y - 0.13 if side < 0 else y + 0.13), (x, y)])
            lx = min(max(x, left + 0.3), right - 0.3)
            top = y - 0.3 if side < 0 else y + 0.27
            d.label(lx, top, what, 8, True)
            d.label(lx, top + 0.13, when, 7)

    bar(0.45, 0, 24, ((0, "Earth forms", "midnight", -1), (4.2, "first tiny life", "about 4 am", 1)))
    zx = left + (right - left) * 21 / 24
    d.style((120, 200, 255), (60, 130, 220), 0.01)
    d.rect(zx, 0.37, right, 0.53)
    d.style(None, (60, 130, 220), 0.01)
    d.line([(zx, 0.53), (left, 1.07)])
    d.line([(right, 0.53), (right, 1.07)])
    d.label((zx + right) / 2 - 0.2, 0.28, "the last 3 hours:", 7, True, (40, 90, 170))
    bar(1.15, 21, 3, ((21.55, "life on land", "9:33 pm", 1), (22.8, "dinosaurs", "10:48 pm", 1),
                      (23.66, "dinosaurs gone", "11:39 pm", -1),
                      (23.998, "people", "6 seconds to midnight", 1)))
    d.label((left + right) / 2, 1.86, "If the Earth's whole story were one day", 8, True, (120, 90, 30))


def needs(d):
    """3.3 x 0.95 in: four things living things need."""
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
        d.label(x, 0.9, name, 9, True)


def distances(d):
    """3.3 x 1.1 in: Venus, Earth and Mars at their distances from the Sun."""
    # Only the near edge of the Sun shows, so it stays inside the column.
    t = math.acos(0.3 / 0.55)
    d.style(SUN, SUN_EDGE, 0.015)
    d.polygon([(-0.3 + 0.55 * math.cos(a), 0.45 + 0.55 * math.sin(a))
               for a in [-t + 2 * t * k / 24 for k in range(25)]])
    # Not to scale: the planets in order, with their distances written.
    for x, name, km, pic, size, note in ((0.85, "Venus", 108, "venussm.jpg", 0.42, "too hot"),
                                         (1.85, "Earth", 150, "earth2sm.jpg", 0.44, "just right"),
                                         (2.85, "Mars", 228, "marssm.jpg", 0.26, "too cold")):
        d.picture(pic, x, 0.42, size)
        d.label(x, 0.83, name, 9, True)
        d.label(x, 0.97, note, 8)
        d.label(x, 0.12, "%d million km" % km, 7)
