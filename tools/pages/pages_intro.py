"""The introduction (for pupils, then for teachers) and the
acknowledgements, which repeat every outside source from media/CREDITS.md."""

from layout import B, Box, H, P, Picture, Row, Small
from page import Page
from pageframe import Col

INTRO = "Introduction"

# On screen the program shows its maker's logo right of this page
# (from x = 624 px), so the acknowledgements page is narrower: 6.3 in.
ACK_SCREEN_WIDTH = 9072

SOURCES = [
    ("Moon map", "USGS Astrogeology and Clementine data, as combined for the Debian package "
     "stellarium-data (moon_4k.jpg)", "the Moon phases, the Moon picture and the Moon's horizon "
     "in the earth-rise animation", "USGS Astrogeology Research Program; NASA/DoD Clementine "
     "mission", "public domain",
     "none required. Credit: \u201cMoon map: USGS Astrogeology Research Program and the "
     "Clementine mission\u201d"),
    ("Earth map \u201cBlue Marble\u201d", "NASA Visible Earth, from the Debian package xplanet-images "
     "(earth.jpg)", "the Earth picture and the Earth in the earth-rise animation",
     "NASA Visible Earth", "not copyrighted (NASA imagery)",
     "\u201cEarth imagery courtesy of NASA Visible Earth\u201d"),
    ("Mars map", "JPL planetary maps, from the Debian package stellarium-data (mars.png)",
     "the Mars picture", "NASA/JPL", "free use with credit (JPL image use policy)",
     "\u201cCourtesy NASA/JPL-Caltech.\u201d"),
    ("Seal pup clip art", "by Andy Fitzsimon, Open Clip Art Library, from the Debian package "
     "openclipart-svg (animals/seal.svg)", "the seal pup picture", "Open Clip Art Library",
     "public domain dedication",
     "none required. Credit: \u201cSeal pup drawing by Andy Fitzsimon, Open Clip Art Library\u201d"),
    ("FluidR3 General MIDI soundfont", "by Frank Wen and contributors (Debian package "
     "fluid-soundfont-gm)", "the musical sounds: fanfares, choir, flute, bells, drums",
     "Frank Wen and contributors", "MIT licence",
     "keep the copyright and permission notice with the soundfont. Credit: \u201cFluidR3 GM "
     "soundfont, copyright Frank Wen, MIT licence\u201d"),
    ("DejaVu fonts", "Debian package fonts-dejavu-core", "the lettering of the publisher's name "
     "plate", "DejaVu fonts project", "Bitstream Vera / DejaVu font licence (permissive)",
     "none for rendered text"),
]


def source_blocks():
    out = []
    for what, where, used, source, licence, credit in SOURCES:
        end = "" if credit.endswith(".\u201d") else "."
        out.append(Small("**%s**, %s. Used for %s. Source: %s. Licence: %s. Attribution asked: "
                         "%s%s" % (what, where, used, source, licence, credit, end)))
    return out


_sources = source_blocks()

PAGES = [
    Page("introductiona", INTRO, 1, 2, "Welcome to Corvella!", [
        P("Corvella is about the **Earth and space**. It has three topics to explore:"),
        B("**The Tides**"),
        B("**The Sun and other Stars**"),
        B("**Life on Earth**"),
        Row(Picture("tide.jpg", 0.75), Picture("sunsm.jpg", 0.75),
            Picture("earth2sm.jpg", 0.75)),
        Col,
        H("How to use it"),
        B("Choose a topic from the main menu."),
        B("Click **Key Facts** and read the pages. **Next Page** and **Previous Page** turn them."),
        B("Then try the **Multiple Choice** quiz: ten questions. Can you get them all right?"),
        B("Some topics have a **Labelling Activity** and an **Ordering Activity** too."),
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
        B("**Labelling** and **Ordering** activities in two of the topics."),
        Col,
        H("Your own worksheets"),
        P("The **Multiple Choice Wizard** on the main menu lets you write quizzes of your own. "
          "They are kept in the **Worksheet Catalogue**, where pupils open them as quizzes."),
        H("Printing"),
        P("Every notes page has a **Print** button. It prints a black-and-white version laid out "
          "for A4 or Letter paper, ready to photocopy."),
        H("Find out more"),
        P("The **Teachers' Guide** on the main menu explains every screen in five pages, with "
          "ideas for the classroom."),
    ]),
    Page("acknowledgments", "Acknowledgements", 1, 1, "Acknowledgements", [
        H("The program"),
        Small("Written by Ruth Alder and Tom Finch. Series editor: Grace Whitby. Programmed by the "
              "Corvella team."),
        Small("The Sun, Mercury and Venus pictures, the tides beach, the spiral galaxy, the gas "
              "cloud, the red giant, the white dwarf, the publisher's logo animation, every sound "
              "effect and these pages were drawn or made for Corvella, with no outside source."),
        H("Outside sources"),
        Small("All are public domain or free to use with a credit; none carries a share-alike or "
              "copyleft condition. Maps and clip art are used downscaled or cropped."),
        _sources[0],
        _sources[1],
        Col,
        *_sources[2:],
    ], screen_width=ACK_SCREEN_WIDTH, sizes=dict(small=(166, 210), heading=(220, 260))),
]
