# SPDX-License-Identifier: GPL-3.0-or-later
"""The Phases of the Moon: three pages of key facts, two of teacher's notes."""

import diagrams_phases as dp
import pageframe
from layout import B, Box, Diagram, H, P, PrintOnly, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: The Phases of the Moon"
NOTES = "Teacher's Notes: The Phases of the Moon"

# The topic's own colours: a night sky's blue and the Moon's silver.
pageframe.THEMES["phases"] = dict(page=(244, 244, 250), border=(80, 90, 140), title=(30, 40, 100),
                                  heading=(45, 55, 120), accent=(150, 110, 20), box=(226, 228, 242))


def key(n, title, blocks):
    return Page("key phases" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids", theme="phases")


def notes(n, title, blocks):
    return Page("phases" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="phases")


PAGES = [
    key(1, "Moonlight is sunlight", [
        Diagram(dp.sunlit_half, 3.2, 1.3),
        P("The Moon makes no light of its own. It shines because **sunlight** bounces off it."),
        P("The Sun always lights **half** of the Moon: the half that faces the Sun. The other "
          "half is dark."),
        Col,
        P("The Moon travels round the Earth. As it goes, we see **more or less** of its sunlit "
          "half."),
        Diagram(dp.path, 3.2, 2.0),
        P("These changing shapes are called the Moon's **phases**."),
        P("From one new Moon to the next takes about **29\u00bd days**."),
    ]),
    key(2, "A month of phases", [
        Diagram(dp.month, 3.2, 2.2),
        P("**Waxing** means growing: each night we see more of the lit half. **Waning** means "
          "shrinking."),
        Box(Small("**Not the Earth's shadow!** The Earth's shadow does **not** make the phases. "
                  "It falls on the Moon only in a **lunar eclipse**, which is rare.")),
        Col,
        P("A **crescent** is a thin curved slice. A **gibbous** Moon is more than half lit, but "
          "not full."),
        P("At **new Moon** the Moon is between the Earth and the Sun. Its lit half faces away "
          "from us, so we cannot see it."),
        P("At **full Moon** the Earth is between the Sun and the Moon. We see the whole lit half."),
        P("At **first quarter** and **last quarter** the Moon looks like **half a circle**. It has "
          "gone a quarter, or three quarters, of the way round."),
    ]),
    key(3, "North and south", [
        Diagram(dp.north_south, 3.2, 1.45),
        P("People in the **southern hemisphere** see the Moon the other way up. So its lit side "
          "is **reversed**."),
        P("A waxing Moon is lit on the **right** from the north, and on the **left** from the "
          "south."),
        Col,
        P("Everyone on the Earth sees the **same phase** on the same night, just turned round."),
        H("A Moon diary"),
        P("On every clear day for a month, draw the Moon's shape and write the date. Do it "
          "**with an adult**."),
        P("Before full Moon, look in the evening. After full Moon it rises later each night, so "
          "look in the morning. Can you see it wax and then wane?"),
        Box(Small("**Never look at the Sun**, even when you look for the Moon in the daytime. It "
                  "can badly hurt your eyes.")),
    ]),
    notes(1, "The Phases of the Moon: notes for teachers", [
        H("Learning objectives"),
        B("Know that the Moon shines by reflected sunlight and that the Sun always lights half "
          "of it."),
        B("Explain the phases by how much of the lit half faces the Earth, not by the Earth's "
          "shadow."),
        B("Name the eight phases in order, and know that the lit side is reversed in the "
          "southern hemisphere."),
        H("Background"),
        P("The Moon goes round the Earth in about 27.3 days relative to the stars. Meanwhile "
          "the Earth moves along its path round the Sun, so the Moon needs about two more days "
          "to line up with the Sun again: the cycle of phases, new Moon to new Moon, takes about "
          "29.5 days."),
        PrintOnly(Diagram(dp.path, 3.2, 2.0)),
        Col,
        P("The Sun lights one half of the Moon. At new Moon that half faces away from us; at "
          "full Moon it faces us; at the quarters we see half of it, so the Moon looks like a "
          "half disc. The Earth's shadow plays no part: it reaches the Moon only in a lunar "
          "eclipse, at some full Moons."),
        P("People south of the Equator see the Moon turned round, so a waxing Moon is lit on the "
          "left there and on the right in the north. Near the Equator a crescent often lies on its "
          "back like a bowl, lit from below. The phase is the same for everyone on the same "
          "night."),
        H("The pages and the quiz"),
        P("Page 1 teaches moonlight, the lit half and the cycle (quiz 1 to 4); page 2 the names "
          "and the order (5 to 8, 10, the ordering activity); page 3 the hemispheres (9)."),
    ]),
    notes(2, "Moon phases: activities and answers", [
        H("Common misconceptions"),
        B("\u2018The Earth's shadow makes the phases.\u2019 The shadow only touches the Moon in "
          "a lunar eclipse; at a crescent the Moon is nowhere near it."),
        B("\u2018Clouds cover part of the Moon.\u2019 The shape is the same on a cloudless "
          "night."),
        B("\u2018The Moon is only out at night.\u2019 It is often up in the daytime too."),
        H("Classroom activities"),
        B("**Head as the Earth:** in a darkened room each pupil holds a white ball on a stick "
          "at arm's length and turns slowly round, facing it, near a lamp. The lit part grows "
          "and shrinks. **Safety:** the bulb gets hot; do not look into it; keep the floor "
          "clear."),
        B("**Moon diary:** draw the Moon on each clear day for a month, with an adult: in the "
          "evening while it waxes, in the morning after full Moon, when it rises late at night."),
        PrintOnly(Diagram(dp.month, 3.2, 2.2)),
        Col,
        H("Quiz answers"),
        P("1 sunlight bouncing off it; 2 half of it; 3 how much of the lit half we see; 4 about "
          "29\u00bd days; 5 growing; 6 gibbous; 7 waning gibbous; 8 between the Earth and the "
          "Sun; 9 on the left; 10 half a circle."),
        H("Ordering activity"),
        P("New Moon, waxing crescent, first quarter, waxing gibbous, full Moon, waning gibbous, "
          "last quarter, waning crescent."),
        H("Labelling activity"),
        P("Seen from above the North Pole, with sunlight from the left: new Moon on the Sun's "
          "side of the Earth, full Moon on the far side, first quarter below and last quarter "
          "above. The Earth is in the middle; the sunlight is the arrows. The small pictures "
          "show how each Moon looks from the north."),
    ]),
]
