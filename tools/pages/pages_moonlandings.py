# SPDX-License-Identifier: GPL-3.0-or-later
"""The Moon Landings: three pages of key facts, two of teacher's notes."""

import diagrams_moonlandings as dm
import pageframe
from layout import B, Box, Diagram, H, P, Picture, PrintOnly, Small
from page import Page
from pageframe import Col

KEY = "Key Facts: The Moon Landings"
NOTES = "Teacher's Notes: The Moon Landings"

# The topic's own colours: the grey of the Moon's dust and the gold of the lander.
pageframe.THEMES["landings"] = dict(page=(244, 244, 246), border=(80, 80, 100), title=(40, 40, 70),
                                    heading=(60, 60, 110), accent=(170, 120, 20), box=(232, 232, 238))


def key(n, title, blocks):
    return Page("key landings" + "abc"[n - 1], KEY, n, 3, title, blocks, kind="kids", theme="landings")


def notes(n, title, blocks):
    return Page("landings" + "ab"[n - 1], NOTES, n, 2, title, blocks, theme="landings")


PAGES = [
    key(1, "The road to the Moon", [
        Diagram(dm.timeline, 3.2, 1.5),
        P("In **1957** the Soviet Union sent up **Sputnik 1**, the first **satellite**. A "
          "satellite is something that goes round and round a bigger body."),
        P("In **1961** **Yuri Gagarin** was the first person in space. He went once round the "
          "Earth."),
        Col,
        P("In **1966** the robot **Luna 9** made the first gentle landing on the Moon."),
        P("In **December 1968** the three astronauts of **Apollo 8** were the first people to "
          "go round the Moon. They did not land."),
        P("The Moon is about **384,400 km** away. The Apollo astronauts took about **3 days** "
          "to get there."),
    ]),
    key(2, "Apollo 11: the first footsteps", [
        Picture("moonlanding.jpg", 2.6, "A lander on the Moon, with the Earth in the sky (a drawing)"),
        P("On **20 July 1969** the lander **Eagle** touched down on a flat plain called the "
          "**Sea of Tranquillity**. There is no water in it."),
        Col,
        P("**Neil Armstrong**, the commander, stepped out first. **Buzz Aldrin**, the lunar "
          "module pilot, followed. They walked for about two and a half hours."),
        P("**Michael Collins**, the command module pilot, flew round the Moon in **Columbia**, "
          "waiting to take them home."),
        P("Armstrong said: \u201cThat's one small step for a man, one giant leap for mankind.\u201d"),
        Box(Small("There is **no wind or rain** on the Moon, so the astronauts' **footprints** "
                  "are still there.")),
    ]),
    key(3, "Twelve moonwalkers", [
        Diagram(dm.landing_sites, 3.2, 1.95),
        P("Between **1969** and **1972** six Apollo crews landed. **Twelve** astronauts walked "
          "on the Moon. All were American men."),
        P("**Apollo 13** (1970) never landed: an oxygen tank burst on the way. The crew got home "
          "safely."),
        Col,
        P("Moonwalkers brought back **382 kg** of rock and dust. Scientists all over the world "
          "still study them."),
        P("The Moon pulls with only about **one sixth** of the Earth's gravity, so the "
          "astronauts could hop and bounce."),
        P("The last Apollo crew, **Apollo 17**, left in **December 1972**. By **2026** nobody "
          "had walked on the Moon again."),
        P("In **April 2026** four astronauts flew round the Moon and back on **Artemis II**, the "
          "first people to travel to the Moon since 1972. They did not land."),
    ]),
    notes(1, "The Moon Landings: notes for teachers", [
        H("Learning objectives"),
        B("Order the steps from the first satellite (1957) to the first landing (1969)."),
        B("Know the Apollo 11 crew and their roles, and that twelve people walked on the Moon."),
        H("Background"),
        P("Sputnik 1, 4 October 1957; Yuri Gagarin, Vostok 1, 12 April 1961; Luna 9, the first "
          "soft landing, 3 February 1966; Apollo 8 (Frank Borman, Jim Lovell, Bill Anders) orbited "
          "the Moon in December 1968. Apollo 11 landed on 20 July 1969 (20:17 UTC); the first "
          "step was at 02:56 UTC on 21 July, still 20 July in the Americas."),
        H("The crews that landed"),
        P("The first two walked on the Moon; the third stayed in orbit."),
        B("**11**, Jul 1969: Neil Armstrong, Buzz Aldrin; Michael Collins"),
        B("**12**, Nov 1969: Pete Conrad, Alan Bean; Richard Gordon"),
        Col,
        B("**14**, Feb 1971: Alan Shepard, Edgar Mitchell; Stuart Roosa"),
        B("**15**, Jul 1971: David Scott, James Irwin; Alfred Worden"),
        B("**16**, Apr 1972: John Young, Charles Duke; Ken Mattingly"),
        B("**17**, Dec 1972: Eugene Cernan, Harrison Schmitt (a geologist); Ronald Evans"),
        P("Apollo 13 (April 1970: Jim Lovell, Jack Swigert, Fred Haise) did not land."),
        P("Artemis II (launched 1 April 2026, back 10 April: Reid Wiseman, commander; Victor "
          "Glover, pilot; Christina Koch, and Jeremy Hansen of the Canadian Space Agency, mission "
          "specialists) flew round the Moon without landing."),
    ]),
    notes(2, "The Moon Landings: activities and answers", [
        H("Common misconceptions"),
        B("\u2018The flag waved in the wind.\u2019 There is no air; a rod held it out and it "
          "wobbled when it was moved."),
        B("\u2018A telescope can show the flags.\u2019 They are far too small; spacecraft going "
          "round the Moon have photographed the landing sites."),
        B("\u2018There is no gravity on the Moon.\u2019 There is, about one sixth of the Earth's."),
        B("\u2018It was faked.\u2019 The rocks are studied in many countries, and observatories "
          "still bounce lasers off mirrors the crews left."),
        H("Classroom activities"),
        B("**Washing-line timeline:** peg the six steps on a line, spaced by year."),
        B("**Crater tray:** drop marbles into flour dusted with cocoa. **Safety:** goggles; "
          "drop from low height; wipe spills."),
        Col,
        H("Quiz answers"),
        P("1 Sputnik 1; 2 Yuri Gagarin; 3 Apollo 11; 4 20 July 1969; 5 Neil Armstrong; "
          "6 Michael Collins; 7 twelve; 8 no wind or rain; 9 Apollo 13; 10 1972."),
        H("Ordering activity"),
        P("Sputnik 1 (1957); Yuri Gagarin (1961); Luna 9 lands (1966); Apollo 8 round the Moon "
          "(1968); Apollo 11 first steps (1969); Apollo 17, the last Apollo landing (1972)."),
        H("Labelling activity"),
        P("Apollo 11 Sea of Tranquillity; 12 Ocean of Storms; 14 Fra Mauro; 15 Hadley\u2013"
          "Apennine; 16 Descartes highlands; 17 Taurus\u2013Littrow. The map has north at the "
          "top, as the Moon looks from the northern hemisphere; from the southern hemisphere it "
          "looks upside down."),
        PrintOnly(Diagram(dm.landing_sites, 3.2, 1.95)),
    ]),
]
