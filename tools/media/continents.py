#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of "Continents and Oceans": the topic picture (the whole
Earth from the Earth map, unrolled flat), its quiz thumbnail, and the map
of the seven continents for the labelling screen, each continent in its
own colour on the ocean's blue.

Every map here is drawn in an equal-area projection (the Equal Earth
projection), so each continent keeps its true size compared with the
others: the southern continents are not shrunk and Greenland is not
swollen as on maps made for sailors. The maps are centred on longitude 0,
the line through Greenwich; the pages say so, since atlases in other
countries often centre theirs elsewhere.

The land comes from the Earth map credited in media/CREDITS.md; which
continent a piece of land belongs to is decided by a few lines of latitude
and longitude below, good to a pixel or two at these sizes. New Guinea and
New Zealand are coloured with Australia, as atlases that show the region
of Oceania with its continent do."""
import numpy as np

import mediakit as mk

W, H = 794, 524
SQRT3 = np.sqrt(3.0)
A1, A2, A3, A4 = 1.340264, -0.081106, 0.000893, 0.003796
X_EDGE = 2 * SQRT3 * np.pi / (3 * A1)  # the map's half-width at the equator
Y_EDGE = A4 * (np.pi / 3) ** 9 + A3 * (np.pi / 3) ** 7 + A2 * (np.pi / 3) ** 3 + A1 * np.pi / 3

OCEAN = mk.colour(40, 110, 190)
CONTINENTS = {  # name: colour
    "North America": mk.colour(232, 150, 60),
    "South America": mk.colour(120, 190, 70),
    "Europe": mk.colour(190, 110, 200),
    "Africa": mk.colour(240, 210, 70),
    "Asia": mk.colour(220, 90, 80),
    "Australia": mk.colour(60, 190, 170),
    "Antarctica": mk.colour(235, 240, 245),
}
NAMES = list(CONTINENTS)

# The labelling map: its size in pixels, and the point of each continent a
# pointer line runs from (the activity file carries it on to the box).
LABEL_W, LABEL_H = 700, 341


def forward(lon, lat):
    """Equal Earth: radians to map units (x east, y north)."""
    theta = np.arcsin(SQRT3 / 2 * np.sin(lat))
    t2 = theta * theta
    t6 = t2 * t2 * t2
    x = 2 * SQRT3 * lon * np.cos(theta) / (3 * (9 * A4 * t6 * t2 + 7 * A3 * t6 + 3 * A2 * t2 + A1))
    y = theta * (A1 + A2 * t2 + t6 * (A3 + A4 * t2))
    return x, y


def inverse(x, y):
    """Map units to radians, and whether the point is on the map."""
    theta = np.clip(y, -Y_EDGE, Y_EDGE).copy()
    for _ in range(8):  # Newton's method for theta from y
        t2 = theta * theta
        t6 = t2 * t2 * t2
        f = theta * (A1 + A2 * t2 + t6 * (A3 + A4 * t2)) - y
        df = A1 + 3 * A2 * t2 + t6 * (7 * A3 + 9 * A4 * t2)
        theta = theta - f / df
    t2 = theta * theta
    t6 = t2 * t2 * t2
    lon = 3 * x * (9 * A4 * t6 * t2 + 7 * A3 * t6 + 3 * A2 * t2 + A1) / (2 * SQRT3 * np.cos(theta))
    lat = np.arcsin(np.clip(2 * np.sin(theta) / SQRT3, -1, 1))
    return lon, lat, (np.abs(lon) <= np.pi) & (np.abs(y) <= Y_EDGE)


def to_pixel(lon_deg, lat_deg, w, h):
    """Where a place falls on a map w x h pixels filling the whole picture."""
    x, y = forward(np.radians(lon_deg), np.radians(lat_deg))
    return (w / 2 + x / X_EDGE * (w / 2 - 1)), (h / 2 - y / Y_EDGE * (h / 2 - 1))


def continent_of(lon, lat):
    """Index into NAMES of the continent at each point (degrees), for land."""
    c = np.full(lon.shape, NAMES.index("Asia"))
    europe = ((lat > 46) & (lon > -32) & (lon < 58)) | \
             ((lat > 35.5) & (lon > -12) & (lon < 40) & ~((lon > 26.3) & (lat < 41.3)))
    c[europe] = NAMES.index("Europe")
    red_sea = 32.5 + np.clip(30 - lat, 0, None) * 0.63  # the Red Sea and Suez, Africa to the west
    africa = (lon > -20) & (lon < 52) & (lat < 37.5) & ~((lat > 12.5) & (lon > red_sea)) & (
        (lat < 35.95) | ((lon > -1.9) & (lon < 11.3)))
    africa &= ~((lon > 11.3) & (lat > 33.5))
    c[africa] = NAMES.index("Africa")
    americas = (lon < -25) & ~((lon < -169.2) & (lat > 64.3))
    south = americas & (lat < 12.5) & (lon > -81.5) & ~((lat > 7.0) & (lon < -77.3))
    c[americas] = NAMES.index("North America")
    c[south] = NAMES.index("South America")
    australia = ((lon > 112) & (lon < 155) & (lat < -10.5)) | \
                ((lon > 130.9) & (lon < 155) & (lat < -0.5) & (lat > -12)) | \
                ((lon > 165) & (lat < -33) & (lat > -48))
    c[australia] = NAMES.index("Australia")
    c[lat < -60] = NAMES.index("Antarctica")
    return c


def land_of(rgb, lon, lat):
    """Land where the Earth map is not the deep blue of the sea, nor the
    white sea ice of the Arctic Ocean (degrees); Greenland and the islands
    of northern Canada stay land under their snow."""
    r, g, b = rgb[..., 0], rgb[..., 1], rgb[..., 2]
    sea_ice = (rgb.mean(axis=-1) > 0.8) & (lat > 72) & ~((lon > -125) & (lon < -10) & (lat < 83.7))
    return ~((b > r + 0.04) & (b > g + 0.01) & (r < 0.35)) & ~sea_ice


def project(w, h, colour_of, background, ss=3):
    """A map w x h filling the picture; colour_of(lon, lat) in radians
    gives the colour of each point of the Earth."""
    ys, xs = np.mgrid[0:h * ss, 0:w * ss].astype(float)
    mx = ((xs + 0.5) / ss - w / 2) / (w / 2 - 1) * X_EDGE
    my = -((ys + 0.5) / ss - h / 2) / (h / 2 - 1) * Y_EDGE
    lon, lat, on = inverse(mx, my)
    rgb = np.where(on[..., None], colour_of(lon, lat), background)
    return mk.downsample(rgb, ss)


def earth_map():
    return mk.LonLatMap.from_file("earth_1k.jpg")


def continents_map(w, h, background):
    earth = earth_map()
    palette = np.stack([CONTINENTS[n] for n in NAMES])

    def colour(lon, lat):
        lon_d, lat_d = np.degrees(lon), np.degrees(lat)
        land = land_of(earth.sample(lon, lat), lon_d, lat_d)
        which = continent_of(lon_d, lat_d)
        return np.where(land[..., None], palette[which], OCEAN)
    return project(w, h, colour, background)


def graticule(rgb, w, h, ox=0, oy=0):
    """Faint lines every 30 degrees, the equator a little stronger."""
    img = mk.to_image(rgb)
    from PIL import ImageDraw
    d = ImageDraw.Draw(img)
    for lat in range(-60, 90, 30):
        pts = [to_pixel(lon, lat, w, h) for lon in range(-180, 181, 5)]
        d.line([(x + ox, y + oy) for x, y in pts], fill=(200, 225, 255) if lat == 0 else (110, 160, 215),
               width=1)
    for lon in range(-180, 181, 30):
        pts = [to_pixel(lon, lat, w, h) for lat in range(-90, 91, 5)]
        d.line([(x + ox, y + oy) for x, y in pts], fill=(200, 225, 255) if lon == 0 else (110, 160, 215),
               width=1)
    return np.asarray(img) / 255.0


def topic_picture():
    """The Earth map unrolled on a starry blue: the land as seen from space."""
    y = np.linspace(0, 1, H)[:, None, None]
    top, low = mk.colour(6, 14, 46), mk.colour(20, 40, 100)
    rgb = np.clip(top + (low - top) * y * np.ones((1, W, 1)) + mk.starfield(W, H, 200, 7, 0.6), 0, 1)
    mw, mh = 740, 360
    left, top_y = (W - mw) // 2, 110  # clear of the title above
    earth = earth_map()
    flat = project(mw, mh, lambda lon, lat: earth.sample(lon, lat) * 1.15, np.zeros(3))
    ys, xs = np.mgrid[0:mh, 0:mw].astype(float)
    mx = (xs + 0.5 - mw / 2) / (mw / 2 - 1) * X_EDGE
    my = -(ys + 0.5 - mh / 2) / (mh / 2 - 1) * Y_EDGE
    _, _, on = inverse(mx, my)
    on = on.astype(float)
    region = rgb[top_y:top_y + mh, left:left + mw]
    rgb[top_y:top_y + mh, left:left + mw] = region * (1 - on[..., None]) + flat * on[..., None]
    return np.clip(rgb, 0, 1)


def main():
    pic = topic_picture()
    mk.save_jpeg(pic, "Images", "worldmap.jpg")
    # The thumbnail: Africa and Europe with the Atlantic beside them.
    thumb = mk.to_image(pic).crop((300, 150, 520, 310)).resize((57, 41))
    mk.save_jpeg(thumb, "Images", "worldmapsm.jpg")
    label = continents_map(LABEL_W, LABEL_H, mk.colour(0, 51, 154))
    label = graticule(label, LABEL_W, LABEL_H)
    # Land drawn again over the lines, so the lines lie on the sea only.
    clean = continents_map(LABEL_W, LABEL_H, mk.colour(0, 51, 154))
    sea = np.all(np.abs(clean - OCEAN) < 0.02, axis=-1)
    label = np.where(sea[..., None], label, clean)
    mk.save_jpeg(label, "Images", "continentsmap.jpg")
    print("made worldmap.jpg, worldmapsm.jpg, continentsmap.jpg")


if __name__ == "__main__":
    main()
