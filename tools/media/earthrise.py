#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The menu animation: the Earth rising over the Moon's horizon, seen from
lunar orbit, a seamless 10-second loop of 100 frames (321 x 241) in which the
Earth is always in the sky, plus the static strip of lunar surface (321 x 81)
that covers the panel's bottom.

The strip is cut from the same render as the frames, and the Earth stays
where the horizon lies above the strip's top edge, so strip and frames meet
without a seam. One Sun lights the lunar ground and the Earth alike: low,
from the left, so craters cast long shadows and the Earth shows a gibbous face."""
import numpy as np

import mediakit as mk
import planets

W, H = 321, 241
STRIP_TOP = 160  # the strip covers rows 160..240 of each frame
MOON_R = 520.0
HORIZON_Y = 150.0  # top of the lunar limb, at the panel's middle
EARTH_R = 23.0
FRAMES = 100
SUN = (-0.9, 0.05, 0.45)
CROP = dict(lon0=50, lon1=140, lat0=-45, lat1=45, wrap=False)


def moon_ground():
    albedo_map = mk.LonLatMap.from_file("moon_east_50E_140E_45S_45N.jpg", **CROP)
    px_rad = np.radians(90.0 / 1024)
    relief = mk.crater_field(1024, 1024, 6000, seed=31, min_r=1.0, max_r=60)
    height = mk.LonLatMap(relief * px_rad, **CROP)
    rot = mk.rotation(20, 0, 90)  # east points up: the horizon is near 110 E

    def albedo(lon, lat, p):
        return np.clip(albedo_map.sample(lon, lat) * 1.15, 0, 1)

    cy = HORIZON_Y + MOON_R
    return mk.sphere(W, H, W / 2, cy, MOON_R, rot, albedo, SUN, model="lunar", terminator=0.02,
                     height=height, bump=1.2)


def earth_path(t):
    """Centre of the Earth at loop time t in 0..1: from just hidden below the
    horizon up and out past the top edge, drifting a little to the right.
    One loop is a little shorter than that climb, so the next Earth peeks over
    the horizon just before the last one leaves the top: the sky is never
    empty and the loop has no seam."""
    y0 = HORIZON_Y + EARTH_R + 3
    climb = y0 + EARTH_R - 42  # less than from hidden to gone, so they overlap
    return W / 2 - 12 + 40 * t, y0 - climb * t


def earth_centres(t):
    """The Earths in view at loop time t: this loop's and the last one's."""
    return [earth_path(t), earth_path(t + 1.0)]


def earth_layer(ex, ey, rot):
    """The Earth centred at (ex, ey), as a full-frame (rgb, alpha) pair. Only
    the square around it is rendered: the globe's look depends on where a
    point lies on the sphere, not on the pixel, so this matches a full render."""
    x0, y0 = int(ex - EARTH_R) - 2, int(ey - EARTH_R) - 2
    size = int(2 * EARTH_R) + 5
    rgb, alpha = planets.earth(size, size, ex - x0, ey - y0, EARTH_R, rot=rot, sun=SUN)
    full_rgb, full_a = np.zeros((H, W, 3)), np.zeros((H, W))
    # Clip the square to the frame (the Earth may stand partly above it).
    fx0, fy0 = max(x0, 0), max(y0, 0)
    fx1, fy1 = min(x0 + size, W), min(y0 + size, H)
    if fx1 > fx0 and fy1 > fy0:
        full_rgb[fy0:fy1, fx0:fx1] = rgb[fy0 - y0:fy1 - y0, fx0 - x0:fx1 - x0]
        full_a[fy0:fy1, fx0:fx1] = alpha[fy0 - y0:fy1 - y0, fx0 - x0:fx1 - x0]
    return full_rgb, full_a


def horizon_y(x):
    return HORIZON_Y + MOON_R - np.sqrt(MOON_R ** 2 - (x - W / 2) ** 2)


def main():
    ground, ground_a = moon_ground()
    black = np.zeros((H, W, 3))
    still = mk.composite(black, ground, ground_a)
    mk.save_jpeg(still[STRIP_TOP:], "Images", "earthmoonsm2.jpg", quality=90)
    rot = mk.rotation(-20, 10, 0)
    for i in range(FRAMES):
        t = ((i + 17) % FRAMES) / FRAMES  # frame 00 shows the Earth half risen
        sky = black
        for ex, ey in earth_centres(t):
            if ey < -EARTH_R:
                continue  # gone past the top
            assert horizon_y(ex - EARTH_R) <= STRIP_TOP and horizon_y(ex + EARTH_R) <= STRIP_TOP
            sky = mk.composite(sky, *earth_layer(ex, ey, rot))
        img = mk.composite(sky, ground, ground_a)
        mk.save_jpeg(img, "earthrisesm", "earthr%02d.jpg" % i, quality=86)
    print("made strip and", FRAMES, "earth-rise frames")


if __name__ == "__main__":
    main()
