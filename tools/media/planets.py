#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Sun and the inner solar system for the labelling screens.

The pictures sit on the labelling screens' blue, so their background is that
blue and they float without a box. Planets are lit from the left, where the
Sun stands on the "Life on Earth" screen, and drawn to one scale."""
import numpy as np

import mediakit as mk

SCREEN_BLUE = mk.colour(0, 51, 154)
SUN_DIR = (-1.0, 0.25, 0.75)  # from the left, a little above and in front
EARTH_PX = 140  # diameter that sets the scale for all planets
RELATIVE = {"mercury": 0.383, "venus": 0.949, "earth": 1.0, "moon": 0.273, "mars": 0.532}


def backdrop(w, h):
    return np.ones((h, w, 3)) * SCREEN_BLUE


def place(w, h, render, diameter, **kw):
    r = diameter / 2.0
    rgb, a = render(w, h, w / 2.0, h / 2.0, r, **kw)
    return mk.composite(backdrop(w, h), rgb, a)


# ---------------------------------------------------------------- the Sun
def sun_disc(w, h, cx, cy, r, seed=3, background=None):
    """Limb-darkened photosphere with granulation, a few sunspots and a glow,
    on the screens' blue or on `background` (an RGB colour in 0..1)."""
    rr = mk.radial(w, h, cx, cy) / r
    mu = np.sqrt(np.clip(1 - rr * rr, 0, 1))
    centre, mid, limb = mk.colour(255, 252, 215), mk.colour(255, 214, 60), mk.colour(238, 120, 8)
    t = mu[..., None]
    col = np.where(t > 0.6, mid + (centre - mid) * np.clip((t - 0.6) / 0.4, 0, 1) ** 1.5, limb + (mid - limb) * t / 0.6)
    bright = 0.8 + 0.2 * mu
    gran = mk.fbm2(w, h, max(r / 18.0, 1.5), octaves=3, seed=seed)
    col = col * (bright * (0.94 + 0.12 * gran))[..., None]
    rng = np.random.default_rng(seed)
    for _ in range(3):
        ang, dist = rng.random() * 2 * np.pi, 0.25 + 0.45 * rng.random()
        sx, sy = cx + np.cos(ang) * dist * r, cy + 0.5 * np.sin(ang) * dist * r
        size = r * (0.015 + 0.02 * rng.random())
        d = mk.radial(w, h, sx, sy) / size
        umbra = mk.smoothstep(1.0, 0.6, d)
        penumbra = mk.smoothstep(2.0, 1.2, d)
        col = col * (1 - 0.45 * penumbra - 0.4 * umbra)[..., None]
    alpha = mk.smoothstep(1.0 + 1.2 / r, 1.0 - 0.8 / r, rr)
    bg = backdrop(w, h) if background is None else np.ones((h, w, 3)) * background
    out = bg * (1 - alpha[..., None]) + col * alpha[..., None]
    glow = np.where(rr > 1, 1.0 / (1 + ((rr - 1) * 7) ** 2), 0)
    if background is not None:  # cut out: the glow fades out before the picture's edge
        edge = min(w, h) / 2.0 / r
        glow = glow * mk.smoothstep(edge, 1 + 0.6 * (edge - 1), rr)
    out = out * (1 - 0.6 * glow[..., None]) + glow[..., None] * mk.colour(255, 190, 60) * 0.9
    return np.clip(out, 0, 1)


# ---------------------------------------------------------------- planets
def earth(w, h, cx, cy, r, rot=None, sun=SUN_DIR):
    land = mk.LonLatMap.from_file("earth_1k.jpg")

    def albedo(lon, lat, p):
        return land.sample(lon, lat) * 1.15

    def clouds(rgb, p, nview, mu0):
        x, y, z = p[..., 0], p[..., 1], p[..., 2]
        wx = mk.fbm3(x * 2, y * 2, z * 2, 3, seed=9) - 0.5
        n = mk.fbm3(x * 3 + wx * 1.5, y * 5 + wx, z * 3 - wx, 5, seed=4)
        lat = np.degrees(np.arcsin(np.clip(y, -1, 1)))
        band = (0.12 * np.exp(-((lat - 5) / 7) ** 2) - 0.1 * np.exp(-((np.abs(lat) - 25) / 9) ** 2)
                + 0.08 * np.exp(-((np.abs(lat) - 55) / 12) ** 2))
        cover = mk.smoothstep(0.52, 0.68, n + band)
        shade = np.clip(mu0, 0, 1) * mk.smoothstep(-0.03, 0.05, mu0)
        cloud = 0.95 * shade[..., None] * np.ones(3)
        rgb = rgb * (1 - cover[..., None] * 0.9) + cloud * cover[..., None]
        # thin blue air, strongest towards the sunlit limb
        limb = (1 - np.clip(nview[..., 2], 0, 1)) ** 3
        air = (0.35 * limb + 0.06) * np.clip(mu0 + 0.15, 0, 1)
        return rgb + air[..., None] * mk.colour(90, 150, 255)

    rot = mk.rotation(15, 18, -10) if rot is None else rot
    return mk.sphere(w, h, cx, cy, r, rot, albedo, sun,
                     terminator=0.06, extra=clouds)


def mars(w, h, cx, cy, r):
    m = mk.LonLatMap.from_file("mars_512.jpg")

    def haze(rgb, p, nview, mu0):
        limb = (1 - np.clip(nview[..., 2], 0, 1)) ** 4
        return rgb + (0.15 * limb * np.clip(mu0 + 0.1, 0, 1))[..., None] * mk.colour(255, 190, 150)

    return mk.sphere(w, h, cx, cy, r, mk.rotation(-65, 15, 0),
                     lambda lon, lat, p: np.clip((m.sample(lon, lat) - 0.45) * 1.35 + 0.5, 0, 1), SUN_DIR, extra=haze)


def moon(w, h, cx, cy, r):
    m = mk.LonLatMap.from_file("moon_1k.jpg")
    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 0), lambda lon, lat, p: m.sample(lon, lat) * 1.05,
                     SUN_DIR, model="lunar", terminator=0.01)


def mercury(w, h, cx, cy, r):
    """No free map of Mercury, so a cratered grey-brown surface is made here:
    like the Moon but with fewer dark plains and bright young rayed craters."""
    hw, hh = 1024, 512
    relief = mk.crater_field(hw, hh, 2500, seed=21, min_r=1.2, max_r=45)
    height = mk.LonLatMap(relief * 0.004)
    tone = mk.fbm2(hw, hh, 90, octaves=5, seed=5)
    rng = np.random.default_rng(8)
    rays = np.zeros((hh, hw))
    for _ in range(4):
        rx, ry, rs = rng.random() * hw, hh * (0.2 + 0.6 * rng.random()), 2 + 2 * rng.random()
        d = mk.radial(hw, hh, rx, ry)
        ang = np.arctan2(*np.meshgrid(np.arange(hh) - ry, np.arange(hw) - rx, indexing="ij"))
        streak = 0.5 + 0.5 * np.cos(ang * rng.integers(9, 15) + rng.random() * 6)
        rays += 0.6 * np.exp(-d / (rs * 6)) * streak ** 4 + np.exp(-(d / rs) ** 2)
    grey = 0.5 + 0.25 * (tone - 0.5) + 0.2 * np.clip(rays, 0, 1.2)
    tint = mk.colour(182, 170, 158)
    alb = mk.LonLatMap(grey[..., None] * tint * 1.6)
    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 0), lambda lon, lat, p: alb.sample(lon, lat),
                     SUN_DIR, model="lunar", terminator=0.01, height=height, bump=1.0)


def venus(w, h, cx, cy, r):
    """In daylight colours Venus is a nearly featureless pale-yellow cloud deck,
    with faint sideways V-shaped bands."""
    def albedo(lon, lat, p):
        x, y, z = p[..., 0], p[..., 1], p[..., 2]
        chev = np.sin(6 * np.abs(np.degrees(lat)) / 57.3 + 3 * lon + 2 * mk.fbm3(x * 2, y * 2, z * 2, 3, seed=2))
        n = mk.fbm3(x * 3, y * 6, z * 3, 4, seed=7)
        v = 0.9 + 0.04 * chev + 0.1 * (n - 0.5)
        return v[..., None] * mk.colour(238, 218, 168)

    def limb(rgb, p, nview, mu0):
        return rgb * (0.75 + 0.25 * np.clip(nview[..., 2], 0, 1) ** 0.5)[..., None]

    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 0), albedo, SUN_DIR, terminator=0.08, extra=limb)


def main():
    # The glow fades to the screens' blue before the edge, so no pale square frames the Sun.
    mk.save_jpeg(sun_disc(240, 240, 120, 120, 98, background=SCREEN_BLUE), "Images", "sun.jpg")
    mk.save_jpeg(sun_disc(120, 120, 60, 60, 50, background=SCREEN_BLUE), "Images", "sunsm.jpg")
    jobs = [("mercurysm.jpg", 98, 95, mercury, "mercury"), ("venussm.jpg", 150, 136, venus, "venus"),
            ("earth2sm.jpg", 150, 154, earth, "earth"), ("moonsm.jpg", 86, 85, moon, "moon"),
            ("marssm.jpg", 103, 100, mars, "mars")]
    for name, w, h, fn, key in jobs:
        mk.save_jpeg(place(w, h, fn, EARTH_PX * RELATIVE[key]), "Images", name)
        print("made", name)


if __name__ == "__main__":
    main()
