# SPDX-License-Identifier: GPL-3.0-or-later
"""Time and the Seasons: three pages of key facts, two of teacher's notes."""

import diagrams_seasons as ds
import pageframe
from layout import B, Box, Diagram, H, P, PrintOnly, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: Time and the Seasons"
NOTES = "Teacher's Notes: Time and the Seasons"

# The topic's own colours: a summer sky's blue and a spring leaf's green.
pageframe.THEMES["seasons"] = dict(page=(242, 249, 244), border=(60, 140, 110), title=(20, 80, 90),
                                   heading=(25, 100, 110), accent=(200, 110, 20), box=(222, 240, 230))

SUN_SAFETY = Box(Small("**Never look at the Sun**, not even for a moment. It can badly hurt your "
                       "eyes."))


def key(n, title, blocks):
    return Page("key seasons" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids", theme="seasons")


def notes(n, title, blocks):
    return Page("seasons" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="seasons")


PAGES = [
    key(1, "Days, months and years", [
        Diagram(ds.day_night, 3.2, 1.45),
        P("The Earth **spins** round like a top. One whole turn takes about **24 hours**. That "
          "is one **day**."),
        P("The half of the Earth facing the Sun has **day**. The half facing away has **night**."),
        P("The Sun seems to move across the sky. Really, it is the Earth that turns."),
        SUN_SAFETY,
        Col,
        H("A month"),
        P("The Moon goes round the Earth. From one new Moon to the next takes about **29\u00bd "
          "days**: about one **month**."),
        H("A year"),
        P("The Earth travels all the way round the Sun in about **365\u00bc days**. That is one "
          "**year**."),
        P("Our calendar has 365 days. So every four years we add an extra day, **29 February**, "
          "to catch up. That year is a **leap year**."),
        P("We split each day into 24 **hours**. A **week** is 7 days. A **season** lasts about "
          "3 months."),
    ]),
    key(2, "Why do we have seasons?", [
        Diagram(ds.tilt_seasons, 3.2, 1.85),
        P("The Earth spins round its **axis**. This is an imaginary line through the North and "
          "South Poles."),
        P("The axis is **tilted**, by about 23\u00bd degrees. It leans the **same way** all year."),
        Col,
        P("In June the northern half of the Earth leans **towards** the Sun. It is **summer** in "
          "the north and winter in the south."),
        P("In December the southern half leans towards the Sun. Now it is summer in the south "
          "and winter in the north."),
        H("Why is summer warmer?"),
        P("In summer the Sun climbs **high** in the sky at midday. Its light shines more "
          "straight down, so it heats the ground more."),
        P("Summer days are also **longer** than the nights, so there are more hours of sunshine."),
    ]),
    key(3, "Solstices, equinoxes, hemispheres", [
        Diagram(ds.orbit, 3.2, 1.9),
        P("A **solstice** is when one half of the Earth leans most towards the Sun. It comes "
          "around **21 June** and **21 December**. One half then has its longest day, the other "
          "its shortest."),
        P("At an **equinox** day and night are about the same length everywhere. It comes around "
          "**20 March** and **22 September**."),
        Col,
        H("Opposite seasons"),
        P("The **Equator** is an imaginary line round the middle of the Earth. It splits the "
          "Earth into two **hemispheres**, north and south. Their seasons are opposite."),
        B("**North** (such as the UK, Canada and China): summer is June, July and August."),
        B("**South** (such as Australia, South Africa and Argentina): summer is December, January "
          "and February."),
        Box(Small("**It is not the distance!** The Earth is **nearest** the Sun in early "
                  "**January**, in the northern winter. Its distance changes only a little: from "
                  "about 147 to 152 million km.")),
    ]),
    notes(1, "Time and the Seasons: notes for teachers", [
        H("Learning objectives"),
        B("Explain day and night by the Earth's spin, and the year by its journey round the Sun."),
        B("Explain that the seasons come from the tilt of the Earth's axis, not from its distance "
          "from the Sun."),
        B("Know that the two hemispheres have opposite seasons, and name the solstices and "
          "equinoxes."),
        H("Background"),
        P("The Earth turns once on its axis in about 24 hours and goes round the Sun in about "
          "365.24 days. A leap day every four years makes up most of the difference; century "
          "years are leap years only when they divide by 400 (2000 was, 2100 will not be)."),
        P("The axis is tilted about 23.4\u00b0 to the upright of the Earth's path (often rounded "
          "to 23.5\u00b0; the pupils' page says \u2018about 23\u00bd degrees\u2019) and keeps "
          "pointing the same way in space. The hemisphere tilted towards the Sun has the Sun high "
          "at midday, so each square metre of ground gets more sunlight, and long days."),
        Col,
        P("The Earth's path is nearly a circle: its distance from the Sun runs from about 147.1 "
          "million km (perihelion, early January) to about 152.1 million km (aphelion, early "
          "July), about 150 million km on average. Being nearest in the northern winter shows "
          "that distance does not make the seasons."),
        P("Solstices fall on 20 or 21 June and 21 or 22 December; equinoxes on about 20 March and "
          "22 or 23 September. Weather services count \u2018meteorological\u2019 seasons of "
          "whole months: in the UK summer is June to August; in Australia it is December to "
          "February."),
        PrintOnly(Diagram(ds.orbit, 3.2, 1.9)),
        H("The pages and the quiz"),
        P("Page 1 teaches the day, month and year (quiz 1 to 4, the ordering activity); page 2 "
          "the tilt (5, 7, 10); page 3 the solstices, equinoxes, hemispheres and the distance "
          "(6, 8, 9, the labelling activity)."),
    ]),
    notes(2, "Seasons: activities and answers", [
        H("Common misconceptions"),
        B("\u2018Summer is when the Earth is closest to the Sun.\u2019 It is closest in early "
          "January, in the northern winter; and the two hemispheres have opposite seasons at the "
          "same distance."),
        B("\u2018The Sun goes round the Earth each day.\u2019 The Earth spins; the Sun only "
          "seems to move."),
        B("\u2018The Earth leans towards the Sun in summer and away in winter.\u2019 The axis "
          "always leans the same way; the Earth's place on its path changes which half faces "
          "the Sun."),
        H("Classroom activities"),
        B("**Globe and lamp:** carry a globe round a lamp in a darkened room, keeping its axis "
          "leaning towards the same wall. Where is the north lit longest? **Safety:** the bulb "
          "gets hot; do not touch it or stare into it."),
        B("**Shadow stick:** measure a stick's midday shadow once a month. It is shortest in "
          "summer. **Safety:** look at the shadow, never at the Sun."),
        PrintOnly(Diagram(ds.sun_height, 3.2, 1.6)),
        Col,
        B("**Pen pals:** compare the months of summer and winter with a school in the other "
          "hemisphere."),
        H("Quiz answers"),
        P("1 about 24 hours; 2 the Earth spinning; 3 about 365\u00bc days; 4 an extra day, 29 "
          "February; 5 the Earth's tilted axis; 6 early January; 7 the northern half; 8 December "
          "to February; 9 day and night about equal; 10 longer than the nights."),
        H("Ordering activity"),
        P("Shortest to longest: an hour; a day (the Earth spins once); a week; the Moon's phases "
          "(about 29\u00bd days); a season (about 3 months); a year (once round the Sun)."),
        H("Labelling activity"),
        P("Left: June solstice (the north leans to the Sun). Right: December solstice. Far side: "
          "March equinox. Near side: September equinox. Middle: the Sun."),
    ]),
]
