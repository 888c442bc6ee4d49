# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes every notes page twice, media/wmf/NAME.wmf (screen) and
media/wmf2/NAME.wmf (print). Run: python3 make_pages.py [--only NAME...]"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pageframe  # noqa: E402
import pages_guide  # noqa: E402
import pages_intro  # noqa: E402
import pages_life  # noqa: E402
import pages_sun  # noqa: E402
import pages_tides  # noqa: E402
import pages_eclipses  # noqa: E402
import pages_sunspots  # noqa: E402
import pages_solarsystem  # noqa: E402
import pages_orbits  # noqa: E402
import pages_seasons  # noqa: E402
import pages_phases  # noqa: E402
import pages_continents  # noqa: E402
import pages_moonlandings  # noqa: E402

MEDIA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "media")


def all_pages():
    topics = (pages_tides, pages_sun, pages_life, pages_eclipses, pages_sunspots,
              pages_solarsystem, pages_orbits, pages_seasons, pages_phases,
              pages_continents, pages_moonlandings)
    return pages_intro.PAGES + [p for t in topics for p in t.PAGES] + pages_guide.PAGES


def main(argv):
    only = set(argv[argv.index("--only") + 1:]) if "--only" in argv else None
    pages = all_pages()
    names = [p.file for p in pages]
    if len(set(names)) != len(names):
        raise SystemExit("two pages share a name")
    problems = []
    for page in pages:
        if only and page.file not in only:
            continue
        fills = []
        for folder, make in (("wmf", pageframe.screen_page), ("wmf2", pageframe.print_page)):
            try:
                mf, ctx = make(page)
            except ValueError as e:  # report every page that does not fit, then stop
                problems.append(str(e))
                continue
            data = mf.to_bytes()
            os.makedirs(os.path.join(MEDIA, folder), exist_ok=True)
            with open(os.path.join(MEDIA, folder, page.file + ".wmf"), "wb") as f:
                f.write(data)
            fills.append("%s %3d kB, %3d%% full" % (folder, len(data) // 1024, 100 * ctx.fill))
        print("%-22s %s" % (page.file, "; ".join(fills)))
    if problems:
        raise SystemExit("\n".join(problems))


if __name__ == "__main__":
    main(sys.argv[1:])
