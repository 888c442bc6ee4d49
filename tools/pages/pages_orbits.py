# SPDX-License-Identifier: GPL-3.0-or-later
"""Orbits and Gravitation: three pages of key facts, two of teacher's notes."""

import diagrams_solarsystem as dss
import pageframe
from layout import B, Box, Diagram, H, P, PrintOnly, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: Orbits and Gravitation"
NOTES = "Teacher's Notes: Orbits and Gravitation"

# The topic's own colours: a night-sky blue and the red of the pull arrows.
pageframe.THEMES["orbits"] = dict(page=(240, 246, 250), border=(40, 90, 120), title=(16, 60, 90),
                                  heading=(20, 80, 120), accent=(190, 50, 40), box=(222, 236, 246))


def key(n, title, blocks):
    return Page("key orbits" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids", theme="orbits")


def notes(n, title, blocks):
    return Page("orbits" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="orbits")


PAGES = [
    key(1, "Gravity: the pull that holds us down", [
        Diagram(dss.gravity_down, 3.3, 1.75),
        P("**Gravity** is a pull. Everything pulls on everything else, but only something as "
          "big as the Earth pulls hard enough for us to feel."),
        P("The Earth's gravity pulls everything towards its **middle**. That is why things fall "
          "**down**."),
        Col,
        P("People in the north and in the south all stand with their feet towards the Earth's "
          "middle. Nobody falls off, and nobody is upside down!"),
        P("Your **weight** is how hard gravity pulls you down."),
        H("Gravity on the Moon"),
        P("The Moon is much smaller than the Earth, so its pull is weaker: about **one sixth** "
          "of the Earth's."),
        P("On the Moon you would weigh about a sixth as much, and you could jump about six "
          "times as high."),
    ]),
    key(2, "Going round: orbits", [
        Diagram(dss.moving_and_pulled, 3.3, 1.55),
        P("An **orbit** is the path of one thing going round another."),
        P("The **Moon** orbits the Earth. It goes round once in about **27 days**. (From one "
          "new Moon to the next takes a little longer, about 29\u00bd days.)"),
        P("The **Earth** orbits the Sun. One trip round takes a **year**: about "
          "**365\u00bc days**."),
        Col,
        H("Why doesn't the Moon fly away?"),
        P("The Moon is always **moving on**. The Earth's gravity is always **pulling** it in. "
          "Together they bend its path into a loop round the Earth."),
        P("Without gravity, the Moon would fly off in a **straight line**."),
        H("Nearly circles"),
        P("Orbits are slightly squashed circles. The Earth is closest to the Sun in **January**, "
          "in the north's winter and the south's summer. So our seasons do **not** come from "
          "how close we are to the Sun."),
    ]),
    key(3, "Gravity in space", [
        Diagram(dss.year_lengths, 3.3, 1.5),
        H("The further out, the longer the year"),
        P("Planets further from the Sun go more **slowly**, and have further to go. So their "
          "year is longer."),
        P("Mercury goes round in **88 days**, Mars in 687 days and Neptune in about "
          "**165 years**."),
        Col,
        H("Floating astronauts"),
        P("Astronauts float in the **International Space Station**. But there is still gravity "
          "up there: nearly as much as on the ground."),
        P("The station is **falling** all the time! It moves sideways so fast, about 28,000 km "
          "an hour, that it falls **round** the Earth instead of into it, once every 90 minutes. "
          "That is an orbit."),
        Box(Small("**There is gravity in space.** The Sun's gravity reaches far beyond Neptune. "
                  "It keeps every planet in its orbit.")),
    ]),
    notes(1, "Orbits and Gravitation: notes for teachers", [
        H("Learning objectives"),
        B("Know that gravity is a pull between all things with mass, and that the Earth's gravity "
          "pulls everything towards its centre."),
        B("Explain an orbit as moving on while being pulled in; know the times the Moon and the "
          "Earth take to orbit."),
        B("Know that there is gravity in space, and why astronauts in orbit float."),
        H("Background"),
        P("Isaac Newton showed (1687) that every mass attracts every other, more strongly the "
          "more massive they are and more weakly the further apart. Weight is the pull of gravity "
          "on a mass; mass stays the same everywhere. The Moon's surface gravity is about one "
          "sixth of the Earth's (1.6 against 9.8 m/s\u00b2)."),
        Col,
        P("An orbit is a fall that never lands: a body moving sideways fast enough falls round "
          "the larger body instead of onto it. Johannes Kepler found that orbits are "
          "ellipses (1609) and that planets further out move more slowly (1619). The Earth is about 147 "
          "million km from the Sun in early January and 152 million km in early July, so the "
          "seasons come from the tilt of the Earth's axis, not from distance."),
        P("The Moon orbits the Earth in 27.3 days; its phases repeat every 29.5 days because "
          "the Earth moves on round the Sun meanwhile. The International Space Station orbits "
          "about 400 km up, at about 28,000 km/h, once every 90 minutes; gravity there is about "
          "90% of that on the ground."),
        PrintOnly(Diagram(dss.falling_round, 3.3, 1.6)),
    ]),
    notes(2, "Orbits: activities and answers", [
        H("Common misconceptions"),
        B("\u2018There is no gravity in space.\u2019 Gravity reaches across the Solar System; "
          "astronauts float because they are falling."),
        B("\u2018Heavy things fall faster.\u2019 Without air all fall together: on the Moon in "
          "1971 David Scott dropped a hammer and a feather, which landed together."),
        B("\u2018People in Australia are upside down.\u2019 Down is towards the Earth's centre "
          "everywhere."),
        B("\u2018Summer is when the Earth is closest to the Sun.\u2019 The Earth is closest in "
          "January, in the southern summer and the northern winter."),
        H("Classroom activities"),
        B("**Drop test:** drop two balls of different weights together from the same table "
          "height; they land together. Then a sheet of paper flat and screwed up."),
        Col,
        B("**Ball on a string:** outdoors, a pupil swings a soft ball on a short string in a "
          "circle; the string pulls it in like gravity. When let go it flies off straight."),
        B("**Safety:** soft balls only, a clear space of several metres, others well back; "
          "drop tests from a table, never from a window or stairs."),
        H("Answers"),
        P("Quiz: 1 a pull; 2 the Earth's middle; 3 how hard gravity pulls you; 4 about one sixth; "
          "5 about 27 days; 6 a year; 7 a straight line; 8 longer; 9 yes; 10 January."),
        P("Ordering, shortest to longest trip: the space station (90 minutes), the Moon round the "
          "Earth (27 days), Mercury (88 days), the Earth (365 days), Mars (687 days), Neptune "
          "(165 years). Labelling: the Sun, the Earth, the Moon, the Earth's path, the Moon's "
          "path and the Sun's pull on the Earth."),
    ]),
]
