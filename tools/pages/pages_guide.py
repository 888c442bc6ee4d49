# SPDX-License-Identifier: GPL-3.0-or-later
"""The teachers' guide: five pages on using the program in class."""

import mockups
from layout import B, Box, Diagram, H, P, Small
from page import Page
from pageframe import Col

GUIDE = "Teachers' Guide"


def guide(n, title, blocks, **kw):
    return Page("guide%d" % n, GUIDE, n, 5, title, blocks, **kw)


PAGES = [
    guide(1, "Getting started", [
        Diagram(mockups.main_menu, 3.5, 2.54),
        H("The main menu"),
        P("All eleven topics on the menu have pages and a quiz, from **The Tides** to **The "
          "Moon Landings**. If a topic's file is missing from the content folder, the menu names "
          "the missing file."),
        Col,
        P("The menu also opens the **Introduction**, this **Teachers' Guide**, the **Multiple "
          "Choice Wizard**, the **Worksheet Catalogue** and the **Acknowledgments**. **Exit** "
          "asks first: **Exit** again closes the program, **Cancel** goes back."),
        H("The sound switch"),
        P("**Sound On** and **Sound Off**, at the top right of the main menu, switch all the "
          "sounds: clicks, reward sounds and fanfares."),
        H("A topic screen"),
        P("Each topic opens with a picture and its buttons:"),
        B("**Key Facts** (top): illustrated pages for pupils. **Next Page** and **Previous Page** "
          "turn them; **Exit** goes back."),
        B("**Teacher's Notes** (top): objectives, background, misconceptions, activities and the "
          "links between the activities and the key facts."),
        B("**Multiple Choice**, **Labelling Activity**, **Ordering Activity** (bottom) and "
          "**Exit**."),
    ], shares=[0.53, 0.47]),
    guide(2, "The quiz and its rewards", [
        H("Ten questions"),
        P("**Multiple Choice** asks ten questions on the topic, each with four options. Pupils "
          "click an option, then **Next Question >>**; **<< Previous Question** goes back. "
          "Every answer is in the Key Facts."),
        Diagram(mockups.quiz, 3.3, 1.85),
        Col,
        H("Results"),
        P("After the last question, **Check Score >>** shows the score out of ten with a message "
          "and, from 6 up, a reward sound: the higher the score, the grander the sound."),
        P("**Check Wrong Answers** lists the questions answered wrongly, so pupils can look them "
          "up in the Key Facts and try again."),
        H("The certificate"),
        P("A perfect score of ten out of ten earns a certificate. The pupil types a name in the "
          "box and clicks **Print Certificate**."),
        H("Using the quiz in class"),
        B("As a starter: the class votes on each answer before it is clicked."),
        B("As a check: pupils work alone and note their score and wrong answers."),
        B("As revision: pupils write the fact that answers each wrong question."),
    ]),
    guide(3, "Labelling and ordering", [
        Diagram(mockups.labelling, 3.3, 1.55),
        H("Labelling Activity"),
        P("A picture with four to eight name labels. Pupils **drag each label** into its box: "
          "the stages in the life of a star, the continents on a world map, or the Apollo "
          "landing places on the Moon."),
        H("Ordering Activity"),
        P("Five to eight labels to drag onto a scale in order: the events of the **timeline of "
          "life**, the oceans from biggest to smallest, or the steps to the Moon."),
        Col,
        H("Scores"),
        P("When every label is in a box, **Check Score** appears and gives the score out of the "
          "number of labels; **Start Again** puts the labels back. A full score earns a "
          "certificate; otherwise pupils are asked to read the Key Facts and try again."),
        H("Where to find them"),
        P("Every topic but **The Tides** has both activities. The Tides has none; its two "
          "buttons answer with a message."),
        H("Ideas"),
        B("Pairs take turns: one drags, the other explains why."),
        B("Afterwards, pupils draw and label their own diagram from memory."),
    ]),
    guide(4, "The Multiple Choice Wizard", [
        P("The Wizard lets you write your own ten-question worksheets, for any subject, which "
          "pupils then answer as a quiz."),
        H("Writing a worksheet"),
        B("Type a **title** of up to 25 characters. It names the worksheet in the catalogue."),
        B("Write **ten questions**, each with **four options**."),
        B("For each question, **tick the one right option**."),
        B("Click **Save Worksheet** when all ten are done."),
        H("Before you save"),
        P("Check that every question has one tick, and that the title says clearly what the "
          "worksheet is about: pupils choose worksheets by their titles. A saved worksheet can "
          "be changed later from the Worksheet Catalogue."),
        Col,
        Diagram(mockups.wizard, 3.3, 2.15),
        H("Good questions"),
        B("Keep questions short and test one idea each."),
        B("Make the wrong options believable: use common mistakes."),
        B("Mix the place of the right answer, so that A to D are all used."),
        Box(Small("**Tip:** let pupils write worksheets for each other: writing good wrong "
                  "options shows real understanding.")),
    ]),
    guide(5, "Catalogue, printing and ideas", [
        H("The Worksheet Catalogue"),
        P("The catalogue lists saved worksheets by title in two columns of 12: **24 titles a "
          "page**, with **Next Page >>** and **<< Previous Page** for more."),
        B("Click a title to **open** it as a quiz, with score, wrong answers and certificate."),
        B("Tick **Edit Worksheet** first to open it in the Wizard instead."),
        B("Tick **Delete Worksheet** first to take it off the list. You are asked to make sure."),
        H("Printing notes pages"),
        P("Every notes page has a **Print** button at the top right. It prints a version laid "
          "out for A4 or Letter paper: black text, with the pictures in colour."),
        Col,
        Diagram(mockups.catalogue, 3.3, 2.9),
        H("Classroom ideas"),
        B("Print the Key Facts for homework, then quiz the class the next day."),
        B("Finish a topic with a worksheet the pupils wrote themselves."),
    ]),
]
