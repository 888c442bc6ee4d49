#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The tides topic picture (and its quiz thumbnail): a beach at low tide on a
calm evening. The sea has drawn back, a boat rests on the wet sand, and a line
of seaweed and a dark band on the rocks and posts show where high water
reached. The Moon, which raises the tides, is up. The screen lays its title and
two top labels over the top of the picture, so the sky there is dark and plain,
close to the screen's own blue."""
import numpy as np

import mediakit as mk
import svgdraw as sv

W, H = 794, 524
HORIZON = 205


def svg():
    defs = """
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(34,55,128)"/><stop offset="0.35" stop-color="rgb(44,70,146)"/>
      <stop offset="0.75" stop-color="rgb(112,132,190)"/><stop offset="1" stop-color="rgb(240,188,150)"/></linearGradient>
    <linearGradient id="sea" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(70,96,150)"/><stop offset="1" stop-color="rgb(46,118,140)"/></linearGradient>
    <linearGradient id="wet" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(132,124,112)"/><stop offset="1" stop-color="rgb(168,144,104)"/></linearGradient>
    <linearGradient id="dry" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(222,196,146)"/><stop offset="1" stop-color="rgb(238,214,166)"/></linearGradient>
    <radialGradient id="moonglow"><stop offset="0" stop-color="rgb(255,250,225)" stop-opacity="0.55"/>
      <stop offset="1" stop-color="rgb(255,250,225)" stop-opacity="0"/></radialGradient>
    <linearGradient id="rock" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(120,112,104)"/><stop offset="1" stop-color="rgb(84,78,72)"/></linearGradient>
    <clipPath id="rockclip"><path d="M0,300 C40,270 90,262 140,285 C175,300 205,330 222,380 C234,420 244,470 262,524 L0,524 Z"/></clipPath>
    """
    b = []
    b.append('<rect width="%d" height="%d" fill="url(#sky)"/>' % (W, HORIZON + 2))
    b.append('<circle cx="668" cy="122" r="60" fill="url(#moonglow)"/>')
    b.append('<circle cx="668" cy="122" r="17" fill="rgb(246,243,226)"/>')
    b.append('<circle cx="661" cy="117" r="4" fill="rgb(214,212,200)"/><circle cx="673" cy="128" r="3" fill="rgb(218,216,204)"/>')
    for x, y, s in [(250, 120, 9), (282, 132, 7), (430, 98, 6)]:  # gulls
        b.append('<path d="M%d,%d q%d,-%d %d,0 q%d,-%d %d,0" stroke="rgb(30,40,70)" stroke-width="2" fill="none"/>'
                 % (x, y, s / 2, s * 0.7, s, s / 2, s * 0.7, s))
    b.append('<path d="M520,%d C580,178 640,170 700,182 C740,176 770,168 794,172 L794,%d Z" fill="rgb(66,78,112)"/>'
             % (HORIZON + 1, HORIZON + 1))
    b.append('<rect y="%d" width="%d" height="110" fill="url(#sea)"/>' % (HORIZON, W))
    for i, y in enumerate([218, 232, 249, 268, 288]):
        b.append('<path d="M%s" stroke="rgb(150,185,205)" stroke-opacity="0.45" stroke-width="%.1f" fill="none"/>'
                 % (sv.wavy(0, W, y, 1.5 + i * 0.6, 90 + i * 30, i), 0.8 + i * 0.3))
    edge = sv.wavy(0, W, 306, 5, 210, 7)
    b.append('<path d="M%s L%d,%d L0,%d Z" fill="url(#wet)"/>' % (edge, W, H, H))
    b.append('<path d="M%s" stroke="rgb(246,250,250)" stroke-width="4" fill="none" stroke-linecap="round"/>' % edge)
    for cx, cy, rx, ry in [(330, 340, 60, 7), (560, 362, 80, 8), (700, 332, 45, 5), (260, 372, 40, 5)]:
        b.append('<ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="rgb(150,160,190)" opacity="0.75"/>' % (cx, cy, rx, ry))
    dry = sv.wavy(0, W, 404, 6, 260, 3)
    b.append('<path d="M%s L%d,%d L0,%d Z" fill="url(#dry)"/>' % (dry, W, H, H))
    b.append('<path d="M%s" stroke="rgb(70,72,40)" stroke-width="5" fill="none" stroke-dasharray="14 4 22 6"/>' % dry)
    rng = np.random.default_rng(5)
    for x in rng.uniform(0, W, 70):  # shells and weed along the high-water line
        y = 404 + 6 * np.sin(x / 260 * 6.283) + rng.normal(0, 3)
        col = "rgb(250,246,236)" if rng.random() < 0.4 else "rgb(60,70,34)"
        b.append('<ellipse cx="%.0f" cy="%.0f" rx="%.1f" ry="%.1f" fill="%s"/>' % (x, y, 1.5 + rng.random() * 3, 1.2 + rng.random(), col))
    # rocks with a dark, weedy band up to the high-water height
    b.append('<g clip-path="url(#rockclip)"><rect width="270" height="524" fill="url(#rock)"/>'
             '<rect y="352" width="270" height="172" fill="rgb(52,62,40)"/>'
             '<path d="M%s" stroke="rgb(80,96,52)" stroke-width="6" fill="none"/></g>' % sv.wavy(0, 240, 352, 3, 60, 9))
    b.append('<path d="M0,300 C40,270 90,262 140,285 C175,300 205,330 222,380 C234,420 244,470 262,524" stroke="rgb(60,54,50)" stroke-width="2" fill="none"/>')
    b.append('<path d="M40,292 C70,300 95,330 100,360 M150,300 C160,320 168,340 170,352" stroke="rgb(92,86,80)" stroke-width="2" fill="none"/>')
    # a tide post with depth marks: wet and green below the high-water mark
    for x, top, bottom, w in [(610, 268, 372, 10), (650, 285, 352, 6)]:
        b.append('<rect x="%d" y="%d" width="%d" height="%d" fill="rgb(120,92,62)"/>' % (x, top, w, bottom - top))
        b.append('<rect x="%d" y="%d" width="%d" height="%d" fill="rgb(52,70,44)"/>' % (x, top + (bottom - top) * 0.42, w, (bottom - top) * 0.58))
    for k in range(6):
        b.append('<rect x="610" y="%d" width="6" height="2" fill="rgb(250,250,240)"/>' % (280 + k * 15))
    # a rowing boat resting on the sand, its rope running down to the water
    b.append('<g transform="translate(420,352) rotate(-9)">'
             '<path d="M-70,-14 L74,-16 C66,6 44,16 10,17 C-30,17 -58,8 -70,-14 Z" fill="rgb(200,58,46)"/>'
             '<path d="M-70,-14 L74,-16 L72,-9 L-66,-7 Z" fill="rgb(245,240,228)"/>'
             '<path d="M-40,-12 L-40,-2 M0,-13 L0,0 M40,-14 L40,-2" stroke="rgb(120,70,40)" stroke-width="3"/>'
             '<ellipse cx="6" cy="20" rx="74" ry="5" fill="rgb(60,50,40)" opacity="0.35"/></g>')
    b.append('<path d="M492,338 C520,330 540,318 548,306" stroke="rgb(90,70,50)" stroke-width="2" fill="none"/>')
    return sv.doc(W, H, "".join(b), defs)


def main():
    rgba = sv.render(svg(), W, H)
    img = rgba[..., :3]
    y = np.arange(H)[:, None]
    grain = mk.fbm2(W, H, 2.0, octaves=2, seed=4) - 0.5
    img = img + (grain * 0.08 * (y > HORIZON))[..., None]
    pic = mk.save_jpeg(img, "Images", "tide.jpg")
    from PIL import Image
    mk.save_jpeg(pic.crop((230, 150, 794, 524)).resize((57, 41), Image.LANCZOS), "Images", "tidesm.jpg", 92)


if __name__ == "__main__":
    main()
