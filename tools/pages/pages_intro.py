# SPDX-License-Identifier: GPL-3.0-or-later
"""The introduction (for pupils, then for teachers) and the
acknowledgments, which repeat every outside source from media/CREDITS.md."""

from layout import B, Box, H, P, Picture, Row, Small
from page import Page
from pageframe import Col

INTRO = "Introduction"

# On screen the program shows its maker's logo right of this page
# (from x = 624 px), so the acknowledgements page is narrower: 6.3 in.
ACK_SCREEN_WIDTH = 9072

# Every outside source of media/CREDITS.md, with the credit line its owner asks for.
SOURCES = [
    ("Moon map", "USGS Astrogeology Research Program and the Clementine mission (NASA/DoD), "
     "from Debian's stellarium-data", "public domain", "the Moon phases, the Moon picture and "
     "the Moon's horizon in the earth-rise animation"),
    ("Earth map \u201cBlue Marble\u201d", "NASA Visible Earth, from Debian's xplanet-images",
     "not copyrighted; \u201cEarth imagery courtesy of NASA Visible Earth\u201d",
     "the Earth pictures"),
    ("Mars map", "NASA/JPL, from Debian's stellarium-data",
     "free use with credit: \u201cCourtesy NASA/JPL-Caltech\u201d", "the Mars picture"),
    ("Seal pup drawing", "by Andy Fitzsimon, Open Clip Art Library, from Debian's "
     "openclipart-svg", "public domain", "the seal pup"),
    ("FluidR3 GM soundfont", "copyright Frank Wen and contributors, from Debian's "
     "fluid-soundfont-gm", "MIT licence", "the fanfares, choir, flute, bells and drums"),
    ("DejaVu fonts", "the DejaVu fonts project, from Debian's fonts-dejavu-core",
     "DejaVu fonts licence", "the lettering of the logo"),
]


def source_blocks():
    return [Small("**%s**: %s; %s. Used for %s." % source) for source in SOURCES]


_sources = source_blocks()

PAGES = [
    Page("introductiona", INTRO, 1, 2, "Welcome to Corvella!", [
        P("Corvella is about the **Earth and space**. It has eleven topics to explore, from "
          "**The Tides** and **The Solar System** to **Continents and Oceans** and **The Moon "
          "Landings**."),
        Row(Picture("tide-square", 0.85), Picture("sun-cutout", 0.85),
            Picture("earth-cutout", 0.85)),
        Col,
        H("How to use it"),
        B("Choose a topic from the main menu."),
        B("Click **Key Facts** and read the pages. **Next Page** and **Previous Page** turn them."),
        B("Then try the **Multiple Choice** quiz: ten questions. Can you get them all right?"),
        B("Most topics have a **Labelling Activity** and an **Ordering Activity** too."),
        Box(Small("**Top tip:** if you get a question wrong, read the Key Facts again and have "
                  "another go!")),
    ], kind="kids"),
    Page("introductionb", INTRO, 2, 2, "Introduction for teachers", [
        H("What Corvella is for"),
        P("Corvella supports the Earth and space strand of primary science for pupils aged 7 to "
          "11. It can be used by a whole class on a projector, by groups or by pupils alone."),
        H("On each topic screen"),
        B("**Key Facts:** short illustrated pages written for pupils."),
        B("**Teacher's Notes:** objectives, background facts, common misconceptions, classroom "
          "activities, and how the quiz links to the key facts."),
        B("**Multiple Choice:** a ten-question quiz with a score and the wrong answers."),
        B("**Labelling** and **Ordering** activities in every topic but The Tides."),
        Col,
        H("Your own worksheets"),
        P("The **Multiple Choice Wizard** on the main menu lets you write quizzes of your own. "
          "They are kept in the **Worksheet Catalogue**, where pupils open them as quizzes."),
        H("Printing"),
        P("Every notes page has a **Print** button. It prints a version laid out for A4 or "
          "Letter paper: black text, with the pictures in colour."),
        H("Find out more"),
        P("The **Teachers' Guide** on the main menu explains every screen in five pages, with "
          "ideas for the classroom."),
    ]),
    Page("acknowledgments", "Acknowledgments", 1, 1, "Acknowledgments", [
        H("The program"),
        Small("Corvella, its pages, pictures, sounds and questions are written and made by the "
              "Corvella contributors. It is free software under the GNU General Public License, "
              "version 3 or later."),
        Small("The Sun, Mercury and Venus, the beach, the stars and gas clouds, the logo and "
              "every sound effect are drawn or made by the program's own tools."),
        H("Outside sources"),
        Small("All are public domain or free to use with a credit. The full notices are in the "
              "file /usr/share/doc/corvella-data/CREDITS.md once Corvella is installed."),
        _sources[0],
        Col,
        *_sources[1:],
    ], screen_width=ACK_SCREEN_WIDTH, sizes=dict(small=(220, 240), heading=(240, 260))),
]
