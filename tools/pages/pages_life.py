# SPDX-License-Identifier: GPL-3.0-or-later
"""Life on Earth: three pages of key facts, two of teacher's notes."""

import diagrams
from layout import B, Box, Diagram, H, P, PrintOnly, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: Life on Earth"
NOTES = "Teacher's Notes: Life on Earth"


def key(n, title, blocks):
    return Page("key life" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids", theme="life")


def notes(n, title, blocks):
    return Page("life" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="life")


PAGES = [
    key(1, "What do living things need?", [
        Diagram(diagrams.needs, 3.3, 1.0),
        P("All living things need **water**. Your body is more than half water!"),
        P("They need **food** for energy. Animals eat plants or other animals."),
        P("Green plants make their own food. They use **sunlight**, water and air."),
        Col,
        P("Most living things need **air**. We breathe in a gas called **oxygen** to stay alive."),
        P("Green plants give out oxygen. Animals breathe it in."),
        P("Living things need **warmth**, but not too much. Most cannot live where it is far too "
          "hot or far too cold."),
        Box(Small("**No life there:** the **Moon** has no air and no liquid water. **Mercury**, "
                  "the planet closest to the Sun, has almost no air: it is scorching by day and far "
                  "below freezing at night. The **Sun** is far too hot and has no solid ground.")),
    ]),
    key(2, "The story of life", [
        Diagram(diagrams.life_day, 3.3, 2.78),
        P("The Earth formed about **4,500 million years ago**. Life began **in water** over "
          "**3,500 million years ago**, as **tiny** living things."),
        Col,
        P("About **1,000 million years ago** came the first living things made of **many "
          "cells**."),
        P("About **360 million years ago** the first four-legged animals walked onto the "
          "**land**. The first **mammals** came about **220 million years ago**."),
        H("Dinosaurs"),
        P("Most dinosaurs, like **T. rex**, died out **66 million years ago**, after a giant rock "
          "from space hit the Earth. Birds are the dinosaurs that lived on!"),
        H("People"),
        P("People like us appeared about **300,000 years ago**, long after the dinosaurs. No "
          "person ever saw a living T. rex."),
    ]),
    key(3, "Why is the Earth just right?", [
        Diagram(diagrams.distances, 3.3, 1.32),
        P("The Earth is the **right distance from the Sun**: not too hot and not too cold."),
        P("So the Earth has **liquid water**: seas, rivers and rain."),
        P("The Earth has **air** with oxygen in it. The air keeps us warm, like a blanket."),
        Col,
        H("Venus: far too hot"),
        P("Venus is about **465 \u00b0C**, hot enough to melt lead. It is even hotter than "
          "Mercury, which is closer to the Sun!"),
        P("Its **thick air** traps the heat like a heavy blanket, and presses down 90 times "
          "harder than ours. You would be roasted and crushed."),
        H("Mars: freezing"),
        P("Mars is **freezing**, about \u201360 \u00b0C on average."),
        P("Its air is very **thin**, and we cannot breathe it. You would need a spacesuit."),
        P("Long ago Mars had **rivers and lakes**. Simple life might have lived there then."),
    ]),
    notes(1, "Life on Earth: notes for teachers", [
        H("Learning objectives"),
        B("Know that living things need water, food (energy), air and warmth."),
        B("Know that life began in water as tiny living things, that dinosaurs died out about "
          "66 million years ago and that people came much later."),
        B("Explain why the Earth suits life and why Venus and Mars do not."),
        H("Background: life"),
        P("Green plants make their food by photosynthesis from carbon dioxide and water, using "
          "sunlight, and give out oxygen. The oldest fossils of life, mats of microbes, are "
          "about 3,500 million years old. Animals appear about 600 million years ago; dinosaurs "
          "about 230 million; the non-bird dinosaurs died out 66 million years ago after an "
          "asteroid struck Mexico. Our own species is about 300,000 years old."),
        Col,
        PrintOnly(Diagram(diagrams.life_day, 3.3, 2.78)),
        H("Background: the planets"),
        P("The Earth lies where water can stay liquid, and its air and magnetic field shield "
          "life. Venus (about 465 \u00b0C) is hotter than Mercury: its thick carbon dioxide air, "
          "90 times the pressure of ours, traps heat under clouds of sulfuric acid. Mars "
          "averages about \u201360 \u00b0C; its thin carbon dioxide air is about 1% of our air "
          "pressure."),
    ]),
    notes(2, "Life on Earth: misconceptions and activities", [
        H("Common misconceptions"),
        B("\u2018People lived with dinosaurs.\u2019 The non-bird dinosaurs died out some 66 million "
          "years before there were people."),
        B("\u2018Plants take food from the soil.\u2019 They make it; soil gives water and minerals."),
        B("\u2018Venus is hottest because it is nearest the Sun.\u2019 Mercury is nearer; Venus's air "
          "traps heat."),
        H("Classroom activities"),
        B("**Timeline rope:** on a 46 m rope, 1 m is 100 million years: dinosaurs die out 66 cm "
          "from the end and people fill the last 3 mm."),
        B("**Plant needs:** grow cress with and without water, light and warmth."),
        Col,
        B("**Design a Mars base:** what must it give people to live there?"),
        H("The quiz, the activities and the key facts"),
        P("Page 1 answers the questions on water, oxygen and sunlight, and says why the Moon, "
          "Mercury and the Sun cannot hold life; page 2 covers the first life, the timeline, "
          "dinosaurs and people; page 3 the Earth, Venus and Mars."),
        P("The timeline activity puts \u2018The first human beings evolved\u2019 at \u2018100 "
          "thousand years ago\u2019, while page 2 says about 300,000 years. Both are fair: the "
          "oldest fossils of our species are about 300,000 years old, and people like us spread "
          "across the world within about the last 100,000 years."),
        P("Birds are living dinosaurs (page 2); the quiz asks about T. rex, which page 2 names. "
          "The clock, page 2 and the timeline mean the first four-legged animals, 360 million "
          "years ago (10:05 pm); plants and small animals reached land from about 470 million "
          "years ago."),
    ]),
]
