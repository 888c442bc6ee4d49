# SPDX-License-Identifier: GPL-3.0-or-later
"""Eclipses: three pages of key facts, two of teacher's notes."""

import diagrams_eclipses as de
import pageframe
from layout import B, Box, Diagram, H, P, PrintOnly, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: Eclipses"
NOTES = "Teacher's Notes: Eclipses"

# The topic's own colours: the dark blue of a night sky and the red of an
# eclipsed Moon.
pageframe.THEMES["eclipses"] = dict(page=(240, 242, 252), border=(60, 70, 150), title=(30, 36, 110),
                                    heading=(40, 50, 140), accent=(170, 60, 40), box=(224, 228, 248))

SAFETY = Box(Small("**Never look at the Sun**, not even in an eclipse, and not through sunglasses, "
                   "binoculars or a telescope. Use only proper **eclipse glasses** or a **pinhole "
                   "viewer**, with an adult."))


def key(n, title, blocks):
    return Page("key eclipses" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids",
                theme="eclipses")


def notes(n, title, blocks):
    return Page("eclipses" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="eclipses")


PAGES = [
    key(1, "Solar eclipses: the Moon hides the Sun", [
        Diagram(de.solar_eclipse, 3.2, 1.35),
        P("In a **solar eclipse** the **Moon** passes between the Sun and the Earth. It hides "
          "the Sun, and its **shadow** falls on the Earth."),
        P("This can only happen at **new Moon**, in the daytime."),
        SAFETY,
        Col,
        H("Just the right size"),
        P("The Sun is about **400 times wider** than the Moon. It is also about **400 times "
          "further away**. So in our sky they look almost the same size."),
        H("Three kinds"),
        P("**Total:** the Moon covers all of the Sun. For a few minutes the sky goes as dark "
          "as evening."),
        P("**Partial:** the Moon covers only part of the Sun."),
        P("**Annular:** the Moon is a bit further away, so it looks smaller. A **ring** of Sun "
          "shines round it."),
    ]),
    key(2, "Lunar eclipses: the Earth's shadow", [
        Diagram(de.lunar_eclipse, 3.2, 1.35),
        P("In a **lunar eclipse** the **Earth** passes between the Sun and the Moon. The Moon "
          "moves into the **Earth's shadow**."),
        P("This can only happen at **full Moon**, at night."),
        P("Everyone on the night side of the Earth can see it, if the sky is clear."),
        Col,
        P("First the shadow takes a dark **bite** out of the Moon. In a **total** eclipse the "
          "whole Moon then turns red. Later the shadow slides off again."),
        H("Why does the Moon turn red?"),
        P("A little sunlight bends through the Earth's air on its way to the Moon. Red light "
          "gets through best, so the Moon glows **red or orange**."),
        P("A lunar eclipse is **safe to watch** with your own eyes. It is often late at night, "
          "so watch with an adult."),
        Box(Small("**Phases are not eclipses.** The Moon's phases are **not** the Earth's shadow. "
                  "They show how much of the Moon's sunlit half we can see from the Earth.")),
    ]),
    key(3, "Why not every month?", [
        Diagram(de.tilted_orbit, 3.2, 1.85),
        P("The Moon goes round the Earth about once a month. Its path is **tilted** a little, "
          "about 5 degrees."),
        P("So at most new Moons and full Moons it passes just **above or below** the line of "
          "the Sun and the Earth. Then there is no eclipse."),
        P("An eclipse needs the Sun, the Earth and the Moon in a **straight line**. That "
          "happens only a few times a year."),
        Col,
        H("Where can you see one?"),
        P("A total solar eclipse is seen only from a **narrow strip** of the Earth. Near it, "
          "people see a partial eclipse."),
        P("Eclipses happen in the **north and the south**. The next two total solar eclipses "
          "after 2026:"),
        B("**2 August 2027:** Spain, North Africa and Arabia"),
        B("**22 July 2028:** Australia and New Zealand"),
        SAFETY,
    ]),
    notes(1, "Eclipses: notes for teachers", [
        H("Learning objectives"),
        B("Know that a solar eclipse is the Moon passing between the Sun and the Earth, and a "
          "lunar eclipse is the Moon passing into the Earth's shadow."),
        B("Explain why eclipses do not happen every month."),
        B("Know how to watch a solar eclipse safely, and that a lunar eclipse is safe to watch."),
        H("Background"),
        P("The Moon is 3,475 km across and about 384,400 km away on average; the Sun is about "
          "400 times wider and 400 times further away, so both cover about half a degree of sky. "
          "A solar eclipse happens at new Moon; the Moon's dark central shadow (umbra) sweeps a "
          "narrow path of totality across the Earth, with a partial eclipse on either side. "
          "Totality lasts at most about 7\u00bd minutes at one place, usually 2 to 4. When the "
          "Moon is near the far point of its orbit it is too small to cover the Sun: an annular "
          "eclipse."),
        Col,
        P("A lunar eclipse happens at full Moon and is seen from the whole night side of the "
          "Earth. The red colour is sunlight bent and filtered through the Earth's atmosphere: "
          "the light of every sunrise and sunset at once."),
        P("The Moon's orbit is tilted about 5\u00b0 to the Earth's, so the three bodies line "
          "up only in two \u2018eclipse seasons\u2019 a year. Each year has at least two solar "
          "eclipses and at most five, and usually two to four lunar eclipses, many of them "
          "faint; each is seen from only part of the Earth."),
        PrintOnly(Diagram(de.tilted_orbit, 3.2, 1.85)),
        H("The next total solar eclipses (from 2026)"),
        P("2 August 2027: Spain, North Africa, Egypt and Arabia. 22 July 2028: Australia and "
          "New Zealand. Check dates and local times with a national observatory."),
    ]),
    notes(2, "Eclipses: activities and answers", [
        H("Common misconceptions"),
        B("\u2018The phases of the Moon are the Earth's shadow.\u2019 Only a lunar eclipse is; "
          "phases are how much of the sunlit half we see."),
        B("\u2018There is an eclipse every month.\u2019 The Moon's tilted path usually misses "
          "the line of the Sun and the Earth."),
        B("\u2018A solar eclipse is safe to look at because the Sun is covered.\u2019 The thin "
          "uncovered part can still badly harm the eye."),
        H("Classroom activities"),
        B("**Model eclipse:** a lamp for the Sun, a football for the Earth and a tennis ball on "
          "a stick for the Moon. Line them up for each eclipse; then tilt the Moon's path."),
        B("**Pinhole viewer:** with your back to the Sun, let light through a pinhole in one "
          "card onto another; look only at the second card."),
        PrintOnly(Diagram(de.pinhole, 3.2, 1.05)),
        Col,
        B("**Safety:** never look at the Sun, even in an eclipse, with sunglasses, binoculars or "
          "a telescope; only certified eclipse glasses (ISO 12312-2) or a pinhole viewer, "
          "always with an adult."),
        H("Quiz answers"),
        P("1 the Moon; 2 new Moon; 3 the Earth; 4 full Moon; 5 sunlight bent through the "
          "Earth's air; 6 the Moon's path is tilted; 7 about 400 times; 8 a ring of Sun; "
          "9 eclipse glasses or a pinhole; 10 yes, a lunar eclipse is safe to watch."),
        H("Ordering activity"),
        P("A total lunar eclipse: bright full Moon; a dark bite appears; only a thin bright "
          "edge is left; the whole Moon glows red; a bright edge comes back; bright full Moon "
          "again."),
        H("Labelling activity"),
        P("Top: \u2018Solar eclipse\u2019, with the Sun, the Moon and the Earth in that order. "
          "Bottom: \u2018Lunar eclipse\u2019, with the Earth's shadow falling on the Moon."),
    ]),
]
