# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the seasons and Moon-phase drawings and activities teach the
sky the right way round: every labelling box lies beside the body it names
in its picture, each diagram's Earth has its night half away from the Sun,
each Moon shape is lit on the right side for its phase and hemisphere, and
the ordering activity's phases run as the key-facts page shows them.
Run: python3 test_seasons_phases.py"""

import math
import sys
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "media"))
sys.path.insert(0, str(HERE.parent / "pages"))
sys.path.insert(0, str(HERE))

# The picture tools need Debian's python3-numpy and python3-pil.
import diagrams  # noqa: E402
import diagrams_phases  # noqa: E402
import diagrams_seasons  # noqa: E402
import make_seasons_phases as made  # noqa: E402
import moonphases  # noqa: E402
import seasons  # noqa: E402


class Recorder:
    """Stands in for layout.Drawing and keeps what was drawn, with the
    fill colour it was drawn in."""

    def __init__(self):
        self.fill, self.discs, self.polygons = None, [], []

    def style(self, fill=None, line=None, width=0.01):
        self.fill = fill

    def ellipse(self, cx, cy, rx, ry):
        self.discs.append((self.fill, cx, cy, rx))

    def polygon(self, pts):
        self.polygons.append((self.fill, pts))

    def rect(self, *args, **kw):
        pass

    def line(self, pts):
        pass

    def label(self, *args, **kw):
        pass


def centroid(pts):
    return sum(x for x, _ in pts) / len(pts), sum(y for _, y in pts) / len(pts)


def area(pts):
    return abs(sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]))) / 2


class LabellingBoxes(unittest.TestCase):
    """Each box's centre is nearer the body it names than any other body."""

    def nearest(self, activity, left, top, bodies):
        w, h = activity["label"]["width"], activity["label"]["height"]
        for box in activity["boxes"]:
            bx, by = (box["left"] + w / 2 - left) / 15, (box["top"] + h / 2 - top) / 15
            named = min(bodies, key=lambda name: min(math.hypot(bx - x, by - y) for x, y in bodies[name]))
            self.assertEqual(named, box["answer"], "the box for %r lies by %r" % (box["answer"], named))

    def test_seasons(self):
        a = made.seasons_label()
        left, top = a["pictures"][0]["rect"][:2]
        bodies = {"The Sun": [(seasons.ORBIT_CX, seasons.ORBIT_CY)]}
        for name, angle in seasons.POSITIONS.items():
            t = math.radians(angle)
            bodies[name] = [(seasons.ORBIT_CX + seasons.ORBIT_RX * math.cos(t),
                             seasons.ORBIT_CY - seasons.ORBIT_RY * math.sin(t))]
        self.nearest(a, left, top, bodies)

    def test_phases(self):
        a = made.phases_label()
        left, top = a["pictures"][0]["rect"][:2]
        bodies = {name: [moonphases.inset_centre(angle)] for name, angle in moonphases.PLACES.items()}
        bodies["The Earth"] = [moonphases.EARTH]
        bodies["Sunlight"] = [(40, y) for y in (60, 140, 300, 380)]
        self.nearest(a, left, top, bodies)


class SeasonsDiagrams(unittest.TestCase):
    def test_night_half_faces_away_from_the_sun(self):
        for draw in (diagrams_seasons.day_night, diagrams_seasons.tilt_seasons, diagrams_seasons.orbit):
            with self.subTest(draw.__name__):
                d = Recorder()
                draw(d)
                sun = next((x, y) for fill, x, y, _ in d.discs if fill == diagrams.SUN)
                earths = [(x, y) for fill, x, y, _ in d.discs if fill == diagrams.SEA]
                nights = [pts for fill, pts in d.polygons if fill == diagrams_seasons.NIGHT]
                self.assertEqual(len(nights), len(earths))
                for pts in nights:
                    nx, ny = centroid(pts)
                    ex, ey = min(earths, key=lambda e: math.hypot(e[0] - nx, e[1] - ny))
                    towards_sun = (nx - ex) * (sun[0] - ex) + (ny - ey) * (sun[1] - ey)
                    self.assertLess(towards_sun, 0, "an Earth at (%.2f, %.2f) has night on the Sun's side"
                                    % (ex, ey))


class MoonShapes(unittest.TestCase):
    # angle after new Moon, seen from the south, which side is lit, and
    # how much of the disc (share of its area, roughly)
    ROWS = [
        (45, False, "right", "crescent"), (45, True, "left", "crescent"),
        (90, False, "right", "half"), (90, True, "left", "half"),
        (135, False, "right", "gibbous"), (225, False, "left", "gibbous"),
        (270, False, "left", "half"), (270, True, "right", "half"),
        (315, False, "left", "crescent"), (315, True, "right", "crescent"),
        (180, False, "both", "full"),
    ]
    SHARE = {"crescent": (0.05, 0.45), "half": (0.45, 0.55), "gibbous": (0.55, 0.95), "full": (0.95, 1.01)}

    def test_lit_side_and_size(self):
        for angle, south, side, size in self.ROWS:
            with self.subTest(angle=angle, south=south):
                d = Recorder()
                diagrams_phases.phase(d, 0.0, 0.0, 1.0, angle, south=south)
                lit = [pts for fill, pts in d.polygons if fill == diagrams_phases.LIT]
                self.assertEqual(len(lit), 1)
                x, _ = centroid(lit[0])
                expected = {"right": x > 0.05, "left": x < -0.05, "both": abs(x) < 0.05}[side]
                self.assertTrue(expected, "lit part's middle at x = %.2f" % x)
                low, high = self.SHARE[size]
                self.assertTrue(low <= area(lit[0]) / math.pi < high)

    def test_new_moon_is_dark(self):
        d = Recorder()
        diagrams_phases.phase(d, 0.0, 0.0, 1.0, 0)
        self.assertFalse([pts for fill, pts in d.polygons if fill == diagrams_phases.LIT])


class Ordering(unittest.TestCase):
    def test_phases_run_as_the_page_shows_them(self):
        answers = [b["answer"].lower() for b in made.phases_order()["boxes"]]
        page = [("%s %s" % (first, second)).lower() for first, second, _ in diagrams_phases.PHASES]
        self.assertEqual(answers, page)
        angles = [angle for _, _, angle in diagrams_phases.PHASES]
        self.assertEqual(angles, sorted(angles))


if __name__ == "__main__":
    unittest.main()
