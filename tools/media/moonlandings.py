#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of "The Moon Landings": the topic picture (a lander of the
kind that carried two astronauts down to the Moon, standing on the grey
dusty ground with footprints leading from it, the half-lit Earth in the
black sky), its quiz thumbnail, and the Moon's near side for the labelling
screen with the six landing places marked, drawn from the Moon map
credited in media/CREDITS.md. The lander is a simple drawing, not a copy
of any photograph."""
import numpy as np
from PIL import ImageDraw

import mediakit as mk
import planets

W, H = 794, 524
GROUND = 330  # the horizon's height in the topic picture
YELLOW = (255, 255, 0)

# The six landing places (degrees north and east), from the coordinates the
# Lunar and Planetary Institute lists for the Apollo landing sites.
SITES = {
    "Apollo 11": (0.674, 23.473),
    "Apollo 12": (-3.012, -23.422),
    "Apollo 14": (-3.645, -17.471),
    "Apollo 15": (26.132, 3.634),
    "Apollo 16": (-8.973, 15.498),
    "Apollo 17": (20.191, 30.772),
}
# The labelling picture: the Moon's disc, and for each site the edge of the
# picture its yellow pointer line runs to (the activity file carries the
# line on to the label's box, tools/content/make_continents_landings.py).
SITES_SIZE = 330
SITES_R = 150
SITE_EDGE = {"Apollo 11": "right", "Apollo 12": "left", "Apollo 14": "bottom",
             "Apollo 15": "left", "Apollo 16": "bottom", "Apollo 17": "right"}


def site_point(name):
    """Where a site falls on the labelling picture, in pixels: the Moon as
    seen from the Earth, north up, east (Mare Crisium's side) on the right."""
    lat, lon = np.radians(SITES[name])
    c = SITES_SIZE / 2
    return (c + SITES_R * np.cos(lat) * np.sin(lon), c - SITES_R * np.sin(lat))


def edge_point(name):
    """Where a site's pointer line leaves the picture."""
    x, y = site_point(name)
    side = SITE_EDGE[name]
    if side == "right":
        return SITES_SIZE - 1, y
    if side == "left":
        return 0, y
    return x, (0 if side == "top" else SITES_SIZE - 1)


def near_side(w, h, cx, cy, r):
    m = mk.LonLatMap.from_file("moon_1k.jpg")
    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 0), lambda lon, lat, p: m.sample(lon, lat) * 1.05,
                     (0.0, 0.0, 1.0), model="lunar", terminator=0.01)


def sites_picture():
    c = SITES_SIZE / 2
    moon_rgb, alpha = near_side(SITES_SIZE, SITES_SIZE, c, c, SITES_R)
    rgb = mk.composite(planets.backdrop(SITES_SIZE, SITES_SIZE), moon_rgb, alpha)
    img = mk.to_image(rgb)
    d = ImageDraw.Draw(img)
    for name in SITES:
        d.line([site_point(name), edge_point(name)], fill=YELLOW, width=3)
    for name in SITES:
        x, y = site_point(name)
        d.ellipse([x - 4, y - 4, x + 4, y + 4], fill=(255, 60, 40), outline=YELLOW)
    return img


def near_side_with_sites(px, background):
    """The near side on `background`, px square, the sites as red dots (for
    the notes pages, which name them beside the picture)."""
    c = px / 2
    r = px * SITES_R / SITES_SIZE
    moon_rgb, alpha = near_side(px, px, c, c, r)
    img = mk.to_image(mk.composite(np.ones((px, px, 3)) * background, moon_rgb, alpha))
    d = ImageDraw.Draw(img)
    dot = max(3, px // 70)
    for name in SITES:
        x, y = site_point(name)
        x, y = x * px / SITES_SIZE, y * px / SITES_SIZE
        d.ellipse([x - dot, y - dot, x + dot, y + dot], fill=(255, 60, 40), outline=(255, 255, 255))
    return img


def ground(w, h):
    """Grey dusty ground below the horizon, darker and finer far away."""
    ys = np.arange(h, dtype=float)[:, None]
    depth = np.clip((ys - GROUND) / (h - GROUND), 0, 1)
    noise = mk.fbm2(w, h, 40, 5, seed=4)
    grey = 0.36 + 0.22 * depth + 0.12 * (noise - 0.5)
    rgb = np.repeat(grey[..., None], 3, axis=2) * mk.colour(255, 250, 240)
    sky = np.zeros((h, w, 3)) + mk.starfield(w, h, 0, 1, 0)  # black: the Sun's glare hides the stars
    ridge = GROUND + 6 * np.sin(np.arange(w) / 60.0) + 3 * np.sin(np.arange(w) / 17.0)
    land = mk.smoothstep(ridge - 1, ridge + 1, ys)[..., None]
    return sky * (1 - land) + rgb * land


def craters(img):
    d = ImageDraw.Draw(img)
    for x, y, rx in ((120, 470, 60), (650, 420, 40), (300, 380, 22), (520, 360, 16), (740, 500, 30)):
        ry = rx * (y - GROUND) / 260
        d.ellipse([x - rx, y - ry, x + rx, y + ry], fill=(92, 90, 86))
        d.chord([x - rx, y - ry, x + rx, y + ry], 200, 340, fill=(150, 148, 142))


def lander(img, x, y):
    """A lander on its four legs: the gold-wrapped lower stage and the
    grey cabin on top; (x, y) is the middle of the ground between its feet."""
    d = ImageDraw.Draw(img)
    gold, dark_gold = (214, 170, 60), (150, 110, 30)
    cabin, cabin_dark = (185, 185, 180), (120, 120, 118)
    for foot in (-95, -55, 55, 95):  # legs and round feet
        d.line([(x + foot * 0.55, y - 70), (x + foot, y - 8)], fill=(170, 170, 165), width=5)
        d.ellipse([x + foot - 12, y - 10, x + foot + 12, y + 2], fill=(160, 160, 155))
    d.polygon([(x - 62, y - 110), (x + 62, y - 110), (x + 72, y - 62), (x - 72, y - 62)], fill=gold)
    d.polygon([(x + 10, y - 110), (x + 62, y - 110), (x + 72, y - 62), (x + 14, y - 62)], fill=dark_gold)
    d.polygon([(x - 50, y - 185), (x + 20, y - 195), (x + 55, y - 170), (x + 50, y - 112),
               (x - 55, y - 112)], fill=cabin)
    d.polygon([(x + 20, y - 195), (x + 55, y - 170), (x + 50, y - 112), (x + 20, y - 112)], fill=cabin_dark)
    d.polygon([(x - 35, y - 170), (x - 10, y - 176), (x - 12, y - 150), (x - 35, y - 148)], fill=(40, 40, 50))
    d.rectangle([x - 5, y - 215, x - 2, y - 190], fill=(200, 200, 200))  # aerial
    d.polygon([(x - 30, y - 62), (x - 12, y - 62), (x - 10, y - 30), (x - 32, y - 30)], fill=(130, 130, 125))
    d.line([(x - 21, y - 30), (x - 21, y - 8)], fill=(140, 140, 135), width=4)  # ladder down
    for step in range(4):
        d.line([(x - 28, y - 58 + step * 9), (x - 14, y - 58 + step * 9)], fill=(90, 90, 90), width=2)


def footprints(img, x0, y0):
    d = ImageDraw.Draw(img)
    for k in range(9):
        x = x0 - 40 - k * 34
        y = y0 + 20 + k * 12 + (8 if k % 2 else -8)
        s = 1 + k * 0.08
        d.ellipse([x - 8 * s, y - 4 * s, x + 8 * s, y + 4 * s], fill=(70, 68, 64))


def topic_picture():
    rgb = ground(W, H)
    # The Earth, half lit, high in the black sky.
    earth_rgb, ea = planets.earth(W, H, 620, 150, 42)
    rgb = mk.composite(rgb, earth_rgb, ea)
    img = mk.to_image(rgb)
    craters(img)
    footprints(img, 470, 440)
    lander(img, 470, 445)
    return img


def main():
    pic = topic_picture()
    mk.save_jpeg(pic, "Images", "moonlanding.jpg")
    thumb = pic.crop((360, 200, 600, 372)).resize((57, 41))
    mk.save_jpeg(thumb, "Images", "moonlandingsm.jpg")
    mk.save_jpeg(sites_picture(), "Images", "landingsites.jpg")
    print("made moonlanding.jpg, moonlandingsm.jpg, landingsites.jpg")


if __name__ == "__main__":
    main()
