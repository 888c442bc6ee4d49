# SPDX-License-Identifier: GPL-3.0-or-later
"""The tides: three pages of key facts for pupils, two of teacher's notes."""

import diagrams
from layout import B, Box, Diagram, H, P, Picture, PrintOnly, Side, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: The Tides"
NOTES = "Teacher's Notes: The Tides"


def key(n, title, blocks):
    return Page("key tides" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids", theme="tides")


def notes(n, title, blocks):
    return Page("tides" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="tides")


PAGES = [
    key(1, "The Tides: the sea goes up and down", [
        H("What is a tide?"),
        P("On most beaches, twice a day the sea creeps up the beach. Then it slides back down "
          "again."),
        P("This rise and fall of the sea is called the **tide**."),
        P("When the sea is furthest up the beach, we call it **high water**, or high tide."),
        P("When the sea is furthest out, we call it **low water**, or low tide."),
        Box(Side(Picture("seal-closeup", 0.75), [
            Small("**Did you know?** Seals like to rest on sandbanks at low water. When the "
                  "tide comes in, they swim off.")], 0.75)),
        Col,
        Picture("tide.jpg", 1.9, "A beach with the tide out"),
        H("The Moon does it!"),
        P("The Moon's **gravity** pulls on the Earth and on its seas."),
        P("This pull is what mostly makes the tides."),
        P("The wind, fish and ships do not make the tides."),
    ]),
    key(2, "Two bulges, two high tides", [
        Diagram(diagrams.tide_bulges, 3.2, 1.75),
        P("The Moon pulls the sea into **two bulges**. One bulge faces the Moon."),
        P("The other bulge is on the side of the Earth **away from the Moon**. The Moon pulls "
          "that water the least, so it gets left behind."),
        Col,
        H("Why two high tides a day?"),
        P("The Earth spins round once a day. Your beach is carried through **both bulges**."),
        P("Each bulge gives a high tide. So most beaches get **two high tides** and two low "
          "tides every day."),
        Diagram(diagrams.tide_day, 3.2, 1.6),
        P("From one high tide to the next is about **12 and a half hours**."),
    ]),
    key(3, "Spring tides and neap tides", [
        Diagram(diagrams.spring_neap, 3.2, 2.55),
        H("Spring tides"),
        P("At **new Moon** and **full Moon**, the Sun, Earth and Moon are in a line. Their pulls "
          "add up: the **biggest** rise and fall."),
        Col,
        P("Spring tides have nothing to do with the season. They come twice a month."),
        H("Neap tides"),
        P("At the **quarter Moons** (half lit), the Sun and Moon pull at a right angle. Then the "
          "sea rises and falls **the least**."),
        H("The Sun helps"),
        P("The Sun pulls on the Earth much harder than the Moon does. But it is so far away "
          "that its pull is nearly the same on both sides of the Earth."),
        P("Tides come from that **difference**, so the Sun's tides are a bit less than **half** "
          "as big as the Moon's."),
    ]),
    notes(1, "The Tides: notes for teachers", [
        H("Learning objectives"),
        B("Describe the tide as the regular rise and fall of the sea level, with high water and "
          "low water."),
        B("Explain that the Moon's gravity is the main cause of the tides, helped by the Sun."),
        B("Explain why most coasts have two high tides a day, about 12 h 25 min apart."),
        B("Tell spring tides from neap tides and link them to the phases of the Moon."),
        H("Background: the two bulges"),
        PrintOnly(Diagram(diagrams.tide_bulges, 3.2, 1.75)),
        P("Gravity weakens with distance. The Moon pulls the ocean on the near side of the Earth "
          "a little more strongly than it pulls the Earth's centre, and the centre more strongly "
          "than the ocean on the far side. The difference stretches the oceans into two bulges: "
          "one towards the Moon and one directly away from it."),
        P("Coasts shape real tides: the open ocean rises by under a metre, but funnel-shaped bays "
          "see up to 16 m (Bay of Fundy, Canada)."),
        Col,
        H("Background: the timing"),
        P("The Earth turns under the bulges once a day, but the Moon moves on along its orbit, "
          "so a place meets the Moon again after about 24 h 50 min. Two bulges give two high tides "
          "in that time: about 12 h 25 min apart, and about 50 minutes later each day."),
        H("Background: the Sun, spring and neap"),
        P("The Sun's tide-raising effect is a little under half the Moon's. The Sun is far more "
          "massive, but about 390 times further away, and tidal effects fall with the cube of "
          "distance."),
        P("**Spring tides** (from an old sense of \u2018spring\u2019, to leap up) come at or just after "
          "new and full Moon, when Sun and Moon line up and their effects add. **Neap tides** come "
          "near the first and last quarter, when they pull at right angles. The two alternate "
          "about every seven days."),
    ]),
    notes(2, "The Tides: misconceptions and activities", [
        PrintOnly(Diagram(diagrams.spring_neap, 3.2, 2.55)),
        H("Common misconceptions"),
        B("\u2018The wind makes the tides.\u2019 Wind and storms can raise the sea for a while (a storm "
          "surge), but the steady rhythm comes from the Moon and the Sun."),
        B("\u2018Spring tides happen in spring.\u2019 They come twice a month, all year."),
        B("\u2018There is one bulge, under the Moon.\u2019 There are two; the far one gives the second "
          "daily tide."),
        B("\u2018High tide is at the same time every day.\u2019 It comes about 50 minutes later each day."),
        H("Classroom activities"),
        B("**Tide tables:** print a week of tide times for a nearby port. Pupils find the time "
          "between high tides and how much later they come each day."),
        B("**Model the bulges:** lay a card Earth with a paper \u2018beach\u2019 on an oval of blue "
          "paper pointing at a ball Moon. Turn the Earth once: how many bulges does the beach pass?"),
        Col,
        B("**Moon diary:** record the Moon's shape for a month and mark the spring and neap tides "
          "from a tide table beside it."),
        B("**Safety:** the tide can come in fast and cut people off. Always check tide times before "
          "walking on a beach or sandbank."),
        H("The quiz and the key facts"),
        P("Every quiz question is answered in the Key Facts: pages 1 and 2 cover the Moon's pull, "
          "the two bulges, two tides a day, 12\u00bd hours and low water; page 3 covers spring and "
          "neap tides and the Sun. The questions on why there are two high tides a day and on the "
          "Sun's part need the most talking through."),
    ]),
]
