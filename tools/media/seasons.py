#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of "Time and the Seasons": the topic picture (the Earth in
space, lit from the Sun's side, its axis tilted), its quiz thumbnail, and
the Earth's path round the Sun for the labelling screen: the Earth at the
two solstices and the two equinoxes, its axis leaning the same way all
year, seen from a little above the north side of the path, on the screens'
blue, not to scale. The Sun is only ever seen from space here; no picture
shows anyone looking at it."""
import numpy as np
from PIL import ImageDraw

import mediakit as mk
import planets

W, H = 794, 524
TILT = 23.4  # degrees between the Earth's axis and the upright of its path
VIEW = 18.0  # degrees the viewer stands above the plane of the path

# The orbit picture (labelling screen): its size and the places of the Sun
# and of the Earth at the four turning points of the year, in pixels.
ORBIT_W, ORBIT_H = 600, 330
ORBIT_CX, ORBIT_CY = 300, 168
ORBIT_RX, ORBIT_RY = 232, 102
EARTH_R = 30
SUN_R = 36
# Seen from the north, the Earth goes round anticlockwise: from the
# December solstice (right) to the March equinox (far side), the June
# solstice (left) and the September equinox (near side).
POSITIONS = {"December solstice": 0, "March equinox": 90, "June solstice": 180,
             "September equinox": 270}


def tilted_earth(w, h, cx, cy, r, sun, lon=20, ambient=0.0):
    """The Earth with its north pole leaning TILT degrees to the right (the
    way it leans all year in these pictures), seen from VIEW degrees above
    its path, lit from the view-space direction `sun`."""
    # Spin the globe to `lon`, lean its axis in the plane of the picture,
    # then tilt everything towards the viewer standing above the path.
    lo, t, v = np.radians([lon, -TILT, VIEW])
    spin = np.array([[np.cos(lo), 0, -np.sin(lo)], [0, 1, 0], [np.sin(lo), 0, np.cos(lo)]])
    lean = np.array([[np.cos(t), -np.sin(t), 0], [np.sin(t), np.cos(t), 0], [0, 0, 1]])
    above = np.array([[1, 0, 0], [0, np.cos(v), -np.sin(v)], [0, np.sin(v), np.cos(v)]])
    rot = above @ lean @ spin
    rgb, alpha = planets.earth(w, h, cx, cy, r, rot=rot, sun=sun)
    if ambient:
        faint, _ = planets.earth(w, h, cx, cy, r, rot=rot, sun=(0.0, 0.0, 1.0))
        rgb = rgb + ambient * faint
    return rgb, alpha, rot


def axis_line(img, cx, cy, r, rot, colour=(255, 255, 255), width=2, reach=1.45):
    """Draws the Earth's axis through both poles and out beyond them."""
    pole = rot @ np.array([0.0, 1.0, 0.0])  # the north pole in view space
    dx, dy = pole[0] * r * reach, -pole[1] * r * reach
    draw = ImageDraw.Draw(img)
    draw.line([(cx - dx, cy - dy), (cx + dx, cy + dy)], fill=colour, width=width)
    draw.ellipse([cx + dx - 3, cy + dy - 3, cx + dx + 3, cy + dy + 3], fill=colour)  # the north end
    return img


def topic_picture():
    """The Earth in space, lit from the left, its axis tilted; a thin
    arc of the Sun's glow at the left edge."""
    rgb = np.clip(np.ones((H, W, 3)) * mk.colour(4, 8, 28) + mk.starfield(W, H, 300, 5, 0.8), 0, 1)
    glow = mk.radial(W, H, -420, H / 2) / 500.0
    rgb = rgb + np.clip(1.6 - glow, 0, 1)[..., None] ** 2 * mk.colour(255, 180, 60) * 0.9
    rgb = np.clip(rgb, 0, 1)
    cx, cy, r = 500, 262, 190
    earth_rgb, alpha, rot = tilted_earth(W, H, cx, cy, r, (-1.0, 0.0, 0.35), lon=10, ambient=0.05)
    rgb = mk.composite(rgb, earth_rgb, alpha)
    img = mk.to_image(rgb)
    return axis_line(img, cx, cy, r, rot, (255, 255, 210), 3, 1.3)


def orbit_picture():
    w, h = ORBIT_W, ORBIT_H
    rgb = np.ones((h, w, 3)) * planets.SCREEN_BLUE
    img = mk.to_image(rgb)
    draw = ImageDraw.Draw(img)
    box = [ORBIT_CX - ORBIT_RX, ORBIT_CY - ORBIT_RY, ORBIT_CX + ORBIT_RX, ORBIT_CY + ORBIT_RY]
    draw.ellipse(box, outline=(150, 180, 255), width=2)
    # Arrows on the path show the way round: anticlockwise seen from the north.
    for angle in (45, 135, 225, 315):
        a = np.radians(angle)
        x, y = ORBIT_CX + ORBIT_RX * np.cos(a), ORBIT_CY - ORBIT_RY * np.sin(a)
        tx, ty = -ORBIT_RX * np.sin(a), -ORBIT_RY * np.cos(a)
        n = np.hypot(tx, ty)
        tx, ty = tx / n, ty / n
        draw.polygon([(x + 9 * tx, y + 9 * ty), (x - 6 * tx + 6 * ty, y - 6 * ty - 6 * tx),
                      (x - 6 * tx - 6 * ty, y - 6 * ty + 6 * tx)], fill=(150, 180, 255))
    rgb = np.asarray(img, float) / 255.0
    # The far side of the path first, then the Sun, then the near side.
    order = sorted(POSITIONS.items(), key=lambda item: -np.sin(np.radians(item[1])))
    places = {}
    for name, angle in order:
        if np.sin(np.radians(angle)) < 0:
            continue
        rgb = _earth_at(rgb, name, angle, places)
    sun = planets.sun_disc(w, h, ORBIT_CX, ORBIT_CY, SUN_R, background=planets.SCREEN_BLUE)
    sun_alpha = mk.smoothstep(SUN_R * 2.2, SUN_R * 1.0, mk.radial(w, h, ORBIT_CX, ORBIT_CY))[..., None]
    rgb = rgb * (1 - sun_alpha) + sun * sun_alpha
    for name, angle in order:
        if np.sin(np.radians(angle)) < 0:
            rgb = _earth_at(rgb, name, angle, places)
    img = mk.to_image(rgb)
    for name, (x, y, rot) in places.items():
        axis_line(img, x, y, EARTH_R, rot)
    return img


def sun_direction(angle):
    """The direction of the Sun in view space from the Earth at `angle`."""
    a, v = np.radians(angle), np.radians(VIEW)
    # In the plane of the path: x right, z towards the viewer; the Sun lies
    # at (-cos a, sin a) from the Earth. Tilting the plane by VIEW turns
    # the depth z partly into height.
    dx, dz = -np.cos(a), np.sin(a)
    return (dx, -dz * np.sin(v), dz * np.cos(v))


def _earth_at(rgb, name, angle, places):
    a = np.radians(angle)
    x, y = ORBIT_CX + ORBIT_RX * np.cos(a), ORBIT_CY - ORBIT_RY * np.sin(a)
    earth_rgb, alpha, rot = tilted_earth(ORBIT_W, ORBIT_H, x, y, EARTH_R, sun_direction(angle),
                                         ambient=0.12)
    places[name] = (x, y, rot)
    return mk.composite(rgb, earth_rgb, alpha)


def main():
    pic = topic_picture()
    mk.save_jpeg(pic, "Images", "seasons.jpg")
    # The thumbnail: the Earth's sunlit side with its tilted axis.
    thumb = pic.crop((300, 92, 536, 262 + 170 - 92)).resize((57, 41))
    mk.save_jpeg(thumb, "Images", "seasonssm.jpg")
    mk.save_jpeg(orbit_picture(), "Images", "seasonsorbit.jpg")
    print("made seasons.jpg, seasonssm.jpg, seasonsorbit.jpg")


if __name__ == "__main__":
    main()
