#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The title animation: the Moon through one month as seen from the northern
hemisphere. Frame i is day i/28 of the month: 00 new, 07 first quarter (lit
on the right), 14 full, 21 last quarter (lit on the left). Earthshine keeps
the dark part faintly visible, strongest near new moon, as in the real sky."""
import numpy as np

import mediakit as mk

W, H, R = 320, 240, 104
FRAMES = 28


def sky(seed=11):
    y = np.linspace(0, 1, H)[:, None, None]
    base = mk.colour(6, 10, 34) * (1 - y) + mk.colour(14, 22, 58) * y
    return np.ones((H, W, 3)) * base + mk.starfield(W, H, 70, seed, 0.8)


def frame(i, moon_map, background):
    phi = 2 * np.pi * i / FRAMES  # Sun-Moon elongation
    sun = (np.sin(phi), 0.0, -np.cos(phi))
    earth_phase = (1 + np.cos(phi)) / 2  # the Earth as seen from the Moon

    def albedo(lon, lat, p):
        return np.clip(moon_map.sample(lon, lat) * 1.55, 0, 1)

    def earthshine(lon, lat, p, lit):
        glow = 0.05 * earth_phase + 0.008
        return albedo(lon, lat, p) * (glow * (1 - lit))[..., None] * mk.colour(170, 190, 255)

    rgb, a = mk.sphere(W, H, W / 2, H / 2, R, mk.rotation(0, 0), albedo, sun, model="lunar",
                       terminator=0.015, night=earthshine)
    return mk.composite(background, rgb, a)


def main():
    moon_map = mk.LonLatMap.from_file("moon_1k.jpg")
    background = sky()
    for i in range(FRAMES):
        mk.save_jpeg(frame(i, moon_map, background), "phasesm", "moonph%02d.jpg" % i, quality=86)
    print("made", FRAMES, "phase frames")


if __name__ == "__main__":
    main()
