#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of "The Solar System" and of "Orbits and Gravitation".

The Solar System: the topic picture (the edge of the Sun on the left and
the eight planets in a row on a starry sky, sizes and distances not to
scale), its quiz thumbnail (Saturn), and the row of the Sun, the planets
and the asteroid belt for its labelling screen, on the screens' blue.

Orbits and Gravitation: the topic picture (the Earth and the Moon on its
path round the Earth, the Sun's light from the left and never the Sun
itself in view), its quiz thumbnail, and the Sun with the Earth on its
path and the Moon on its own path for the labelling screen.

The giant planets are drawn here from their known looks (bands of cloud,
Jupiter's Great Red Spot, Saturn's rings, the pale cyan of Uranus and the
deep blue of Neptune); the rocky planets come from planets.py."""
import sys

import numpy as np
from PIL import ImageDraw, ImageFont

import mediakit as mk
import planets

W, H = 794, 524
YELLOW = (255, 255, 0)
SPACE_TOP, SPACE_LOW = mk.colour(2, 4, 16), mk.colour(10, 16, 44)


def space(w, h, seed):
    y = np.linspace(0, 1, h)[:, None, None]
    rgb = SPACE_TOP + (SPACE_LOW - SPACE_TOP) * y * np.ones((1, w, 1))
    return np.clip(rgb + mk.starfield(w, h, int(w * h / 1400), seed, 0.8), 0, 1)


def _bands(lat, p, colours, widths, seed, wobble=0.04):
    """Cloud bands: colour k between latitudes, the edges bent a little by
    noise so the bands look stirred by wind."""
    x, y, z = p[..., 0], p[..., 1], p[..., 2]
    s = np.sin(lat) + wobble * (mk.fbm3(x * 4, y * 9, z * 4, 4, seed=seed) - 0.5)
    edges = np.cumsum(widths) / np.sum(widths) * 2 - 1  # in sin(latitude), -1..1
    k = np.clip(np.searchsorted(edges, s), 0, len(colours) - 1)
    cols = np.array(colours, float) / 255.0
    low, high = cols[k], cols[np.minimum(k + 1, len(cols) - 1)]
    start = np.concatenate([[-1.0], edges[:-1]])[k]
    t = np.clip((s - start) / np.maximum(edges[k] - start, 1e-6), 0, 1)
    soft = mk.smoothstep(0.75, 1.0, t)[..., None]  # soft edge into the next band
    return low * (1 - soft) + high * soft


def _limb(rgb, p, nview, mu0):
    return rgb * (0.7 + 0.3 * np.clip(nview[..., 2], 0, 1) ** 0.6)[..., None]


def jupiter(w, h, cx, cy, r):
    colours = [(190, 170, 150), (215, 190, 160), (170, 120, 85), (240, 228, 205), (175, 125, 90),
               (235, 220, 195), (185, 140, 105), (232, 215, 190), (200, 175, 150)]
    widths = [1.2, 0.9, 0.8, 1.0, 0.9, 1.1, 0.8, 0.9, 1.2]

    def albedo(lon, lat, p):
        col = _bands(lat, p, colours, widths, seed=3)
        # The Great Red Spot, south of the equator.
        d = np.hypot((lon - 0.5) * np.cos(lat) / 0.2, (lat + 0.38) / 0.09)
        spot = mk.smoothstep(1.0, 0.6, d)[..., None]
        return col * (1 - spot) + spot * mk.colour(196, 104, 72)

    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 8), albedo, planets.SUN_DIR, terminator=0.08,
                     extra=_limb)


def saturn_globe(w, h, cx, cy, r, tilt):
    colours = [(200, 185, 150), (225, 205, 160), (210, 185, 135), (238, 222, 180), (215, 190, 140),
               (232, 214, 170), (205, 185, 145)]
    widths = [1.0, 1.0, 0.9, 1.4, 0.9, 1.0, 1.0]
    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, tilt),
                     lambda lon, lat, p: _bands(lat, p, colours, widths, seed=6, wobble=0.02),
                     planets.SUN_DIR, terminator=0.08, extra=_limb)


def saturn(w, h, cx, cy, r, tilt=22.0):
    """Saturn and its rings seen from a little above: the rings' far half
    behind the globe, the near half in front. Returns (rgb, alpha)."""
    rgb, alpha = saturn_globe(w, h, cx, cy, r, tilt)
    ss = 3
    yy, xx = np.mgrid[0:h * ss, 0:w * ss].astype(float)
    u = ((xx + 0.5) / ss - cx) / r
    v = ((yy + 0.5) / ss - cy) / r / np.sin(np.radians(tilt))
    d = np.hypot(u, v)
    ring = np.zeros_like(d)
    for inner, outer, strength in ((1.24, 1.52, 0.55), (1.53, 1.95, 0.95), (2.03, 2.27, 0.75)):
        ring = np.maximum(ring, strength * ((d > inner) & (d < outer)))
    ring *= 0.85 + 0.15 * np.cos(d * 60)  # fine ringlets
    ring_rgb = ring[..., None] * mk.colour(228, 210, 170)
    ring_a = np.clip(ring * 1.1, 0, 1)
    front = (v > 0).astype(float)  # the near half lies below the globe's centre
    down = lambda a: mk.downsample(a[..., None] if a.ndim == 2 else a, ss)  # noqa: E731
    back_rgb, back_a = down(ring_rgb * (1 - front)[..., None]), down(ring_a * (1 - front))[..., 0]
    front_rgb, front_a = down(ring_rgb * front[..., None]), down(ring_a * front)[..., 0]
    out_rgb = back_rgb * (1 - alpha[..., None]) + rgb
    out_a = back_a * (1 - alpha) + alpha
    out_rgb = out_rgb * (1 - front_a[..., None]) + front_rgb
    out_a = out_a * (1 - front_a) + front_a
    return out_rgb, out_a


def uranus(w, h, cx, cy, r):
    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 0),
                     lambda lon, lat, p: _bands(lat, p, [(160, 215, 222), (176, 226, 230), (165, 218, 226)],
                                                [1, 1, 1], seed=8, wobble=0.01),
                     planets.SUN_DIR, terminator=0.08, extra=_limb)


def neptune(w, h, cx, cy, r):
    def albedo(lon, lat, p):
        col = _bands(lat, p, [(60, 90, 190), (75, 110, 210), (55, 85, 180), (80, 115, 215)],
                     [1, 1.2, 0.8, 1], seed=12, wobble=0.03)
        d = np.hypot((lon + 0.3) * np.cos(lat) / 0.16, (lat + 0.35) / 0.08)
        spot = mk.smoothstep(1.0, 0.6, d)[..., None]
        return col * (1 - 0.5 * spot)

    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 0), albedo, planets.SUN_DIR, terminator=0.08,
                     extra=_limb)


def render_planet(name, w, h, cx, cy, r):
    return {"mercury": planets.mercury, "venus": planets.venus, "earth": planets.earth,
            "mars": planets.mars, "jupiter": jupiter, "saturn": saturn, "uranus": uranus,
            "neptune": neptune}[name](w, h, cx, cy, r)


def asteroids(rgb, x0, x1, cy, spread, count, seed):
    """A loose band of small grey rocks between x0 and x1."""
    rng = np.random.default_rng(seed)
    h, w = rgb.shape[:2]
    for _ in range(count):
        x, y = x0 + (x1 - x0) * rng.random(), cy + spread * rng.normal() * 0.5
        size = 0.6 + 1.4 * rng.random() ** 2
        dot = mk.smoothstep(size + 0.6, size - 0.4, mk.radial(w, h, x, y))[..., None]
        rgb = rgb * (1 - dot) + dot * mk.colour(150, 140, 130) * (0.7 + 0.5 * rng.random())
    return rgb


def sun_on(rgb, cx, cy, r):
    """The Sun composited on a picture of any colour: its disc, and its
    glow fading out well inside the picture."""
    h, w = rgb.shape[:2]
    black = mk.colour(0, 0, 0)
    sun = planets.sun_disc(w, h, cx, cy, r, background=black)
    rr = mk.radial(w, h, cx, cy) / r
    disc = mk.smoothstep(1.0 + 1.2 / r, 1.0 - 0.8 / r, rr)[..., None]
    return np.clip(rgb * (1 - disc) + sun * disc + sun * (1 - disc) * 0.9, 0, 1)


# The row of the Sun and the planets: each planet's centre (x) and radius in
# pixels on the 760 x 170 labelling picture. Sizes are far from scale (the
# real Jupiter is eleven Earths wide) and so are the distances.
ROW_W, ROW_H, ROW_Y = 760, 170, 78
ROW = [("mercury", 86, 5), ("venus", 116, 9), ("earth", 150, 10), ("mars", 184, 7),
       ("jupiter", 318, 44), ("saturn", 470, 30), ("uranus", 598, 18), ("neptune", 700, 17)]
ROW_SUN = (-150, ROW_Y, 200)
BELT = (212, 262)
# Where each labelled body's pointer line starts, and the picture edge it runs to.
ROW_POINTS = {"The Sun": (30, ROW_Y - 30), "Earth": (150, ROW_Y + 12), "Asteroid belt": (237, ROW_Y - 12),
              "Jupiter": (318, ROW_Y + 46), "Saturn": (470, ROW_Y + 34), "Neptune": (700, ROW_Y + 19)}
ROW_UP = {"The Sun", "Asteroid belt"}  # these run to the top edge, the others to the bottom


def planet_row(w, h, cy, sun, row, belt, background=None, sizes=1.0):
    rgb = np.ones((h, w, 3)) * (planets.SCREEN_BLUE if background is None else background)
    rgb = sun_on(rgb, *sun)
    rgb = asteroids(rgb, belt[0], belt[1], cy, 22 * sizes, 160, seed=4)
    for name, x, r in row:
        p_rgb, p_a = render_planet(name, w, h, x, cy, r * sizes)
        rgb = mk.composite(rgb, p_rgb, p_a)
    return np.clip(rgb, 0, 1)


def pointer_lines(img, points, up, edge_h):
    draw = ImageDraw.Draw(img)
    for name, (x, y) in points.items():
        draw.line([(x, y), (x, 0 if name in up else edge_h - 1)], fill=YELLOW, width=3)
    return img


def solar_system_picture():
    rgb = space(W, H, seed=21)
    # The top of the sky stays dark under the screen's yellow title.
    rgb = sun_on(rgb, -300, 370, 360)
    row = [("mercury", 104, 6), ("venus", 138, 11), ("earth", 176, 12), ("mars", 212, 8),
           ("jupiter", 330, 54), ("saturn", 486, 38), ("uranus", 618, 22), ("neptune", 726, 21)]
    rgb = asteroids(rgb, 240, 270, 370, 30, 120, seed=9)
    for name, x, r in row:
        p_rgb, p_a = render_planet(name, W, H, x, 370, r)
        rgb = mk.composite(rgb, p_rgb, p_a)
    return np.clip(rgb, 0, 1)


# ------------------------------------------------------------ orbits
def dashed_ellipse(draw, cx, cy, rx, ry, colour, width, dash=10, gap=7, skip=None):
    """An ellipse drawn as dashes; `skip(x, y)` hides a dash (behind a body)."""
    n = int(2 * np.pi * max(rx, ry) / 2)
    pts = [(cx + rx * np.cos(2 * np.pi * k / n), cy + ry * np.sin(2 * np.pi * k / n)) for k in range(n + 1)]
    run, on = 0.0, True
    for a, b in zip(pts, pts[1:]):
        run += np.hypot(b[0] - a[0], b[1] - a[1])
        if on and not (skip and skip(*a)):
            draw.line([a, b], fill=colour, width=width)
        if run > (dash if on else gap):
            run, on = 0.0, not on


ORBIT_SUN = (-120, 300, 230)  # the Sun's disc, off the left of the topic picture's
EARTH_AT, EARTH_R = (470, 300), 120
MOON_PATH = (470, 300, 290, 92)  # the Moon's path round the Earth, seen from a little above
MOON_AT, MOON_R = (720, 336), 30


def orbits_picture():
    """The Earth, lit from the left, with the Moon on its path round it."""
    rgb = space(W, H, seed=33)
    cx, cy, rx, ry = MOON_PATH
    img = mk.to_image(rgb)
    dashed_ellipse(ImageDraw.Draw(img), cx, cy, rx, ry, (150, 170, 220), 2,
                   skip=lambda x, y: y < cy and abs(x - cx) < EARTH_R)
    rgb = np.asarray(img) / 255.0
    e_rgb, e_a = planets.earth(W, H, *EARTH_AT, EARTH_R, sun=(-1.0, 0.1, 0.35))
    rgb = mk.composite(rgb, e_rgb, e_a)
    img = mk.to_image(rgb)  # the near half of the path passes in front of the Earth
    dashed_ellipse(ImageDraw.Draw(img), cx, cy, rx, ry, (150, 170, 220), 2,
                   skip=lambda x, y: y <= cy or abs(x - cx) >= EARTH_R)
    rgb = np.asarray(img) / 255.0
    m_rgb, m_a = planets.moon(W, H, *MOON_AT, MOON_R)
    return np.clip(mk.composite(rgb, m_rgb, m_a), 0, 1)


# The labelling picture of "Orbits and Gravitation" (600 x 330 px): the Sun
# in the middle, the Earth's path round it, the Earth on the path with the
# Moon's small path round it, and an arrow of the Sun's pull on the Earth.
OL_W, OL_H = 600, 330
OL_SUN = (300, 165, 42)
OL_PATH = (300, 165, 250, 118)
OL_EARTH, OL_EARTH_R = (505, 232), 16
OL_MOON_PATH = (505, 232, 40, 22)
# The Moon sits up and to the right of the Earth on its path, clear of the
# arrow of the Sun's pull, which starts at the Earth.
OL_MOON, OL_MOON_R = (536, 218), 6
OL_POINTS = {"The Sun": (300, 195), "The Earth": (512, 246), "The Moon": (536, 212),
             "Earth's path": (120, 248), "Moon's path": (544, 232), "Sun's pull": (410, 201)}
OL_EDGES = {"The Sun": "bottom", "The Earth": "bottom", "The Moon": "top", "Earth's path": "bottom",
            "Moon's path": "right", "Sun's pull": "bottom"}


def sun_pull_arrow():
    """The Sun's pull on the Earth: an arrow from beside the Earth towards
    the Sun, as (start, tip)."""
    ex, ey = OL_EARTH
    sx, sy, _ = OL_SUN
    return ((ex + 0.2 * (sx - ex), ey + 0.2 * (sy - ey)),
            (ex + 0.62 * (sx - ex), ey + 0.62 * (sy - ey)))


def orbit_label_picture():
    rgb = np.ones((OL_H, OL_W, 3)) * planets.SCREEN_BLUE
    img = mk.to_image(rgb)
    draw = ImageDraw.Draw(img)
    cx, cy, rx, ry = OL_PATH
    draw.ellipse([cx - rx, cy - ry, cx + rx, cy + ry], outline=(170, 200, 255), width=2)
    mx, my, mrx, mry = OL_MOON_PATH
    draw.ellipse([mx - mrx, my - mry, mx + mrx, my + mry], outline=(220, 220, 230), width=2)
    ex, ey = OL_EARTH
    start, tip = sun_pull_arrow()
    draw.line([start, tip], fill=(255, 120, 90), width=4)
    ang = np.arctan2(tip[1] - start[1], tip[0] - start[0])
    draw.polygon([tip, (tip[0] - 14 * np.cos(ang - 0.45), tip[1] - 14 * np.sin(ang - 0.45)),
                  (tip[0] - 14 * np.cos(ang + 0.45), tip[1] - 14 * np.sin(ang + 0.45))], fill=(255, 120, 90))
    rgb = np.asarray(img) / 255.0
    rgb = sun_on(rgb, *OL_SUN)
    e_rgb, e_a = planets.earth(OL_W, OL_H, ex, ey, OL_EARTH_R, sun=(-1.0, 0.4, 0.5))
    rgb = mk.composite(rgb, e_rgb, e_a)
    m_rgb, m_a = planets.moon(OL_W, OL_H, *OL_MOON, OL_MOON_R)
    rgb = mk.composite(rgb, m_rgb, m_a)
    img = mk.to_image(np.clip(rgb, 0, 1))
    draw = ImageDraw.Draw(img)
    for name, (x, y) in OL_POINTS.items():
        edge = OL_EDGES[name]
        end = {"top": (x, 0), "bottom": (x, OL_H - 1), "right": (OL_W - 1, y)}[edge]
        draw.line([(x, y), end], fill=YELLOW, width=3)
    return img


# The topic pictures say that they are not to scale, in the bottom right
# corner above the screen's buttons; the quiz thumbnails are cut from the
# pictures without it.
# 16 px is 12 pt on the 96 dpi screen.
NOT_TO_SCALE_FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"


def not_to_scale(rgb, text="Not to scale"):
    img = mk.to_image(rgb)
    draw = ImageDraw.Draw(img)
    font = ImageFont.truetype(NOT_TO_SCALE_FONT, 16)
    width = draw.textlength(text, font=font)
    draw.text((W - 14 - width, H - 34), text, font=font, fill=(200, 210, 235))
    return img


def main():
    if sys.argv[1:] == ["labels"]:  # only the labelling pictures, while their layout is tuned
        row = mk.to_image(planet_row(ROW_W, ROW_H, ROW_Y, ROW_SUN, ROW, BELT))
        mk.save_jpeg(pointer_lines(row, ROW_POINTS, ROW_UP, ROW_H), "Images", "planetrow.jpg")
        mk.save_jpeg(orbit_label_picture(), "Images", "orbitlabel.jpg")
        return
    bare = solar_system_picture()
    mk.save_jpeg(not_to_scale(bare), "Images", "solarsystem.jpg")
    thumb = mk.to_image(bare).crop((486 - 90, 370 - 65, 486 + 90, 370 + 65)).resize((57, 41))
    mk.save_jpeg(thumb, "Images", "solarsystemsm.jpg")
    row = mk.to_image(planet_row(ROW_W, ROW_H, ROW_Y, ROW_SUN, ROW, BELT))
    pointer_lines(row, ROW_POINTS, ROW_UP, ROW_H)
    mk.save_jpeg(row, "Images", "planetrow.jpg")

    bare = orbits_picture()
    mk.save_jpeg(not_to_scale(bare), "Images", "orbits.jpg")
    thumb = mk.to_image(bare).crop((470 - 250, 300 - 180, 470 + 300, 300 + 215)).resize((57, 41))
    mk.save_jpeg(thumb, "Images", "orbitssm.jpg")
    mk.save_jpeg(orbit_label_picture(), "Images", "orbitlabel.jpg")
    print("made solarsystem.jpg, solarsystemsm.jpg, planetrow.jpg, orbits.jpg, orbitssm.jpg, "
          "orbitlabel.jpg")


if __name__ == "__main__":
    main()
