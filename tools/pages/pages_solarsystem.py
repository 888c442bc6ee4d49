# SPDX-License-Identifier: GPL-3.0-or-later
"""The Solar System: three pages of key facts, two of teacher's notes."""

import diagrams_solarsystem as dss
import pageframe
from layout import B, Box, Diagram, H, P, PrintOnly, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: The Solar System"
NOTES = "Teacher's Notes: The Solar System"

# The topic's own colours: deep space blue and the gold of Saturn.
pageframe.THEMES["solarsystem"] = dict(page=(242, 243, 252), border=(40, 60, 130), title=(20, 34, 100),
                                       heading=(30, 50, 130), accent=(190, 130, 30), box=(250, 236, 205))

NOT_TO_SCALE = Small("Pictures of the planets are **not to scale**. The real planets are much "
                     "smaller than the Sun, and much further apart.")


def key(n, title, blocks):
    return Page("key solarsystem" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids",
                theme="solarsystem")


def notes(n, title, blocks):
    return Page("solarsystem" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="solarsystem")


PAGES = [
    key(1, "The Sun and its family", [
        Diagram(dss.planets_in_order, 3.3, 1.3),
        P("The **Solar System** is the Sun and everything that travels round it."),
        P("The **Sun** is a star, in the middle. Its **gravity**, a pull, keeps everything "
          "going round it."),
        P("A **planet** is a big, round world that travels round the Sun. There are "
          "**eight** planets."),
        Col,
        H("The planets in order"),
        P("From the Sun: **Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune**."),
        P("The Earth is the **third** planet. It is about **150 million km** from the Sun."),
        P("Planets do not make their own light. They shine because **sunlight** falls on them."),
        P("The Sun and its planets formed together, about **4.6 billion years** ago. A billion "
          "is a thousand million."),
        Box(NOT_TO_SCALE),
    ]),
    key(2, "Rocky planets and giant planets", [
        Diagram(dss.sizes_to_scale, 3.3, 1.35),
        H("Four rocky planets"),
        P("**Mercury, Venus, Earth and Mars** are small, with hard, **rocky** ground."),
        P("Mercury is the smallest planet. Venus is the hottest: its thick air traps the heat."),
        H("The asteroid belt"),
        P("Between Mars and Jupiter, more than a million rocks go round the Sun. They are "
          "called **asteroids**."),
        Col,
        H("Four giant planets"),
        P("**Jupiter, Saturn, Uranus and Neptune** are **giants**. They have no solid ground "
          "to stand on."),
        P("Jupiter and Saturn are mostly **gas**. Uranus and Neptune are **ice giants**: "
          "mostly icy stuff under their gas."),
        P("**Jupiter** is the biggest planet. It is about **11 times wider** than the Earth."),
        P("All four giants have **rings**. Saturn's are the biggest and brightest."),
    ]),
    key(3, "Moons and dwarf planets", [
        Diagram(dss.moons_and_pluto, 3.3, 1.25),
        H("Moons"),
        P("A **moon** travels round a planet. The Earth has **one** Moon. Mars has two small "
          "moons. Mercury and Venus have none."),
        P("The giants have many. **By 2026, scientists had found more than 270 moons round "
          "Saturn and more than 90 round Jupiter.** They keep finding more."),
        Col,
        H("Dwarf planets"),
        P("**Pluto** is a **dwarf planet**: a small, round world beyond Neptune. It is "
          "smaller than our Moon."),
        P("Pluto was called a planet until **2006**. Then scientists agreed that it shares its "
          "path with too many other icy worlds to count as one."),
        H("See the planets"),
        P("Venus, Mars, Jupiter and Saturn look like bright stars. Look for them on a clear "
          "night, **with an adult**. Never look at the Sun."),
    ]),
    notes(1, "The Solar System: notes for teachers", [
        H("Learning objectives"),
        B("Name the eight planets in order from the Sun and know that the Sun is a star at the "
          "centre of the Solar System."),
        B("Tell the four rocky planets from the four giant planets, and know that moons orbit "
          "planets."),
        B("Know that pictures of the Solar System are not to scale, and what a scale model shows."),
        H("Background"),
        P("The Solar System formed about 4.6 billion years ago from a collapsing cloud of gas and "
          "dust; the Earth finished forming within about 100 million years, so \u2018Life on "
          "Earth\u2019 gives its age as about 4,500 million years. The Sun holds about 99.8% of its mass, and its gravity holds the planets in their "
          "orbits. Mercury orbits about 58 million km from the Sun, the Earth about 150 million km, "
          "Neptune about 4.5 billion km (30 times further than the Earth)."),
        Col,
        P("In 2006 the International Astronomical Union defined a planet as a body that orbits "
          "the Sun, is massive enough to be round, and has cleared its orbit of other bodies. Pluto "
          "(2,377 km across, smaller than the Moon's 3,475 km) meets the first two only: it is a "
          "dwarf planet in the Kuiper Belt beyond Neptune. The other dwarf planets are Eris, Haumea "
          "and Makemake, also beyond Neptune, and Ceres, the largest body of the asteroid belt."),
        P("Jupiter is 11 times as wide as the Earth; Saturn, Uranus and Neptune 9, 4 and 4 "
          "times. Moon counts change as telescopes find small, distant moons: by 2026 at least 274 "
          "had been confirmed round Saturn, 95 round Jupiter, 29 round Uranus and 16 round Neptune."),
        PrintOnly(Diagram(dss.sizes_to_scale, 3.3, 1.35)),
    ]),
    notes(2, "The Solar System: activities and answers", [
        H("Common misconceptions"),
        B("\u2018The planets are close together and about the same size.\u2019 Books and screens "
          "squeeze them in; a scale model shows the truth."),
        B("\u2018Planets make their own light.\u2019 They reflect sunlight; only the Sun, a star, "
          "shines by itself."),
        B("\u2018You could land on Jupiter.\u2019 The giants have no solid surface."),
        B("\u2018Pluto disappeared in 2006.\u2019 It is still there; only its name changed."),
        H("Classroom activities"),
        B("**Playground scale model:** if the Sun is a 22 cm football, the Earth is a 2 mm "
          "peppercorn 24 m away, Jupiter a 2 cm marble 123 m away and Neptune an 8 mm bead "
          "710 m away. Pace out the inner planets."),
        Col,
        B("**Planet order:** a sentence whose words start with the planets' letters: "
          "\u2018My Very Easy Method Just Speeds Up Naming\u2019. Pupils make up their own."),
        B("**Planet watching:** Venus, Mars, Jupiter and Saturn can be seen with the eye alone, "
          "from both hemispheres. Find them with a star chart for your own country."),
        B("**Safety:** observe only at night or after sunset, with an adult; never look at the "
          "Sun, least of all through binoculars or a telescope."),
        H("Answers"),
        P("Quiz: 1 a star; 2 eight; 3 Mercury; 4 third; 5 Jupiter; 6 rocky; 7 between Mars and "
          "Jupiter; 8 sunlight falling on them; 9 a dwarf planet; 10 Saturn."),
        P("Ordering: Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune. Labelling: "
          "the Sun, the Earth, the asteroid belt, Jupiter, Saturn and Neptune, from the clues."),
    ]),
]
