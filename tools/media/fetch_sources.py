#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Copy the few outside maps we use from their Debian packages into sources/,
downscaled or cropped to what the generators need, so the repository stays small.

Needs: stellarium-data, xplanet-images, openclipart-svg. Run only when a source
must change; make_all.sh works from the committed copies.
"""
import os
import shutil

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "sources")
STELLARIUM = "/usr/share/stellarium/textures"
XPLANET = "/usr/share/xplanet/images"
CLIPART = "/usr/share/openclipart/svg"


def save(img, name, quality=90):
    img.save(os.path.join(SOURCES, name), quality=quality, optimize=True)
    print("wrote", name, img.size)


def main():
    os.makedirs(SOURCES, exist_ok=True)
    moon = Image.open(os.path.join(STELLARIUM, "moon_4k.jpg")).convert("RGB")
    save(moon.resize((1024, 512), Image.LANCZOS), "moon_1k.jpg")
    # Full-resolution crop of the eastern limb region, the foreground of the
    # earth-rise view: longitudes 50..140 E, latitudes 45 S..45 N.
    w, h = moon.size
    x0, x1 = int((50 + 180) / 360 * w), int((140 + 180) / 360 * w)
    y0, y1 = int((90 - 45) / 180 * h), int((90 + 45) / 180 * h)
    save(moon.crop((x0, y0, x1, y1)), "moon_east_50E_140E_45S_45N.jpg")
    earth = Image.open(os.path.join(XPLANET, "earth.jpg")).convert("RGB")
    save(earth.resize((1024, 512), Image.LANCZOS), "earth_1k.jpg")
    mars = Image.open(os.path.join(STELLARIUM, "mars.png")).convert("RGB")
    save(mars, "mars_512.jpg", quality=92)
    shutil.copy(os.path.join(CLIPART, "animals", "seal.svg"),
                os.path.join(SOURCES, "seal_pup.svg"))
    print("wrote seal_pup.svg")


if __name__ == "__main__":
    main()
