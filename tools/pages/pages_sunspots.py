# SPDX-License-Identifier: GPL-3.0-or-later
"""Sunspots and the Aurora: three pages of key facts, two of teacher's notes."""

import diagrams_sunspots as ds
import pageframe
from layout import B, Box, Diagram, H, P, Picture, PrintOnly, Side, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: Sunspots and the Aurora"
NOTES = "Teacher's Notes: Sunspots and the Aurora"

# The topic's own colours: the Sun's orange and the aurora's green.
pageframe.THEMES["sunspots"] = dict(page=(246, 251, 244), border=(40, 140, 100), title=(20, 90, 60),
                                    heading=(30, 110, 70), accent=(220, 110, 0), box=(222, 244, 230))

SAFETY = Box(Small("**Never look at the Sun**, not even through sunglasses, binoculars or a "
                   "telescope. It can badly hurt your eyes."))
# The first page speaks of the corona seen in an eclipse, so its box says how
# to watch one.
ECLIPSE_SAFETY = Box(Small("**Never look at the Sun**, not even in an eclipse, and not through "
                           "sunglasses, binoculars or a telescope. It can badly hurt your eyes. Use "
                           "only proper **eclipse glasses** or a **pinhole viewer**, with an adult."))


def key(n, title, blocks):
    return Page("key sunspots" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids",
                theme="sunspots")


def notes(n, title, blocks):
    return Page("sunspots" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="sunspots")


PAGES = [
    key(1, "Inside the Sun", [
        Diagram(ds.sun_layers, 3.3, 2.1),
        P("The Sun is a huge ball of very hot gas. Like an onion, it has **layers**."),
        P("In the middle is the **core**. It is about **15 million \u00b0C**. Here the Sun "
          "makes its energy."),
        Col,
        P("The energy slowly works its way out through the **radiative zone**. Then hot gas "
          "carries it up through the **convective zone**, like soup bubbling in a pan."),
        P("The bright surface we see is the **photosphere**. It is about **5,500 \u00b0C**."),
        P("Round the Sun is its thin outer air, the **corona**. It is over **a million \u00b0C**! "
          "We can see it only in a total solar eclipse."),
        ECLIPSE_SAFETY,
    ]),
    key(2, "Sunspots", [
        Side(Diagram(ds.sunspots_close, 1.4, 1.2), [
            P("**Sunspots** are dark patches on the Sun's surface."),
            P("They are **not holes**. They are **cooler** than the gas round them, so they "
              "look dark."),
        ], 1.4),
        P("A sunspot is still about **4,000 \u00b0C**. Strong **magnetism** stops some heat "
          "reaching the surface there."),
        P("Some sunspots are **bigger than the whole Earth**."),
        Col,
        H("The sunspot cycle"),
        P("The number of sunspots rises and falls over about **11 years**. The time with most "
          "spots is called **solar maximum**. The last one came around **2024**."),
        H("Solar storms"),
        P("Near sunspots the magnetism can get twisted and snap. It can send out a **solar "
          "flare**, a huge flash of light."),
        P("It can also throw a giant **cloud of gas** out into space. This is a **solar storm**."),
        SAFETY,
    ]),
    key(3, "The aurora: lights in the night sky", [
        Diagram(ds.storm_to_aurora, 3.3, 1.45),
        P("The Sun always blows out tiny bits with electric charge: the **solar wind**. A solar "
          "storm blows much harder."),
        P("The Earth's **magnetic field** is like an invisible shield. It steers some of the "
          "bits down near the **North and South Poles**."),
        Col,
        P("About **100 km up**, they crash into the air and make it **glow**, like a neon sign. "
          "This glow is the **aurora**. Oxygen glows **green** or red; nitrogen glows **blue** "
          "and purple."),
        H("North and south"),
        P("In the north it is the **northern lights**, in the south the **southern lights**. "
          "They shine near both poles at the same time."),
        Box(Small("The aurora is **not** sunlight bouncing off ice. The air itself makes the "
                  "light. Look for it on a dark night, outside **with an adult**.")),
    ]),
    notes(1, "Sunspots and the Aurora: notes for teachers", [
        H("Learning objectives"),
        B("Name the Sun's layers from the core to the corona."),
        B("Know that sunspots are cooler, darker patches caused by the Sun's magnetism, and "
          "that their number rises and falls over about 11 years."),
        B("Explain that the aurora is the upper air glowing when charged particles from the "
          "Sun, steered by the Earth's magnetic field, strike it near both poles."),
        H("Background: the Sun"),
        P("The core (about 15 million \u00b0C) turns hydrogen into helium by nuclear fusion. "
          "Energy crosses the radiative zone as light, bouncing between particles for many "
          "thousands of years, then rises through the convective zone in churning cells. The "
          "photosphere, the visible surface, is about 5,500 \u00b0C; the chromosphere lies above "
          "it, then the corona, over a million \u00b0C and visible to the eye only during totality."),
        Col,
        P("Sunspots (about 4,000 \u00b0C) are where strong magnetic fields hold back the rising "
          "heat. Their number follows a cycle of about 11 years; NASA and NOAA announced in "
          "October 2024 that the Sun had reached the maximum of the present cycle (cycle 25). "
          "Twisted fields above sunspots release flares and coronal mass ejections: clouds of "
          "charged gas that can reach the Earth in one to three days."),
        H("Background: the aurora"),
        P("The Earth's magnetic field guides charged particles into rings round both magnetic "
          "poles. Colliding with the upper atmosphere, mostly about 100 to 300 km up, they make "
          "oxygen glow green (and red higher up) and nitrogen blue and purple. Aurora borealis "
          "in the north and aurora australis in the south appear together. After a strong storm "
          "they are seen far from the poles, as in May 2024."),
    ]),
    notes(2, "Sunspots and the Aurora: answers", [
        H("Common misconceptions"),
        B("\u2018Sunspots are holes in the Sun.\u2019 They are cooler, so darker, parts of its "
          "surface."),
        B("\u2018The Sun is the same all the time.\u2019 It has an 11-year cycle of activity."),
        B("\u2018The aurora is sunlight reflected off ice or snow.\u2019 The air glows by itself."),
        B("\u2018There is only a northern aurora.\u2019 The southern lights shine at the same time."),
        H("Classroom activities"),
        B("**Sun onion:** pupils make a cut-away Sun from paper circles and label its layers."),
        B("**Storm relay:** act out a solar storm crossing space and being steered to the poles."),
        B("**Safety:** never look at the Sun, even through sunglasses, binoculars or a "
          "telescope; astronomers watch sunspots only with special filters or projection, "
          "which an adult sets up."),
        Col,
        H("Quiz answers"),
        P("1 hot gas; 2 the core; 3 the photosphere; 4 the corona; 5 cooler; 6 about 11 years; "
          "7 a cloud of gas; 8 the magnetic field; 9 near both poles; 10 the air glowing."),
        H("Ordering activity"),
        P("Magnetism twists near sunspots; a cloud of gas bursts out; the cloud crosses space; "
          "it reaches the Earth's magnetism; bits pour in near the poles; the air glows: an "
          "aurora."),
        H("Labelling activity"),
        P("From the middle outwards: core, radiative zone, convective zone, photosphere and "
          "corona, with a sunspot on the surface."),
    ]),
]
