# SPDX-License-Identifier: GPL-3.0-or-later
"""Render SVG drawn in code with rsvg-convert, for the illustrated pictures."""
import io

import subprocess

import numpy as np
from PIL import Image

def render(svg_text, w, h):
    """SVG source to a float RGBA array h x w x 4 in 0..1."""
    png = subprocess.run(["rsvg-convert", "-w", str(w), "-h", str(h)], input=svg_text.encode(),
                         stdout=subprocess.PIPE, check=True).stdout
    return np.asarray(Image.open(io.BytesIO(png)).convert("RGBA")) / 255.0

def render_file(path, w, h):
    with open(path) as f:
        return render(f.read(), w, h)

def doc(w, h, body, defs=""):
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            'width="%d" height="%d" viewBox="0 0 %d %d"><defs>%s</defs>%s</svg>' % (w, h, w, h, defs, body))

def over(bg, rgba):
    a = rgba[..., 3:4]
    return bg * (1 - a) + rgba[..., :3] * a

def wavy(x0, x1, y, amp, period, seed, step=6):
    """Points of a gently wavy line, as an SVG path fragment."""
    rng = np.random.default_rng(seed)
    ph, ph2 = rng.random() * 6.3, rng.random() * 6.3
    pts = []
    for x in np.arange(x0, x1 + step, step):
        yy = y + amp * np.sin(x / period * 6.283 + ph) + 0.5 * amp * np.sin(x / period * 15.7 + ph2)
        pts.append("%.1f,%.1f" % (x, yy))
    return " L".join(pts)

