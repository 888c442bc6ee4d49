# SPDX-License-Identifier: GPL-3.0-or-later
"""Continents and Oceans: three pages of key facts, two of teacher's notes."""

import diagrams_continents as dc
import pageframe
from layout import B, Box, Diagram, H, P, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: Continents and Oceans"
NOTES = "Teacher's Notes: Continents and Oceans"

# The topic's own colours: the ocean's blue and the green of the land.
pageframe.THEMES["continents"] = dict(page=(238, 246, 252), border=(40, 110, 170), title=(20, 70, 120),
                                      heading=(30, 90, 150), accent=(60, 140, 70), box=(222, 238, 248))


def key(n, title, blocks):
    return Page("key continents" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids",
                theme="continents")


def notes(n, title, blocks):
    return Page("continents" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="continents")


PAGES = [
    key(1, "Seven continents", [
        Diagram(dc.continents, 3.2, 1.8),
        P("A **continent** is a very big piece of land. Our pages use **seven**: Asia, Africa, "
          "North America, South America, Antarctica, Europe and Australia."),
        P("**Asia** is the biggest. **Australia** is the smallest. **Antarctica**, round the "
          "South Pole, is covered in thick ice."),
        Col,
        H("A fair map"),
        P("The Earth is round, so every flat map stretches it somehow. Many maps make places "
          "near the poles look far too big."),
        P("This map is drawn so that every continent keeps its **true size** compared with the "
          "others. Africa really is about 14 times bigger than Greenland."),
        P("Lines of **longitude** run from the North Pole to the South Pole. This map's middle "
          "is the line of **0\u00b0 longitude**, through Greenwich in London. Maps made in other "
          "countries may put another place in the middle."),
    ]),
    key(2, "One big ocean", [
        Diagram(dc.oceans, 3.2, 1.8),
        P("Salty water covers about **71%** of the Earth, nearly three quarters."),
        P("All the oceans **join up**. They are really **one world ocean**. A ship can sail from "
          "one to any other."),
        Col,
        H("Five named parts"),
        P("We give the ocean five names. From the **biggest** to the **smallest**: the "
          "**Pacific**, the **Atlantic**, the **Indian**, the **Southern** and the **Arctic**."),
        P("The **Southern Ocean** goes all the way round Antarctica. The **Arctic Ocean** is "
          "round the North Pole."),
        H("Deep and high"),
        P("The deepest place is in the Pacific: the **Challenger Deep**, about **11 km** down."),
        P("Mount Everest, the highest mountain on land, is 8,849 m high (measured in 2020). It "
          "would fit in the Challenger Deep with water to spare."),
    ]),
    key(3, "Continents on the move", [
        Diagram(dc.plates, 3.2, 1.35),
        P("The Earth's outside is cracked into huge pieces called **plates**. The continents "
          "and the ocean floor ride on them."),
        P("The plates move **very slowly**: a few **centimetres** a year, about as fast as your "
          "fingernails grow."),
        Col,
        P("Over millions of years that adds up. About **200 million years ago** all the "
          "continents were joined in one giant continent, called **Pangaea**."),
        P("Look at a map: South America and Africa fit together like jigsaw pieces."),
        Box(Small("**How many continents?** It depends on where you learnt it. In some countries "
                  "children learn **six**, with North and South America as one America, or "
                  "Europe and Asia as one Eurasia. These pages use **seven**.")),
    ]),
    notes(1, "Continents and Oceans: notes for teachers", [
        H("Learning objectives"),
        B("Name and locate the seven continents and the five named parts of the world ocean."),
        B("Know that the oceans are connected and cover about 71% of the Earth's surface."),
        B("Know that continents move slowly on plates, and that the number of continents "
          "depends on the convention used."),
        H("Background"),
        P("About 71% of the surface is ocean, which holds about 97% of the Earth's water. NOAA "
          "describes one global ocean with named regions; historically four were named (Pacific, "
          "Atlantic, Indian, Arctic), and most countries, the United States among them, now also "
          "name the Southern Ocean around Antarctica. The Pacific is the largest and deepest; the "
          "Challenger Deep in the Mariana Trench is about 11,000 m deep."),
        Col,
        P("The outer shell of the Earth is broken into plates that move a few centimetres a "
          "year. The continents were joined as Pangaea about 200 million years ago, then split "
          "apart; the Atlantic is still widening."),
        P("The seven-continent model is taught in the UK, the USA, China, India and Australia; "
          "six (one America, or Eurasia) elsewhere. New Guinea stands on the same continental "
          "shelf as Australia. New Zealand stands on Zealandia, a continent mostly under the sea "
          "(GNS Science, 2017); the map colours it with Australia, as atlases that group the "
          "region as Oceania do."),
        P("The maps use an equal-area projection (Equal Earth) centred on 0\u00b0 longitude, so "
          "areas are true and the southern continents are not shrunk. Shapes near the edges are "
          "bent; a globe shows both truly."),
    ]),
    notes(2, "Continents: activities and answers", [
        H("Common misconceptions"),
        B("\u2018The oceans are separate bodies of water.\u2019 They are one connected ocean; "
          "the names are for parts of it."),
        B("\u2018Greenland is as big as Africa.\u2019 Some maps stretch the far north; Africa is "
          "about 14 times bigger. Compare the two on a globe."),
        B("\u2018The continents have always been where they are.\u2019 They move a few "
          "centimetres a year."),
        H("Classroom activities"),
        B("**Globe and map:** find each continent on a globe, then on a flat map; which looks "
          "different, and why?"),
        B("**Jigsaw Earth:** cut out South America and Africa from a map and fit them together."),
        B("**Safety:** scissors with care; at the seaside, stay with an adult and away from the "
          "water's edge in waves."),
        Col,
        H("Quiz answers"),
        P("1 seven; 2 Asia; 3 Australia; 4 Pacific; 5 Arctic; 6 about 71%; 7 they are all joined; "
          "8 a few centimetres a year; 9 Pangaea; 10 Antarctica."),
        H("Ordering activity"),
        P("The oceans from biggest to smallest: Pacific, Atlantic, Indian, Southern, Arctic."),
        H("Labelling activity"),
        P("The seven continents on the equal-area map: North America, South America, Europe, "
          "Africa, Asia, Australia and Antarctica."),
        Diagram(dc.oceans, 3.2, 1.8),
    ]),
]
