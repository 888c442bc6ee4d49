#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what the pages promise of the maps: the world map keeps every
area true (so no continent is shrunk), places land on the continent the
pages name, and the Moon's landing places are marked with east on the
right as the Moon is seen from the Earth.
Run: python3 test_maps.py (needs numpy and Pillow, as the media tools do)"""

import os
import sys
import unittest

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import continents  # noqa: E402
import moonlandings  # noqa: E402


def map_area(lon0, lat0, size=0.5):
    """The area on the map of a cell `size` degrees square."""
    corners = [(lon0, lat0), (lon0 + size, lat0), (lon0 + size, lat0 + size), (lon0, lat0 + size)]
    xy = [continents.forward(np.radians(lo), np.radians(la)) for lo, la in corners]
    x = np.array([p[0] for p in xy])
    y = np.array([p[1] for p in xy])
    return 0.5 * abs(np.dot(x, np.roll(y, 1)) - np.dot(y, np.roll(x, 1)))


def sphere_area(lat0, size=0.5):
    return np.radians(size) * (np.sin(np.radians(lat0 + size)) - np.sin(np.radians(lat0)))


class WorldMap(unittest.TestCase):
    def test_every_area_is_true_from_the_equator_to_the_poles(self):
        # Cells near Greenland, Antarctica and the equator, far from the middle and near it.
        ratios = [map_area(lon, lat) / sphere_area(lat)
                  for lon, lat in ((0, 0), (-45, 70), (150, -75), (-179, 40), (20, -35), (100, 85))]
        self.assertLess(max(ratios) / min(ratios) - 1, 0.01, ratios)

    def test_going_to_the_map_and_back_returns_the_same_place(self):
        lon, lat = np.radians(np.array([-170.0, -60, 0, 45, 179])), np.radians(np.array([-80.0, -20, 0, 35, 88]))
        back_lon, back_lat, on = continents.inverse(*continents.forward(lon, lat))
        self.assertTrue(on.all())
        np.testing.assert_allclose(back_lon, lon, atol=1e-9)
        np.testing.assert_allclose(back_lat, lat, atol=1e-9)

    def test_the_map_is_centred_on_longitude_zero(self):
        x, _ = continents.to_pixel(0.0, 0.0, 700, 341)
        self.assertAlmostEqual(x, 350.0)

    def test_places_belong_to_the_continent_the_pages_name(self):
        places = {  # (longitude, latitude) of a city or a point of land
            "Europe": [(-0.1, 51.5), (37.6, 55.8), (-21.9, 64.1), (-3.7, 40.4), (14.5, 35.9)],
            "Asia": [(139.7, 35.7), (39.8, 21.4), (77.2, 28.6), (32.9, 39.9), (106.8, -6.2)],
            "Africa": [(31.2, 30.0), (18.4, -33.9), (47.5, -18.9), (-7.6, 33.6), (10.2, 36.8)],
            "North America": [(-74.0, 40.7), (-51.7, 64.2), (-99.1, 19.4), (-79.5, 9.0)],
            "South America": [(-74.1, 4.7), (-58.4, -34.6), (-43.2, -22.9)],
            "Australia": [(151.2, -33.9), (147.2, -9.4), (174.8, -36.8), (147.3, -42.9)],
            "Antarctica": [(0.0, -85.0), (166.7, -77.8)],
        }
        for name, points in places.items():
            lon, lat = np.array(points, float).T
            got = [continents.NAMES[i] for i in continents.continent_of(lon, lat)]
            self.assertEqual(got, [name] * len(points), points)


class LandingSites(unittest.TestCase):
    def test_sites_lie_on_the_near_side_with_east_on_the_right(self):
        centre = moonlandings.SITES_SIZE / 2
        for name, (lat, lon) in moonlandings.SITES.items():
            x, y = moonlandings.site_point(name)
            self.assertLess(np.hypot(x - centre, y - centre), moonlandings.SITES_R, name)
            self.assertEqual(x > centre, lon > 0, name)
            self.assertEqual(y < centre, lat > 0, name)

    def test_each_pointer_line_leaves_by_its_own_edge(self):
        size = moonlandings.SITES_SIZE - 1
        ends = set()
        for name in moonlandings.SITES:
            ex, ey = moonlandings.edge_point(name)
            self.assertTrue(ex in (0, size) or ey in (0, size), name)
            ends.add((round(ex), round(ey)))
        self.assertEqual(len(ends), len(moonlandings.SITES))


if __name__ == "__main__":
    unittest.main()
