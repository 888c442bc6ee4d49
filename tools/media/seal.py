#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The "Life on Earth" topic picture (and its quiz thumbnail): a seal pup on
sea ice under a pale polar sky, a home where only well-adapted life thrives.
The pup is public-domain clip art (see media/CREDITS.md); the scene is drawn here."""
import os

import numpy as np
from PIL import Image

import mediakit as mk
import svgdraw as sv

W, H = 512, 460
SEAL = 300


def scene():
    defs = """
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(96,150,214)"/><stop offset="1" stop-color="rgb(206,228,244)"/></linearGradient>
    <linearGradient id="sea" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(40,92,140)"/><stop offset="1" stop-color="rgb(28,70,116)"/></linearGradient>
    <linearGradient id="ice" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(246,250,255)"/><stop offset="1" stop-color="rgb(206,224,240)"/></linearGradient>
    <linearGradient id="berg" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="rgb(236,244,252)"/><stop offset="1" stop-color="rgb(170,200,228)"/></linearGradient>
    """
    b = ['<rect width="%d" height="200" fill="url(#sky)"/>' % W,
         '<rect y="196" width="%d" height="%d" fill="url(#sea)"/>' % (W, H - 196),
         '<path d="M30,198 L60,160 L82,170 L104,140 L138,198 Z" fill="url(#berg)"/>',
         '<path d="M360,198 L384,176 L400,182 L430,150 L452,168 L470,198 Z" fill="url(#berg)"/>',
         '<path d="M0,268 C80,250 170,246 260,252 C350,258 430,246 512,256 L512,%d L0,%d Z" fill="url(#ice)"/>' % (H, H),
         '<path d="M0,268 C80,250 170,246 260,252 C350,258 430,246 512,256" stroke="rgb(150,186,214)" stroke-width="3" fill="none"/>',
         '<path d="M0,282 C90,266 180,264 260,268 C350,272 430,262 512,270 L512,286 C420,280 330,290 250,284 C170,280 80,284 0,296 Z" fill="rgb(220,234,246)"/>',
         '<ellipse cx="246" cy="384" rx="110" ry="8" fill="rgb(150,178,204)" opacity="0.55"/>']
    for i, y in enumerate([208, 222, 238]):
        b.append('<path d="M%s" stroke="rgb(120,170,210)" stroke-opacity="0.5" stroke-width="1.2" fill="none"/>'
                 % sv.wavy(0, W, y, 1.2, 70 + 20 * i, 20 + i))
    return sv.doc(W, H, "".join(b), defs)


def main():
    img = sv.render(scene(), W, H)[..., :3]
    pup = sv.render_file(os.path.join(mk.SOURCES, "seal_pup.svg"), SEAL, SEAL)
    # a touch lighter: the pup's fur is pale silver against the ice
    pup[..., :3] = 1 - (1 - pup[..., :3]) * 0.82
    x0, y0 = (W - SEAL) // 2 - 5, H - SEAL - 8
    region = img[y0:y0 + SEAL, x0:x0 + SEAL]
    img[y0:y0 + SEAL, x0:x0 + SEAL] = sv.over(region, pup)
    grain = mk.fbm2(W, H, 1.5, octaves=2, seed=9) - 0.5
    img = img + grain[..., None] * 0.03
    pic = mk.save_jpeg(img, "Images", "babyseal.jpg")
    mk.save_jpeg(pic.crop((96, 170, 416, 400)).resize((57, 41), Image.LANCZOS), "Images", "babysealsm.jpg", 92)


if __name__ == "__main__":
    main()
