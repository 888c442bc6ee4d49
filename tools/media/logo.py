#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The publisher's logo for the acknowledgements page: a quill dipping into a
mere, whose ripples spread for ever (20 GIF frames, a seamless half-second
loop), and the static name plate. Both sit on the page's blue."""
import numpy as np
from PIL import Image

import mediakit as mk
import svgdraw as sv

PAGE_BLUE = (49, 130, 212)
GOLD = "rgb(240,200,70)"
FRAMES = 20
SIZE = 120
NIB = (60.0, 86.0)


def emblem(f):
    t = f / FRAMES
    tilt = -26 + 3 * np.sin(2 * np.pi * t)  # the quill nods once per loop
    defs = """
    <clipPath id="disc"><circle cx="60" cy="60" r="54"/></clipPath>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="rgb(18,40,104)"/><stop offset="1" stop-color="rgb(40,84,160)"/></linearGradient>
    <linearGradient id="vane" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="rgb(255,252,240)"/><stop offset="1" stop-color="rgb(214,206,186)"/></linearGradient>
    """
    b = ['<circle cx="60" cy="60" r="57" fill="%s"/>' % GOLD,
         '<g clip-path="url(#disc)"><rect width="120" height="120" fill="url(#sky)"/>',
         '<rect y="80" width="120" height="40" fill="rgb(38,120,190)"/>']
    spacing = 11.0
    for k in range(6):  # ripples move out by one spacing per loop, so the loop is seamless
        r = (k + t) * spacing
        fade = max(0.0, 1 - r / (6 * spacing))
        if r > 0.5:
            b.append('<ellipse cx="%.2f" cy="%.2f" rx="%.2f" ry="%.2f" fill="none" stroke="white" '
                     'stroke-opacity="%.3f" stroke-width="1.6"/>' % (NIB[0], NIB[1] + 1, r, r * 0.28, 0.9 * fade))
    b.append('</g>')
    b.append('<g transform="translate(%.1f,%.1f) rotate(%.2f) scale(0.86)">' % (NIB[0], NIB[1], tilt))
    b.append('<path d="M0,-18 C-15,-38 -16,-76 -2,-100 C12,-80 12,-40 0,-18 Z" fill="url(#vane)" stroke="rgb(150,140,120)" stroke-width="0.8"/>')
    for k in range(8):
        y = -28 - k * 9
        b.append('<path d="M0,%d L-9,%d M0,%d L8,%d" stroke="rgb(170,160,140)" stroke-width="0.7"/>' % (y, y - 7, y, y - 6))
    b.append('<path d="M0,-2 L0,-102" stroke="rgb(120,100,70)" stroke-width="1.4"/>')
    b.append('<path d="M-2.6,-20 L0,0 L2.6,-20 Z" fill="rgb(40,30,30)"/></g>')
    b.append('<circle cx="60" cy="60" r="56" fill="none" stroke="rgb(255,236,150)" stroke-width="1.2"/>')
    return sv.doc(SIZE, SIZE, "".join(b), defs)


def to_gif(rgba):
    bg = np.array(PAGE_BLUE) / 255.0
    img = mk.to_image(sv.over(np.ones(rgba.shape[:2] + (3,)) * bg, rgba))
    return img.convert("P", palette=Image.ADAPTIVE, colors=128)


def name_plate():
    w, h = 120, 65
    body = ('<rect width="%d" height="%d" fill="rgb%s"/>' % (w, h, str(PAGE_BLUE)) +
            '<text x="60" y="27" font-family="DejaVu Serif" font-weight="bold" font-size="19" '
            'text-anchor="middle" fill="%s">Quillmere</text>' % GOLD +
            '<text x="60" y="42" font-family="DejaVu Sans" font-size="8.5" letter-spacing="2.2" '
            'text-anchor="middle" fill="white">PUBLISHING</text>')
    for k, y in enumerate((50, 56)):
        body += '<path d="M%s" stroke="white" stroke-opacity="%.2f" stroke-width="1.3" fill="none"/>' % (
            sv.wavy(14 + 8 * k, 106 - 8 * k, y, 1.3, 16, 2 + k, step=2), 0.85 - 0.3 * k)
    rgba = sv.render(sv.doc(w, h, body), w, h)
    mk.to_image(rgba[..., :3]).save(mk.out_path("logo", "quillmere2.bmp"))


def main():
    for f in range(FRAMES):
        to_gif(sv.render(emblem(f), SIZE, SIZE)).save(mk.out_path("logo", "quil%04d.gif" % f))
    name_plate()


if __name__ == "__main__":
    main()
