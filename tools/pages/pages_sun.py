# SPDX-License-Identifier: GPL-3.0-or-later
"""The Sun and other stars: two pages of key facts, two of teacher's notes."""

import diagrams
from layout import B, Box, Diagram, H, P, Picture, PrintOnly, Side, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: The Sun and other Stars"
NOTES = "Teacher's Notes: The Sun and other Stars"


def key(n, title, blocks):
    return Page("key sun" + "ab"[n - 1], KEY, n, 2, title, blocks, kind="kids", theme="sun")


def notes(n, title, blocks):
    return Page("sun" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="sun")


PAGES = [
    key(1, "The Sun is a star", [
        Side(Picture("sun-cutout", 0.95), [
            P("The Sun is a **star**. It is the star closest to the Earth."),
        ], 0.95),
        P("Stars are huge balls of very hot gas. They make their own light and heat."),
        P("The Sun does not burn like a fire. Deep inside, tiny bits of gas join together and "
          "give out huge amounts of energy: **nuclear fusion**."),
        P("At night we see other stars. They look tiny because they are very far away."),
        H("How big is the Sun?"),
        P("The Sun is so big that **more than a million** Earths could fit inside it."),
        Col,
        H("How far away is it?"),
        Diagram(diagrams.sun_earth, 3.2, 1.1),
        P("The Sun is about **150 million km** away. Its light takes about **8 minutes** to "
          "reach us."),
        H("How old is it?"),
        P("The Sun is about **4.6 billion years** old. It is about halfway through its life."),
        Box(Small("**Never look straight at the Sun**, not even with sunglasses. It can "
                  "badly hurt your eyes.")),
    ]),
    key(2, "The life of a star", [
        Diagram(diagrams.star_life, 3.3, 1.3),
        H("Born in a cloud"),
        P("New stars are born in huge clouds of **gas and dust**, called nebulae."),
        P("Gravity pulls the gas into a ball. The middle gets so hot that the ball starts to "
          "shine: a new star!"),
        Col,
        H("Red giant, then white dwarf"),
        P("In about 5 billion years the Sun will swell up into a **red giant**."),
        P("At the end, it will puff its outside off into space. What is left is a **white "
          "dwarf**: a small, hot star about as big as the Earth."),
        Box(Small("**Big numbers**"),
            Small("a **million** = 1,000,000"),
            Small("a **billion** = a thousand million = 1,000,000,000"),
            Small("a **trillion** = a million million = 1,000,000,000,000")),
        P("A **light year** is how far light goes in a year: about **9.5 trillion km**. After "
          "the Sun, the nearest star is more than 4 light years away."),
    ]),
    notes(1, "The Sun and other Stars: notes for teachers", [
        H("Learning objectives"),
        B("Know that the Sun is a star, the nearest one to the Earth, and that stars are huge "
          "balls of hot gas that give out their own light."),
        B("Describe the life of a star like the Sun: nebula, star, red giant, white dwarf."),
        B("Use big numbers to compare sizes and distances: million, billion, light year."),
        H("Background: the Sun"),
        P("The Sun is about 4.6 billion years old and 1.39 million km across, 109 times the "
          "Earth, so about 1.3 million Earths would fit inside it. It is about 150 million km "
          "away; light, at about 300,000 km a second, takes 8 minutes 20 seconds to reach us. "
          "In its core, at about 15 million \u00b0C, hydrogen fuses into helium and releases "
          "energy."),
        Col,
        H("The activities and the key facts"),
        P("The labelling activity says the Sun \u2018has been steadily burning its nuclear fuel "
          "for 4.5 billion years\u2019. The key facts give about 4.6 billion years, the figure "
          "scientists use today, and say that the Sun does not burn: it shines by nuclear "
          "fusion, not fire. Talk about both wordings with the class."),
        P("The ordering activity matches numbers to their names, up to a trillion; Key Facts "
          "page 2 has a box of big numbers."),
        H("The quiz and the key facts"),
        P("Key Facts page 1 answers the questions on what the Sun is, its distance, the time "
          "light takes, its size, its age and the nearest star; page 2 those on nebulae, red "
          "giants, white dwarfs and light years."),
    ]),
    notes(2, "The Sun and other Stars: the life of a star", [
        H("Background: the life of a star"),
        PrintOnly(Diagram(diagrams.star_life, 3.3, 1.3)),
        P("Stars form when gravity pulls together gas and dust in a nebula. In about 5 billion "
          "years the Sun will swell into a red giant, probably swallowing Mercury and Venus, "
          "then shed its outer layers and leave a white dwarf about the size of the Earth. "
          "Only stars much heavier than the Sun explode as supernovae. The nearest other star, "
          "Proxima Centauri, is 4.2 light years away; a light year is about 9.5 million "
          "million km."),
        H("Common misconceptions"),
        B("\u2018The Sun is not a star.\u2019 It looks different only because it is so close."),
        B("\u2018The Sun is on fire.\u2019 It shines by nuclear fusion, not burning."),
        B("\u2018A light year is a time.\u2019 It is a distance."),
        B("\u2018The Sun will explode.\u2019 It is too small to become a supernova."),
        Col,
        H("Classroom activities"),
        B("**Scale model:** if the Sun were a 22 cm football, the Earth would be a 2 mm "
          "peppercorn about 24 m away. Pace it out in the playground."),
        B("**Life of a star:** pupils put picture cards of the stages in order and write a "
          "caption for each."),
        B("**Safety:** never look at the Sun, least of all through binoculars or a telescope."),
    ]),
]
