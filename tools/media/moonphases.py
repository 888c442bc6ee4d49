#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of "The Phases of the Moon", made from the title
animation's frames (phasesm/moonph00..27.jpg, made by phases.py; run that
first): the topic picture (the Moon's shapes through a month along an arc
over dark hills), its quiz thumbnail (a crescent), and the labelling
screen's view from far above the North Pole: the Sun's light from the left,
the Earth in the middle and the Moon at eight places round it, always lit
on the Sun's side, with how the Moon looks from the Earth beside four of
them. Nothing is to scale."""
import numpy as np
from PIL import Image, ImageDraw

import mediakit as mk
import planets

W, H = 794, 524
FRAME_R = 104  # the Moon's radius in the animation frames (phases.py)

# The labelling picture: its size, the Earth and the Moon's path round it.
ORBIT_W, ORBIT_H = 560, 440
EARTH = (300, 220)
EARTH_R = 38
PATH_R = 120
MOON_R = 16
INSET_R = 24
# Seen from above the North Pole the Moon goes round anticlockwise. The
# Sun is far off to the left, so the Moon is new on the left, at its first
# quarter below the Earth, full on the right, at its last quarter above.
PLACES = {"New Moon": 180, "First quarter": 270, "Full Moon": 0, "Last quarter": 90}
# The frame of the animation that shows each phase (day of the month).
FRAME_OF = {"New Moon": 0, "First quarter": 7, "Full Moon": 14, "Last quarter": 21}


def frame_disc(i, r):
    """The Moon of animation frame i, cut out as an RGBA disc of radius r."""
    img = Image.open(mk.out_path("phasesm", "moonph%02d.jpg" % i)).convert("RGB")
    cx, cy = img.width // 2, img.height // 2
    disc = img.crop((cx - FRAME_R, cy - FRAME_R, cx + FRAME_R, cy + FRAME_R)).resize(
        (2 * r, 2 * r), Image.LANCZOS)
    mask = mk.smoothstep(r + 0.5, r - 0.5, mk.radial(2 * r, 2 * r, r, r))
    disc.putalpha(Image.fromarray((mask * 255).astype(np.uint8)))
    return disc


def topic_picture():
    """Seven shapes of the Moon from crescent to crescent along an arc."""
    y = np.linspace(0, 1, H)[:, None, None]
    rgb = mk.colour(6, 10, 34) * (1 - y) + mk.colour(24, 34, 80) * y
    rgb = np.clip(rgb * np.ones((1, W, 1)) + mk.starfield(W, H, 240, 17, 0.8), 0, 1)
    x = np.arange(W)
    ridge = H - 64 + 20 * np.sin(x / 91.0) + 12 * np.sin(x / 33.0 + 0.7) + 6 * np.sin(x / 11.0)
    land = mk.smoothstep(ridge - 1.0, ridge + 1.0, np.arange(H)[:, None])[..., None]
    img = mk.to_image(rgb * (1 - land) + mk.colour(10, 14, 26) * land)
    r = 44
    for k, frame in enumerate((4, 7, 10, 14, 18, 21, 24)):
        t = (k - 3) / 3.0
        cx, cy = W / 2 + t * 320, 250 - 130 * (1 - t * t)
        img.paste(frame_disc(frame, r), (int(cx - r), int(cy - r)), frame_disc(frame, r))
    return img


def half_lit_moon(w, h, cx, cy, r):
    """The Moon seen from far above, lit from the left."""
    m = mk.LonLatMap.from_file("moon_1k.jpg")
    return mk.sphere(w, h, cx, cy, r, mk.rotation(0, 80), lambda lon, lat, p: m.sample(lon, lat) * 1.1,
                     (-1.0, 0.0, 0.05), model="lunar", terminator=0.01)


def orbit_picture():
    w, h = ORBIT_W, ORBIT_H
    img = mk.to_image(np.ones((h, w, 3)) * planets.SCREEN_BLUE)
    draw = ImageDraw.Draw(img)
    # The Sun's light, coming from the left.
    for y in (60, 140, 300, 380):
        draw.line([(6, y), (64, y)], fill=(255, 220, 90), width=3)
        draw.polygon([(74, y), (62, y - 7), (62, y + 7)], fill=(255, 220, 90))
    ex, ey = EARTH
    draw.ellipse([ex - PATH_R, ey - PATH_R, ex + PATH_R, ey + PATH_R], outline=(150, 180, 255), width=2)
    for angle in (45, 135, 225, 315):  # arrows: anticlockwise seen from the north
        a = np.radians(angle)
        x, y = ex + PATH_R * np.cos(a), ey - PATH_R * np.sin(a)
        tx, ty = -np.sin(a), -np.cos(a)
        draw.polygon([(x + 9 * tx, y + 9 * ty), (x - 6 * tx + 6 * ty, y - 6 * ty - 6 * tx),
                      (x - 6 * tx - 6 * ty, y - 6 * ty + 6 * tx)], fill=(150, 180, 255))
    rgb = np.asarray(img, float) / 255.0
    earth_rgb, ea = planets.earth(w, h, ex, ey, EARTH_R, rot=mk.rotation(0, 90), sun=(-1.0, 0.0, 0.1))
    rgb = mk.composite(rgb, earth_rgb, ea)
    for k in range(8):
        a = np.radians(45 * k)
        # The half away from the Sun is dark: it shows black against the blue.
        moon_rgb, ma = half_lit_moon(w, h, ex + PATH_R * np.cos(a), ey - PATH_R * np.sin(a), MOON_R)
        rgb = mk.composite(rgb, moon_rgb, ma)
    img = mk.to_image(np.clip(rgb, 0, 1))
    # Beside four places, the Moon as it looks from the Earth (northern
    # hemisphere), in a ring.
    draw = ImageDraw.Draw(img)
    for name, angle in PLACES.items():
        x, y = inset_centre(angle)
        draw.ellipse([x - INSET_R - 3, y - INSET_R - 3, x + INSET_R + 3, y + INSET_R + 3],
                     fill=(10, 16, 50), outline=(255, 255, 255), width=2)
        disc = frame_disc(FRAME_OF[name], INSET_R)
        img.paste(disc, (int(x - INSET_R), int(y - INSET_R)), disc)
    return img


def inset_centre(angle):
    """Where the inset of the Moon's look goes for the place at `angle`:
    further out along the same line from the Earth."""
    ex, ey = EARTH
    a = np.radians(angle)
    out = PATH_R + MOON_R + INSET_R + 10
    return ex + out * np.cos(a), ey - out * np.sin(a)


def main():
    mk.save_jpeg(topic_picture(), "Images", "moonphases.jpg")
    # The thumbnail: a waxing crescent, the whole disc in the picture.
    frame = Image.open(mk.out_path("phasesm", "moonph05.jpg")).convert("RGB")
    mk.save_jpeg(frame.crop((10, 12, 310, 228)).resize((57, 41), Image.LANCZOS), "Images", "phasessm.jpg")
    mk.save_jpeg(orbit_picture(), "Images", "moonorbit.jpg")
    print("made moonphases.jpg, phasessm.jpg, moonorbit.jpg")


if __name__ == "__main__":
    main()
