# SPDX-License-Identifier: GPL-3.0-or-later
"""A teacher's journey: a worksheet written in the wizard and saved, found in
the catalogue, opened as a quiz, printed, edited and deleted."""

import os
import unittest

import journey
import pdf
from reader import choose

TITLE = "Our Moon quiz"
LISTED_ONCE = f" 1 \r\n{TITLE}\r\n".encode("cp1252")


def question_file_bytes(questions):  # a field a line, CR LF, "&" for ",", Windows-1252
    lines = [TITLE, " "]
    for q in questions:
        lines += [q.text, *q.options, str(q.correct), " "]
    return ("\r\n".join(line.replace(",", "&") for line in lines) + "\r\n").encode("cp1252")


def tick_name(n, right):
    return f"Question {n}, option {'ABCD'[right - 1]} is the right answer"


def fill_wizard(test, title, questions):
    """Types the worksheet into the wizard's boxes and ticks the right
    options through the accessibility bus, as assistive input does."""
    shown = test.reader.wait(lambda s: s if s.one("Worksheet Title", "text") else None,
                             "the wizard")
    test.reader.set_text(shown.one("Worksheet Title", "text"), title)
    for n, q in enumerate(questions, start=1):
        test.reader.set_text(shown.one(f"Question {n}", "text"), q.text)
        for letter, option in zip("ABCD", q.options):
            test.reader.set_text(shown.one(f"Question {n}, option {letter}", "text"), option)
        choose(shown.one(tick_name(n, q.correct), "check box"))
    test.reader.wait(lambda s: sum(n.checked for n in s.of_role("check box")) == len(questions),
                     "the right answers ticked")


def setUpModule():
    journey.start_desktop()


class TeacherJourneys(journey.Journey):
    """The worksheet holds a topic's questions, commas in its options."""

    def saved_files(self):
        return [open(os.path.join(self.worksheets, name), "rb").read()
                for name in (TITLE + ".txt", "track.txt")]

    def save(self, questions):
        self.press("Save Worksheet")
        self.answer_box("Your worksheet has been saved.")
        self.assertEqual([question_file_bytes(questions), LISTED_ONCE], self.saved_files())
        self.press("Exit")

    def tick_then_press(self, tick, caption):
        choose(self.reader.wait_showing(tick, "check box"))
        self.press(caption)

    def test_a_worksheet_written_listed_run_printed_edited_and_deleted(self):
        reader = self.reader
        self.open_menu()
        questions = self.questions("The Tides")
        self.assertTrue(any("," in o for q in questions for o in q.options))
        self.press("Multiple Choice Wizard")
        fill_wizard(self, TITLE, questions)
        self.save(questions)

        # Listed in the catalogue, opened as a quiz and printed from there.
        self.press(journey.MENU)
        self.press(TITLE)
        reader.wait_labels("Question 1", questions[0].text, TITLE, "Corvella")
        self.press("Print Worksheet")
        self.answer_box("Your worksheet is now printing.")
        self.assertIn(f"Question 3 {questions[2].text}", pdf.lines(*self.printer.wait_for_jobs(1)))
        self.press("Exit")

        # Edited: the wizard opens filled; a changed question is saved over it.
        self.tick_then_press("Edit Worksheet", TITLE)
        shown = reader.wait(lambda s: s if (box := s.one("Worksheet Title", "text"))
                            and box.text() == TITLE else None, "the wizard filled")
        questions[2].text = "How long, in hours, is it from one high tide to the next?"
        reader.set_text(shown.one("Question 3", "text"), questions[2].text)
        self.save(questions)

        # Deleted after the confirmation; Cancel first keeps it.
        question = f"Are you sure that you want to delete the worksheet {TITLE}?"
        self.tick_then_press("Delete Worksheet", TITLE)
        reader.wait_label(question)
        self.press("Cancel")
        reader.wait_gone(question, "label")
        self.assertEqual(LISTED_ONCE, self.saved_files()[1])
        self.press(TITLE)
        self.answer_box(question)
        reader.wait_gone(TITLE, "push button")
        with open(os.path.join(self.worksheets, "track.txt"), "rb") as f:
            self.assertEqual(b" 0 \r\n", f.read())


if __name__ == "__main__":
    unittest.main()
