#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures no map covers, drawn from noise and simple physics: the spiral
galaxy of "The Sun and other Stars" (and its quiz thumbnail) and the stages of
a Sun-like star's life for its labelling screen: the gas cloud it forms from,
the red giant it will become and the white dwarf left inside a shell of gas."""
import numpy as np
from PIL import Image

import mediakit as mk
import planets

BLUE = planets.SCREEN_BLUE


def tone(x):
    """Soft film-like curve so bright cores do not clip hard."""
    return 1 - np.exp(-np.maximum(x, 0))


def galaxy(w, h, ss=2, seed=1):
    """A face-on two-armed spiral with a yellow core, blue arms, pink star-forming
    knots and dark dust lanes, and a small companion at the end of one arm."""
    W, H = w * ss, h * ss
    y, x = np.mgrid[0:H, 0:W].astype(float)
    cx, cy, scale = W / 2, H / 2, min(W, H) * 0.36
    u = (x - cx) / scale
    v = (y - cy) / scale / 0.82  # slight tilt
    rot = np.radians(20)
    u, v = u * np.cos(rot) - v * np.sin(rot), u * np.sin(rot) + v * np.cos(rot)
    r = np.hypot(u, v) + 1e-6
    th = np.arctan2(v, u)
    pitch = np.radians(20)
    spiral = np.log(r / 0.12) / np.tan(pitch)
    clump = mk.fbm3(u * 7, v * 7, np.zeros_like(u), 4, seed=seed)
    fine = mk.fbm3(u * 25, v * 25, np.ones_like(u), 3, seed=seed + 1)
    warp = 0.5 * (mk.fbm3(u * 3, v * 3, np.full_like(u, 2.0), 3, seed=seed + 2) - 0.5)
    phase = np.mod(th - spiral + warp, np.pi) - np.pi / 2  # two arms, pi apart
    width = 0.22 + 0.25 * r
    arm = np.exp(-(phase / width) ** 2) * mk.smoothstep(0.08, 0.25, r) * np.exp(-r / 0.6)
    dust = np.exp(-((phase + 0.9 * width) / (0.35 * width)) ** 2) * mk.smoothstep(0.08, 0.3, r) * np.exp(-r / 1.2)
    bulge = np.exp(-r / 0.07) * 3.0 + np.exp(-r / 0.2) * 0.8
    disc = 0.45 * np.exp(-r / 0.4) * (0.7 + 0.6 * clump)
    armlight = arm * (0.15 + 2.2 * (clump * fine) ** 1.5) * 2.6
    tiny = mk.fbm3(u * 60, v * 60, np.full_like(u, 3.0), 2, seed=seed + 4)
    knots = arm * mk.smoothstep(0.68, 0.78, tiny) * clump * 4.0
    col = (bulge[..., None] * mk.colour(255, 225, 160) + disc[..., None] * mk.colour(230, 215, 200)
           + armlight[..., None] * mk.colour(150, 185, 255) + knots[..., None] * mk.colour(255, 110, 170))
    col *= (1 - 0.75 * np.clip(dust * (0.6 + clump), 0, 1))[..., None]
    col *= mk.smoothstep(1.5, 1.0, r)[..., None]
    # companion galaxy near the end of one arm
    d2 = np.hypot(u - 1.02, v + 0.55)
    col += (np.exp(-d2 / 0.035) * 2.0 + np.exp(-d2 / 0.12) * 0.4)[..., None] * mk.colour(255, 215, 160)
    img = tone(col * 1.1)
    img = mk.downsample(img, ss)
    img += mk.starfield(w, h, 90, seed + 5, 1.0)
    return np.clip(img, 0, 1)


def gas_cloud(w, h, seed=4):
    """A glowing cloud of hydrogen (pink-red) with bluish dust-scattered light,
    dark dusty knots and a few newborn stars, fading into the screen's blue."""
    n1 = mk.fbm2(w, h, 70, octaves=6, seed=seed)
    n2 = mk.fbm2(w, h, 40, octaves=5, seed=seed + 3)
    n3 = mk.fbm2(w, h, 25, octaves=4, seed=seed + 7)
    r = mk.radial(w, h, w * 0.5, h * 0.52) / (min(w, h) * 0.5)
    body = np.clip((n1 - 0.38) * 2.4, 0, 1) * mk.smoothstep(1.05, 0.45, r)
    red = body * (0.7 + 0.6 * n2)
    blue = np.clip((n2 - 0.5) * 3, 0, 1) * mk.smoothstep(0.9, 0.2, r)
    dust = np.clip((n3 - 0.55) * 4, 0, 1) * body
    col = (red[..., None] * mk.colour(235, 80, 120) + blue[..., None] * mk.colour(110, 150, 255) * 0.7
           + (body ** 2)[..., None] * mk.colour(255, 200, 190) * 0.5)
    col *= (1 - 0.8 * dust)[..., None]
    space = mk.colour(8, 10, 40)
    veil = mk.smoothstep(1.0, 0.55, r)
    bg = BLUE * (1 - veil[..., None]) + space * veil[..., None]
    img = bg + col
    rng = np.random.default_rng(seed)
    for _ in range(5):
        sx, sy = w * (0.3 + 0.4 * rng.random()), h * (0.3 + 0.4 * rng.random())
        img = mk.add_glow(img, sx, sy, 1.2 + rng.random(), mk.colour(255, 250, 240), 0.9, 2.2)
    return np.clip(img, 0, 1)


def red_giant(w, h, seed=6):
    """A huge, cool, orange-red star: strong limb darkening and a few giant
    convection cells, the way red giants really look."""
    cx, cy, R = w / 2, h / 2, min(w, h) * 0.40
    rr = mk.radial(w, h, cx, cy) / R
    mu = np.sqrt(np.clip(1 - rr * rr, 0, 1))
    cells = mk.fbm2(w, h, R / 2.5, octaves=4, seed=seed)
    centre, limb = mk.colour(255, 150, 60), mk.colour(140, 25, 10)
    t = (mu ** 0.7)[..., None]
    col = (limb * (1 - t) + centre * t) * (0.7 + 0.6 * cells)[..., None]
    alpha = mk.smoothstep(1.0 + 1.5 / R, 1.0 - 1.5 / R, rr)
    glow = np.where(rr > 1, 1 / (1 + ((rr - 1) * 9) ** 2), 0) * mk.smoothstep(1.24, 1.1, rr)
    bg = np.ones((h, w, 3)) * BLUE
    img = bg * (1 - alpha[..., None]) + col * alpha[..., None]
    img = img * (1 - 0.55 * glow[..., None]) + glow[..., None] * mk.colour(230, 80, 30) * 0.8
    return np.clip(img, 0, 1)


def white_dwarf(w, h, seed=2, shell=True):
    """A tiny white-hot star inside the shell of gas it threw off: a ring of
    glowing gas, blue-green inside and red at its edge. Without the shell it
    is the star alone, a bright dot on dark space. Sizes follow the width, so
    larger copies look the same."""
    k = w / 186.0
    r = mk.radial(w, h, w / 2, h / 2) / (min(w, h) * 0.36)
    space = mk.colour(6, 8, 36)
    veil = mk.smoothstep(1.4, 1.0, r)
    img = np.ones((h, w, 3)) * BLUE * (1 - veil[..., None]) + space * veil[..., None]
    if shell:
        n = mk.fbm2(w, h, 18 * k, octaves=4, seed=seed)
        ring = np.exp(-((r - 0.78) / 0.2) ** 2) * (0.6 + 0.8 * n)
        inner = mk.smoothstep(0.95, 0.2, r) * 0.35 * (0.7 + 0.6 * n)
        outer = np.exp(-((r - 0.98) / 0.1) ** 2) * (0.5 + n)
        img += inner[..., None] * mk.colour(60, 200, 220) + ring[..., None] * mk.colour(90, 190, 210) * 0.8
        img += outer[..., None] * mk.colour(230, 70, 80) * 0.7
    img = mk.add_glow(img, w / 2, h / 2, 2.2 * k, mk.colour(235, 245, 255), 1.6, 2.0)
    return np.clip(img, 0, 1)


def main():
    g = mk.save_jpeg(galaxy(600, 440), "Images", "spiralgalaxy.jpg")
    mk.save_jpeg(g.crop((80, 0, 520, 317)).resize((57, 41), Image.LANCZOS), "Images", "m51sm.jpg", 92)
    mk.save_jpeg(gas_cloud(184, 188), "Images", "gascloud.jpg")
    mk.save_jpeg(red_giant(306, 299), "Images", "redgiant.jpg")
    mk.save_jpeg(white_dwarf(186, 184), "Images", "whitedwa.jpg")


if __name__ == "__main__":
    main()
