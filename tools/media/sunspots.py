#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of "Sunspots and the Aurora": the topic picture (green
curtains of an aurora over dark hills and a lake on a starry night, the
top of the sky left dark and plain under the screen's title), its quiz
thumbnail, and the Sun cut open for the labelling screen (core, radiative
zone, convective zone, the photosphere with a group of sunspots, and the
faint corona), on the screens' blue and not to scale."""
import numpy as np
from PIL import ImageDraw

import mediakit as mk
import planets

W, H = 794, 524
LAKE = 420  # the lake's shore line

# The labelling picture: its size, and the point of each part that a
# yellow pointer line runs from, in pixels. The screen draws pictures over
# lines, so each line is drawn here from its point to the picture's edge
# (right, or top for the sunspots) and the activity file carries it on to
# the label's box (tools/content/make_eclipses_sunspots.py).
LAYERS_SIZE = 300
LAYER_POINTS = {"Corona": (244, 40), "Photosphere": (224, 83), "Core": (157, 157),
                "Radiative zone": (184, 197), "Convective zone": (197, 233)}
SUNSPOT_POINT, SUNSPOT_EDGE = (107, 112), (70, 0)
YELLOW = (255, 255, 0)


def aurora_sky(w, h, seed=5):
    y = np.linspace(0, 1, h)[:, None, None]
    top, low = mk.colour(4, 8, 26), mk.colour(16, 34, 60)
    rgb = top + (low - top) * y ** 1.3 * np.ones((1, w, 1))
    rgb = rgb + mk.starfield(w, h, 300, seed, 0.75)
    xs = np.arange(w, dtype=float)[None, :]
    ys = np.arange(h, dtype=float)[:, None]
    glow = np.zeros((h, w))
    red = np.zeros((h, w))
    # Two curtains: a wavy lower edge, bright rays rising from it and fading upwards.
    for base, amp, period, phase, strength in ((290, 22, 410, 0.4, 1.0), (215, 16, 300, 2.2, 0.55)):
        # A folded curtain: a slow swing, a quicker fold and small ripples.
        edge = (base + amp * np.sin(xs / period * 2 * np.pi + phase)
                + 0.6 * amp * np.sin(xs / 97.0 + 2 * phase) + 5 * np.sin(xs / 23.0 + phase))
        rays = 0.55 + 0.45 * mk.fbm2(w, 1, 7, octaves=4, seed=seed + int(base))[0][None, :]
        above = edge - ys
        body = np.where(above > 0, np.exp(-above / 70.0), np.exp(above / 14.0))
        glow += strength * body * rays ** 2
        red += strength * np.where(above > 60, np.exp(-(above - 60) / 120.0), 0) * rays
    rgb = rgb + glow[..., None] * mk.colour(60, 235, 130) * 0.85 + red[..., None] * mk.colour(150, 30, 80) * 0.25
    return np.clip(rgb, 0, 1), glow


def topic_picture():
    rgb, glow = aurora_sky(W, H)
    xs = np.arange(W)
    ridge = 405 - 45 * np.exp(-((xs - 560) / 90.0) ** 2) - 30 * np.exp(-((xs - 680) / 60.0) ** 2) \
        + 8 * np.sin(xs / 23.0) - 20 * np.exp(-((xs - 150) / 120.0) ** 2)
    yy = np.arange(H)[:, None]
    hills = mk.smoothstep(ridge - 1, ridge + 1, yy)[..., None]
    out = rgb * (1 - hills) + mk.colour(6, 10, 16) * hills
    # The lake mirrors the sky, darker and rippled.
    lake = (yy >= LAKE)[..., None]
    mirror_rows = np.clip(2 * 400 - np.arange(H), 0, H - 1)  # the sky above the hills
    ripple = (0.55 + 0.1 * np.sin(np.arange(H) * 1.7)[:, None, None])
    reflected = rgb[mirror_rows] * ripple
    out = np.where(lake, reflected * 0.8 + mk.colour(4, 8, 14) * 0.2, out)
    return np.clip(out, 0, 1)


def sun_layers(size):
    """The Sun with a quarter cut away to show its layers."""
    c = size / 2.0
    r = size * 0.36
    rgb = planets.sun_disc(size, size, c, c, r, seed=7, background=planets.SCREEN_BLUE)
    yy, xx = np.mgrid[0:size, 0:size].astype(float)
    d = np.hypot(xx - c, yy - c) / r
    # A faint corona round the disc, gone before the picture's edge so that
    # no pale square frames it on the screen.
    edge = c / r
    corona = np.where(d > 1, np.exp(-(d - 1) * 4.0), 0) * mk.smoothstep(edge, 1 + 0.6 * (edge - 1), d)
    corona = corona[..., None]
    rgb = rgb * (1 - 0.5 * corona) + corona * mk.colour(255, 244, 220) * 0.5
    # The quarter towards the lower right is cut away.
    cut = ((xx >= c) & (yy >= c) & (d <= 1.0))[..., None]
    layers = np.where(d[..., None] < 0.25, mk.colour(255, 252, 215),
                      np.where(d[..., None] < 0.7, mk.colour(255, 200, 60),
                               np.where(d[..., None] < 0.92, mk.colour(240, 130, 20), mk.colour(200, 80, 0))))
    rgb = np.where(cut, layers, rgb)
    # A group of sunspots on the surface, upper left.
    for sx, sy, sr in ((c - 0.4 * r, c - 0.35 * r, 0.07 * r), (c - 0.25 * r, c - 0.45 * r, 0.05 * r),
                       (c - 0.5 * r, c - 0.2 * r, 0.04 * r)):
        dd = np.hypot(xx - sx, yy - sy) / sr
        rgb = rgb * (1 - 0.45 * mk.smoothstep(1.8, 1.1, dd) - 0.4 * mk.smoothstep(1.0, 0.6, dd))[..., None]
    return np.clip(rgb, 0, 1)


def with_pointers(img):
    """Draws the yellow pointer lines, 3 pixels wide like the screen's lines."""
    draw = ImageDraw.Draw(img)
    for x, y in LAYER_POINTS.values():
        draw.line([(x, y), (img.width - 1, y)], fill=YELLOW, width=3)
    draw.line([SUNSPOT_POINT, SUNSPOT_EDGE], fill=YELLOW, width=3)
    return img


def main():
    pic = topic_picture()
    mk.save_jpeg(pic, "Images", "aurora.jpg")
    thumb = mk.to_image(pic).crop((200, 200, 480, 402)).resize((57, 41))
    mk.save_jpeg(thumb, "Images", "aurorasm.jpg")
    mk.save_jpeg(with_pointers(mk.to_image(sun_layers(LAYERS_SIZE))), "Images", "sunlayers.jpg")
    print("made aurora.jpg, aurorasm.jpg, sunlayers.jpg")


if __name__ == "__main__":
    main()
