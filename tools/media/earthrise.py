#!/usr/bin/env python3
"""The menu animation: the Earth rising over the Moon's horizon, seen from
lunar orbit, a seamless 10-second loop of 100 frames (321 x 241), plus the
static strip of lunar surface (321 x 81) that covers the panel's bottom.

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
    """Centre of the Earth at loop time t in 0..1: from just below the horizon
    to just beyond the top edge, drifting a little to the right."""
    y0, y1 = HORIZON_Y + EARTH_R + 3, -EARTH_R - 3
    return W / 2 - 12 + 40 * t, y0 + (y1 - y0) * t


def horizon_y(x):
    return HORIZON_Y + MOON_R - np.sqrt(MOON_R ** 2 - (x - W / 2) ** 2)


def main():
    ground, ground_a = moon_ground()
    black = np.zeros((H, W, 3))
    still = mk.composite(black, ground, ground_a)
    mk.save_jpeg(still[STRIP_TOP:], "Images", "earthmoonsm2.jpg", quality=90)
    rot = mk.rotation(-20, 10, 0)
    for i in range(FRAMES):
        t = ((i + 12) % FRAMES) / FRAMES  # frame 00 shows the Earth half risen
        ex, ey = earth_path(t)
        assert horizon_y(ex - EARTH_R) <= STRIP_TOP and horizon_y(ex + EARTH_R) <= STRIP_TOP
        e_rgb, e_a = planets.earth(W, H, ex, ey, EARTH_R, rot=rot, sun=SUN)
        img = mk.composite(mk.composite(black, e_rgb, e_a), ground, ground_a)
        mk.save_jpeg(img, "earthrisesm", "earthr%02d.jpg" % i, quality=86)
    print("made strip and", FRAMES, "earth-rise frames")


if __name__ == "__main__":
    main()
