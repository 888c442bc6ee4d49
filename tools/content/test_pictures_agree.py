# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that drawings which show sizes, places and times agree with what
their pages teach: bodies said to be compared to scale are drawn to one
scale, the Orbits labelling picture's arrow of the Sun's pull starts at the
Earth and not on the Moon, and the Life page's one-day clock starts from the
Earth's age the page gives, with the times the notes quote.
Run: python3 test_pictures_agree.py"""

import math
import re
import sys
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "media"))
sys.path.insert(0, str(HERE.parent / "pages"))
sys.path.insert(0, str(HERE))

# The picture tools need Debian's python3-numpy and python3-pil.
import diagrams  # noqa: E402
import diagrams_solarsystem  # noqa: E402
import pages_life  # noqa: E402
import solarsystem  # noqa: E402
from test_seasons_phases import Recorder  # noqa: E402


def page_text(pages, file):
    """Every paragraph and bullet of one page, joined."""
    page = next(p for p in pages if p.file == file)
    return " ".join(getattr(block, "text", "") for block in page.blocks)


class MoonsAndPluto(unittest.TestCase):
    # Diameters in km (NASA): the Earth, Mars, the Moon beside the Earth,
    # our Moon beside Pluto, Pluto.
    DIAMETERS = (12756, 6779, 3475, 3475, 2377)

    def test_all_bodies_drawn_to_one_scale(self):
        drawing = Recorder()
        diagrams_solarsystem.moons_and_pluto(drawing)
        radii = sorted((r for _, _, _, r in drawing.discs), reverse=True)[:len(self.DIAMETERS)]
        scale = radii[0] / self.DIAMETERS[0]
        for radius, diameter in zip(radii, self.DIAMETERS):
            self.assertAlmostEqual(radius / scale / diameter, 1, delta=0.1,
                                   msg="a body is drawn %.0f%% of its true size against the Earth"
                                   % (100 * radius / scale / diameter))


class OrbitsLabelling(unittest.TestCase):
    def test_moon_on_its_path_and_clear_of_the_sun_pull_arrow(self):
        (mx, my), moon_r = solarsystem.OL_MOON, solarsystem.OL_MOON_R
        cx, cy, rx, ry = solarsystem.OL_MOON_PATH
        self.assertAlmostEqual(((mx - cx) / rx) ** 2 + ((my - cy) / ry) ** 2, 1, delta=0.15)
        (sx, sy), _ = solarsystem.sun_pull_arrow()
        ex, ey = solarsystem.OL_EARTH
        to_moon = math.hypot(sx - mx, sy - my)
        self.assertGreater(to_moon, moon_r + 6, "the arrow of the Sun's pull starts on the Moon")
        self.assertLess(math.hypot(sx - ex, sy - ey), to_moon, "the arrow starts nearer the Moon")
        px, py = solarsystem.OL_POINTS["The Moon"]
        self.assertLessEqual(math.hypot(px - mx, py - my), moon_r, "the Moon's pointer misses it")


class LifeClock(unittest.TestCase):
    def test_midnight_is_the_earths_age_on_the_page(self):
        text = page_text(pages_life.PAGES, "key lifeb")
        age = re.search(r"Earth formed about \*\*([\d,]+) million years ago", text)
        self.assertIsNotNone(age, "the page no longer gives the Earth's age")
        self.assertEqual(int(age.group(1).replace(",", "")), diagrams.EARTH_AGE)

    def test_times(self):
        for age, shown in ((4500, "12:00 am"), (2250, "12:00 pm"), (3700, "4:16 am"),
                           (360, "10:05 pm"), (66, "11:39 pm")):
            with self.subTest(age=age):
                self.assertEqual(diagrams.clock_time(age), shown)

    def test_notes_quote_the_clock(self):
        self.assertIn("(%s)" % diagrams.clock_time(360), page_text(pages_life.PAGES, "lifeb"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
