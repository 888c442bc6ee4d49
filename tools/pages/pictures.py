# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures for the notes pages, made at the size each page needs so that
they stay sharp on paper. Most come from media/Images; a few are drawn here
with the media tools instead: the Sun and the planets cut out onto the
page's own colour (their files in media/Images sit on the activity screens'
blue), the seal pup from the full topic picture rather than the quiz
thumbnail, and a white dwarf without the shell of gas around it."""

import functools
import os
import sys

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = os.path.join(HERE, "..", "..", "media", "Images")
sys.path.insert(0, os.path.join(HERE, "..", "media"))

import mediakit as mk  # noqa: E402
import planets  # noqa: E402
import stars  # noqa: E402

# Planet discs fill this share of their square, as in the screens' pictures.
DISC = 0.9


def _planet(render):
    def make(px, bg):
        rgb, alpha = render(px, px, px / 2.0, px / 2.0, px * DISC / 2.0)
        return mk.composite(np.ones((px, px, 3)) * bg, rgb, alpha)
    return make


def _sun(px, bg):
    return planets.sun_disc(px, px, px / 2.0, px / 2.0, px * 50 / 120.0, background=bg)


def _white_dwarf(px, bg):
    return stars.white_dwarf(px, px, shell=False)


def _tide_square(px, bg):
    # The beach, the boat and the Moon: the right-hand square of the picture.
    img = Image.open(os.path.join(IMAGES, "tide.jpg")).convert("RGB")
    return img.crop((img.width - img.height, 0, img.width, img.height))


def _seal(px, bg):
    # The quiz thumbnail is cut from this part of the topic picture.
    return Image.open(os.path.join(IMAGES, "babyseal.jpg")).convert("RGB").crop((96, 170, 416, 400))


DRAWN = {
    "sun-cutout": (1.0, _sun),
    "earth-cutout": (1.0, _planet(planets.earth)),
    "venus-cutout": (1.0, _planet(planets.venus)),
    "mars-cutout": (1.0, _planet(planets.mars)),
    "whitedwarf-alone": (1.0, _white_dwarf),
    "seal-closeup": (230 / 320, _seal),
    "tide-square": (1.0, _tide_square),
}


def aspect(name):
    """Height over width."""
    if name in DRAWN:
        return DRAWN[name][0]
    with Image.open(os.path.join(IMAGES, name)) as img:
        return img.height / img.width


@functools.lru_cache(maxsize=None)
def image(name, px_width, px_height, background):
    """The picture at px_width x px_height pixels, on `background` (an RGB
    triple) where it is cut out. A source smaller than that is left at its
    own size: it is never enlarged."""
    if name in DRAWN:
        made = DRAWN[name][1](max(px_width, px_height), np.array(background, float) / 255.0)
        img = made if isinstance(made, Image.Image) else mk.to_image(made)
    else:
        img = Image.open(os.path.join(IMAGES, name)).convert("RGB")
    if img.width >= px_width and img.height >= px_height:
        img = img.resize((px_width, px_height), Image.LANCZOS)
    return img


# Continents and Oceans, The Moon Landings: the world maps and the Moon's
# near side drawn at the page's size by their media tools.
import continents  # noqa: E402
import moonlandings  # noqa: E402

MAP_ASPECT = continents.LABEL_H / continents.LABEL_W


def _continents(px, bg):
    return continents.continents_map(px, round(px * MAP_ASPECT), bg)


def _oceans(px, bg):
    grey = mk.colour(200, 195, 180)
    saved = dict(continents.CONTINENTS)
    continents.CONTINENTS.update({name: grey for name in saved})
    try:
        return continents.continents_map(px, round(px * MAP_ASPECT), bg)
    finally:
        continents.CONTINENTS.update(saved)


def _moon_sites(px, bg):
    return moonlandings.near_side_with_sites(px, bg)


DRAWN.update({
    "continents-map": (MAP_ASPECT, _continents),
    "oceans-map": (MAP_ASPECT, _oceans),
    "moon-sites": (1.0, _moon_sites),
})
