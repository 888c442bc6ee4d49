#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of "Eclipses": the topic picture (a total eclipse of the
Moon, the Moon drawn again every half hour or so as it passes through the
Earth's shadow over dark hills; a lunar eclipse is safe to watch, so no
picture of the topic shows anyone looking at the Sun), its quiz thumbnail,
and the two rows of the labelling screen: the Sun, the Moon and the Earth
in a solar eclipse and in a lunar eclipse, on the screens' blue, not to
scale."""
import numpy as np

import mediakit as mk
import planets

W, H = 794, 524
FRONT = (0.0, 0.0, 1.0)  # a full Moon: lit from behind the viewer
SHADOW_RED = mk.colour(150, 52, 28)


def full_moon(w, h, cx, cy, r):
    m = mk.LonLatMap.from_file("moon_1k.jpg")
    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 0), lambda lon, lat, p: m.sample(lon, lat) * 1.05,
                     FRONT, model="lunar", terminator=0.01)


def in_shadow(rgb, alpha, w, h, sx, sy, umbra, edge):
    """Darkens and reddens the Moon (`rgb`, already multiplied by its
    `alpha`) inside the Earth's shadow, a circle of radius `umbra` about
    (sx, sy) with a soft edge `edge` pixels wide."""
    inside = mk.smoothstep(umbra + edge, umbra - edge, mk.radial(w, h, sx, sy))[..., None]
    grey = rgb.mean(axis=2, keepdims=True)
    return rgb * (1 - inside) + (0.25 * alpha[..., None] + 0.9 * grey) * SHADOW_RED * inside


def sky(w, h, seed):
    y = np.linspace(0, 1, h)[:, None, None]
    top, low = mk.colour(8, 12, 40), mk.colour(34, 44, 92)
    rgb = top + (low - top) * y ** 1.6 * np.ones((1, w, 1))
    return np.clip(rgb + mk.starfield(w, h, 260, seed, 0.8), 0, 1)


def hills(rgb, w, h):
    x = np.arange(w)
    ridge = (h - 70 + 22 * np.sin(x / 97.0) + 14 * np.sin(x / 37.0 + 1.3) + 8 * np.sin(x / 13.0))
    yy = np.arange(h)[:, None]
    land = mk.smoothstep(ridge - 1.0, ridge + 1.0, yy)[..., None]
    return rgb * (1 - land) + mk.colour(10, 14, 26) * land


def topic_picture():
    """The Moon at seven moments of a total lunar eclipse, along an arc."""
    rgb = sky(W, H, seed=11)
    r = 34
    for k in range(7):
        t = (k - 3) / 3.0
        cx, cy = W / 2 + t * 330, 300 - 150 * (1 - t * t)
        moon_rgb, alpha = full_moon(W, H, cx, cy, r)
        # The Moon moves into the Earth's shadow (2.7 Moon widths across) leading
        # edge first, as the sky turns from left to right.
        moon_rgb = in_shadow(moon_rgb, alpha, W, H, cx + t * 3.2 * r, cy + t * 0.4 * r, 2.7 * r, 0.25 * r)
        rgb = mk.composite(rgb, moon_rgb, alpha)
    rgb = hills(rgb, W, H)
    return rgb


def row(w, h, order):
    """One row of the labelling screen: the Sun on the left, then the
    bodies of `order` ("solar": Moon, Earth; "lunar": Earth, red Moon) with
    the shadow between them."""
    cy = h / 2.0
    rgb = planets.sun_disc(w, h, 70, cy, 58, background=planets.SCREEN_BLUE)  # the glow fades out
    if order == "solar":
        mx, ex = 250, 400
        earth_rgb, ea = planets.earth(w, h, ex, cy, 48)
        xs = np.arange(w)[None, :]
        ys = np.abs(np.arange(h)[:, None] - cy)
        cone = (xs > mx) & (xs < ex) & (ys < 11 - 8 * (xs - mx) / (ex - mx))
        rgb = rgb * (1 - 0.55 * cone[..., None])
        rgb = mk.composite(rgb, earth_rgb, ea)
        spot = mk.smoothstep(7, 4, mk.radial(w, h, ex - 45, cy))[..., None]
        rgb = rgb * (1 - 0.6 * spot)
        moon_rgb, ma = planets.moon(w, h, mx, cy, 13)
        rgb = mk.composite(rgb, moon_rgb, ma)
    else:
        ex, mx = 230, 410
        xs = np.arange(w)[None, :]
        ys = np.abs(np.arange(h)[:, None] - cy)
        cone = (xs > ex) & (ys < 48 - 22 * (xs - ex) / (w - ex))
        rgb = rgb * (1 - 0.55 * cone[..., None])
        earth_rgb, ea = planets.earth(w, h, ex, cy, 48)
        rgb = mk.composite(rgb, earth_rgb, ea)
        moon_rgb, ma = full_moon(w, h, mx, cy, 13)
        moon_rgb = in_shadow(moon_rgb, ma, w, h, mx, cy, 40, 3)
        rgb = mk.composite(rgb, moon_rgb, ma)
    return rgb


def main():
    pic = topic_picture()
    mk.save_jpeg(pic, "Images", "eclipse.jpg")
    # The thumbnail: the red Moon at the height of the eclipse.
    thumb = mk.to_image(pic).crop((W // 2 - 70, 150 - 50, W // 2 + 70, 150 + 51)).resize((57, 41))
    mk.save_jpeg(thumb, "Images", "eclipsesm.jpg")
    mk.save_jpeg(row(480, 140, "solar"), "Images", "solareclipse.jpg")
    mk.save_jpeg(row(480, 140, "lunar"), "Images", "lunareclipse.jpg")
    print("made eclipse.jpg, eclipsesm.jpg, solareclipse.jpg, lunareclipse.jpg")


if __name__ == "__main__":
    main()
