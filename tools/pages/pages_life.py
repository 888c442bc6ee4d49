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
        Box(Small("**Did you know?** A person can live for weeks without food, but only a few "
                  "days without water.")),
    ]),
    key(2, "The story of life", [
        Diagram(diagrams.life_day, 3.3, 2.78),
        P("Scientists think life began **in water**, over 3.5 billion years ago."),
        P("The first living things were **tiny**, far too small to see."),
        Col,
        P("Slowly, over a very long time, living things changed. Plants and animals moved onto "
          "the land."),
        H("Dinosaurs"),
        P("Dinosaurs lived on Earth for more than 160 million years."),
        P("Most dinosaurs died out about **66 million years ago**, after a giant rock from space "
          "hit the Earth."),
        P("Birds come from dinosaurs. They are their living relatives!"),
        H("People"),
        P("**People came much later**, only about 300,000 years ago. No person ever saw a "
          "living T. rex."),
    ]),
    key(3, "Why is the Earth just right?", [
        Diagram(diagrams.distances, 3.3, 1.32),
        P("The Earth is the **right distance from the Sun**: not too hot and not too cold."),
        P("So the Earth has **liquid water**: seas, rivers and rain."),
        P("The Earth has **air** with oxygen in it. The air keeps us warm, like a blanket."),
        Col,
        H("Venus: far too hot"),
        P("Venus is about **465 \u00b0C**. That is hot enough to melt lead!"),
        P("Thick, poisonous clouds cover it. People could not live there."),
        H("Mars: freezing"),
        P("Mars is **freezing**, about \u201360 \u00b0C on average."),
        P("Its air is very **thin**, and we cannot breathe it. On Mars you would need a "
          "spacesuit."),
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
          "about 3.5 billion years old. Animals appear about 600 million years ago; dinosaurs "
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
        B("\u2018People lived with dinosaurs.\u2019 Some 66 million years separate them."),
        B("\u2018Plants take food from the soil.\u2019 They make it; soil gives water and minerals."),
        B("\u2018Venus is hottest because it is nearest the Sun.\u2019 Mercury is nearer; Venus's air "
          "traps heat."),
        H("Classroom activities"),
        B("**Timeline rope:** on a 46 m rope, 1 m is 100 million years: dinosaurs die out 66 cm "
          "from the end and people fill the last 3 mm."),
        Col,
        B("**Plant needs:** grow cress with and without water, light and warmth."),
        B("**Design a Mars base:** what must it give people to live there?"),
        H("The quiz and the key facts"),
        P("Page 1 answers the questions on water, oxygen and sunlight; page 2 those on the "
          "first life, dinosaurs and people; page 3 those on the Earth, Venus and Mars."),
    ]),
]
