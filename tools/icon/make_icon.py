#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws Corvella's application icon: the Earth with the Moon beside it on a
night sky, in the program's own dark blue. Writes the scalable SVG and a PNG
for each size of the hicolor theme into desktop/icons/. Small sizes get their
own simpler drawing (no stars, no craters, bolder shapes) so that they stay
legible at 16 pixels instead of being a blurred copy of the large one.

Needs Debian's librsvg2-bin (rsvg-convert). Rerun after changing a shape."""
import math
import os
import subprocess
import sys

ICON_NAME = "org.corvella.Corvella"
PNG_SIZES = [16, 22, 24, 32, 48, 64, 128, 256, 512]
SMALL = 32  # at this size and below the simple drawing is used

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "desktop", "icons", "hicolor")

# The program's screen blue, RGB(39,55,131), darkening towards the corners.
SKY_TOP = "rgb(39,55,131)"
SKY_BOTTOM = "rgb(14,20,58)"
OCEAN_LIT = "rgb(70,150,230)"
OCEAN_DEEP = "rgb(22,74,160)"
LAND = "rgb(92,168,84)"
DESERT = "rgb(196,170,98)"
MOON_LIT = "rgb(236,236,226)"
MOON_DARK = "rgb(150,150,146)"

# Land masses as closed paths in the Earth's own frame (centre 0,0, radius 100),
# loosely the Atlantic face of the globe: the Americas left, Africa and Europe right.
LANDS = [
    (LAND, "M-78,-62 C-60,-80 -28,-84 -18,-66 C-10,-50 -30,-40 -36,-24 "
           "C-40,-12 -28,-4 -30,10 C-32,22 -44,24 -52,14 C-64,0 -86,-22 -78,-62 Z"),
    (LAND, "M-30,20 C-16,16 -4,26 -6,42 C-8,60 -20,78 -30,96 "
           "C-38,84 -40,66 -42,52 C-44,38 -42,24 -30,20 Z"),
    (LAND, "M22,-70 C40,-78 62,-72 70,-58 C76,-46 66,-40 56,-38 "
           "C44,-36 36,-44 28,-46 C18,-50 12,-62 22,-70 Z"),
    (DESERT, "M26,-30 C46,-38 74,-30 82,-10 C90,10 78,26 70,42 "
             "C62,58 56,76 46,82 C40,66 38,50 30,38 C20,24 10,14 14,-4 C16,-18 18,-26 26,-30 Z"),
    (LAND, "M46,40 C58,34 72,30 70,44 C66,58 58,74 46,82 C42,66 38,50 46,40 Z"),
]

STARS = [(40, 44, 3.2), (206, 32, 2.4), (226, 108, 2.0), (30, 150, 2.2),
         (92, 24, 1.8), (150, 44, 1.6), (232, 214, 2.6), (22, 224, 1.8)]
CRATERS = [(-18, -22, 12), (20, 10, 9), (-6, 30, 7), (26, -26, 6)]


def earth(cx, cy, r, small):
    """The globe: ocean shaded from the upper left, land, and the night side."""
    s = r / 100.0
    lands = "".join('<path d="%s" fill="%s"/>' % (d, colour) for colour, d in LANDS)
    night_opacity = 0.45 if small else 0.55
    return (
        '<g transform="translate(%.1f,%.1f)">' % (cx, cy) +
        '<circle r="%.1f" fill="url(#ocean)"/>' % r +
        '<g clip-path="url(#globe)" transform="scale(%.3f)">%s</g>' % (s, lands) +
        # The night side: a disc offset towards the lower right, clipped to the globe.
        '<g clip-path="url(#globeclip)"><circle cx="%.1f" cy="%.1f" r="%.1f" fill="rgb(6,10,36)" '
        'fill-opacity="%.2f"/></g>' % (r * 0.55, r * 0.45, r * 1.05, night_opacity) +
        ('' if small else
         '<circle r="%.1f" fill="none" stroke="rgb(150,205,255)" stroke-opacity="0.55" '
         'stroke-width="%.1f"/>' % (r - 1.5, 3.0)) +
        '</g>')


def moon(cx, cy, r, small):
    """The Moon, lit from the same side as the Earth."""
    craters = "" if small else "".join(
        '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s" fill-opacity="0.55"/>'
        % (cx + x * r / 50, cy + y * r / 50, c * r / 50, MOON_DARK) for x, y, c in CRATERS)
    return ('<circle cx="%.1f" cy="%.1f" r="%.1f" fill="%s"/>' % (cx, cy, r, MOON_LIT) + craters +
            '<clipPath id="moonclip"><circle cx="%.1f" cy="%.1f" r="%.1f"/></clipPath>'
            % (cx, cy, r) +
            '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="rgb(6,10,36)" fill-opacity="0.5" '
            'clip-path="url(#moonclip)"/>' % (cx + r * 0.6, cy + r * 0.5, r * 1.05))


def orbit(ex, ey, mx, my, rx=136.0, tilt=28.0):
    """The Moon's path around the Earth as a tilted ellipse through the Moon's centre."""
    a = math.radians(tilt)
    dx, dy = mx - ex, my - ey
    along = math.cos(a) * dx - math.sin(a) * dy  # the Moon in the ellipse's own frame
    across = math.sin(a) * dx + math.cos(a) * dy
    ry = abs(across) / math.sqrt(1 - (along / rx) ** 2)
    return ('<ellipse cx="%d" cy="%d" rx="%.1f" ry="%.1f" transform="rotate(%.1f %d %d)" '
            'fill="none" stroke="rgb(170,200,255)" stroke-opacity="0.35" stroke-width="3"/>'
            % (ex, ey, rx, ry, -tilt, ex, ey))


def icon_svg(small):
    """The whole icon on a 256-unit canvas."""
    earth_r = 92 if small else 84
    ex, ey = (112, 142) if small else (110, 146)
    moon_r = 34 if small else 28
    mx, my = (206, 56) if small else (196, 62)
    radius = 44
    defs = (
        '<linearGradient id="sky" x1="0" y1="0" x2="0.4" y2="1">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
        % (SKY_TOP, SKY_BOTTOM) +
        '<radialGradient id="ocean" cx="0.35" cy="0.3" r="0.75">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>'
        % (OCEAN_LIT, OCEAN_DEEP) +
        '<clipPath id="globe"><circle r="100"/></clipPath>'
        '<clipPath id="globeclip"><circle r="%.1f"/></clipPath>' % earth_r +
        '<clipPath id="tile"><rect width="256" height="256" rx="%d"/></clipPath>' % radius)
    body = ['<rect width="256" height="256" rx="%d" fill="url(#sky)"/>' % radius,
            '<g clip-path="url(#tile)">']
    if not small:
        body += ['<circle cx="%d" cy="%d" r="%.1f" fill="white" fill-opacity="0.9"/>' % s
                 for s in STARS]
        body.append(orbit(ex, ey, mx, my))
    body.append(earth(ex, ey, earth_r, small))
    body.append(moon(mx, my, moon_r, small))
    body.append('</g>')
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 256 256"><title>Corvella</title><defs>%s</defs>%s</svg>\n'
            % (defs, "".join(body)))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(path, mode) as f:
        f.write(data)


def render_png(svg, size):
    return subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size)],
                          input=svg.encode(), stdout=subprocess.PIPE, check=True).stdout


def main():
    large, small = icon_svg(small=False), icon_svg(small=True)
    write(os.path.join(OUT, "scalable", "apps", ICON_NAME + ".svg"), large)
    for size in PNG_SIZES:
        png = render_png(small if size <= SMALL else large, size)
        write(os.path.join(OUT, "%dx%d" % (size, size), "apps", ICON_NAME + ".png"), png)
    print("icons written to", os.path.normpath(OUT), file=sys.stderr)


if __name__ == "__main__":
    main()
