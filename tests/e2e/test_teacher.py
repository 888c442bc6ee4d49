# SPDX-License-Identifier: GPL-3.0-or-later
"""A teacher's journey: a worksheet written in the wizard and saved, found in
the catalogue, opened as a quiz, printed, edited and deleted."""

import os
import unittest

import journey
import pdf
from reader import choose

TITLE = "Our Moon quiz"
# Question, options A to D, the right one (1 to 4). Commas are stored as "&".
QUESTIONS = [
    ("What lights up the Moon?", ["The Earth", "The Sun", "Street lamps", "Stars"], 2),
    ("Which is bigger, the Moon or the Earth?", ["The Moon", "The Earth", "Both the same",
                                                 "Nobody knows"], 2),
    ("How long is one trip of the Moon round us?", ["A day", "A week", "About a month",
                                                     "A year"], 3),
    ("What is on the Moon's surface?", ["Grass", "Craters", "Oceans", "Cities"], 2),
    ("Who first walked on the Moon?", ["Neil Armstrong", "Isaac Newton", "Galileo",
                                       "Nobody yet"], 1),
    ("Does the Moon make its own light?", ["Yes, always", "Only at full moon", "Only in winter",
                                           "No, it reflects sunlight"], 4),
    ("What pulls the sea into tides?", ["The wind", "The Moon, mostly", "Whales", "Boats"], 2),
    ("What do we call a Moon we cannot see?", ["Full moon", "Half moon", "New moon",
                                               "Blue moon"], 3),
    ("Is there air to breathe on the Moon?", ["No", "Yes", "Only at night", "Only in craters"], 1),
    ("What shape is the Moon?", ["Flat", "A cube", "A ring", "A ball"], 4),
]


def question_file_bytes(title, questions):
    """The question file as the program's format has it: one field a line,
    CR LF ends, commas as "&", Windows-1252."""
    lines = [title.replace(",", "&"), " "]
    for text, options, right in questions:
        lines += [text.replace(",", "&")] + [o.replace(",", "&") for o in options]
        lines += [str(right), " "]
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def text_box(test, shown, name):
    node = shown.one(name, "text")
    test.assertIsNotNone(node, f"a box called {name!r}\n{shown}")
    return node


def fill_wizard(test, title, questions):
    """Types the worksheet into the wizard's boxes and ticks the right
    options, as assistive input does (through the accessibility bus)."""
    reader = test.reader
    reader.wait_showing("Worksheet Title", "text")
    shown = reader.snapshot()
    reader.set_text(text_box(test, shown, "Worksheet Title"), title)
    for n, (text, options, right) in enumerate(questions, start=1):
        reader.set_text(text_box(test, shown, f"Question {n}"), text)
        for letter, option in zip("ABCD", options):
            reader.set_text(text_box(test, shown, f"Question {n}, option {letter}"), option)
        tick = shown.one(f"Question {n}, option {'ABCD'[right - 1]} is the right answer",
                         "check box")
        test.assertIsNotNone(tick, shown)
        choose(tick)
    reader.wait(lambda s: sum(n.checked for n in s.of_role("check box")) == len(questions),
                "the right answers ticked")


def setUpModule():
    journey.start_desktop()


class TeacherJourneys(journey.Journey):
    def saved_files(self):
        with open(os.path.join(self.worksheets, TITLE + ".txt"), "rb") as f:
            sheet = f.read()
        with open(os.path.join(self.worksheets, "track.txt"), "rb") as f:
            listing = f.read()
        return sheet, listing

    def save(self):
        self.press("Save Worksheet")
        self.answer_box("Your worksheet has been saved.")

    def test_a_worksheet_written_listed_run_printed_edited_and_deleted(self):
        reader = self.reader
        self.open_menu()

        # Written in the wizard and saved.
        self.press("Multiple Choice Wizard")
        fill_wizard(self, TITLE, QUESTIONS)
        self.save()
        sheet, listing = self.saved_files()
        self.assertEqual(question_file_bytes(TITLE, QUESTIONS), sheet)
        self.assertEqual(f" 1 \r\n{TITLE}\r\n".encode("cp1252"), listing)
        self.press("Exit")

        # Listed in the catalogue, opened as a quiz and printed from there.
        reader.wait_showing("Worksheet Catalogue", "push button")
        self.press("Worksheet Catalogue")
        self.press(TITLE)
        first = QUESTIONS[0]
        reader.wait_labels("Question 1", first[0], TITLE, "Corvella")
        self.press("Print Worksheet")
        self.answer_box("Your worksheet is now printing.")
        job = self.printer.wait_for_jobs(1)[0]
        lines = pdf.lines(job)
        self.assertIn("Corvella", lines)
        self.assertIn(TITLE, lines)
        for n, (text, options, _) in enumerate(QUESTIONS, start=1):
            self.assertIn(f"Question {n} {text}", lines)
            self.assertIn(f"A. {options[0]} B. {options[1]}", lines)
            self.assertIn(f"C. {options[2]} D. {options[3]}", lines)
        reader.wait_labels("Question 1", first[0])  # printing leaves the quiz as it was
        self.press("Exit")

        # Edited: the wizard opens filled; a changed question is saved over it.
        reader.wait_showing("Edit Worksheet", "check box")
        choose(reader.one("Edit Worksheet", "check box"))
        self.press(TITLE)
        shown = reader.wait(
            lambda s: s if s.one("Worksheet Title", "text") is not None
            and s.one("Worksheet Title", "text").accessible.get_text(0, -1) == TITLE else None,
            "the wizard filled with the worksheet")
        for n, (text, options, right) in enumerate(QUESTIONS, start=1):
            self.assertEqual(text, text_box(self, shown, f"Question {n}").accessible.get_text(0, -1))
            ticked = [n2.name for n2 in shown.of_role("check box")
                      if n2.checked and n2.name.startswith(f"Question {n}, ")]
            self.assertEqual([f"Question {n}, option {'ABCD'[right - 1]} is the right answer"],
                             ticked)
        edited = list(QUESTIONS)
        edited[2] = ("How long does the Moon take to go round us?", edited[2][1], edited[2][2])
        reader.set_text(text_box(self, shown, "Question 3"), edited[2][0])
        self.save()
        sheet, listing = self.saved_files()
        self.assertEqual(question_file_bytes(TITLE, edited), sheet)
        self.assertEqual(f" 1 \r\n{TITLE}\r\n".encode("cp1252"), listing, "listed once")
        self.press("Exit")

        # Deleted after the confirmation; Cancel first keeps it.
        reader.wait_showing("Delete Worksheet", "check box")
        choose(reader.one("Delete Worksheet", "check box"))
        question = f"Are you sure that you want to delete the worksheet {TITLE}?"
        self.press(TITLE)
        reader.wait_label(question)
        self.press("Cancel")
        reader.wait_gone(question, "label")
        self.assertEqual(f" 1 \r\n{TITLE}\r\n".encode("cp1252"), self.saved_files()[1])
        self.press(TITLE)
        self.answer_box(question)
        reader.wait_gone(TITLE, "push button")
        self.assertEqual(b" 0 \r\n", self.saved_files()[1])


if __name__ == "__main__":
    unittest.main()
