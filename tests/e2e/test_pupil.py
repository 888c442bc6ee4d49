# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil's journey: through a topic's key facts, a quiz with wrong answers
and their list, then a perfect quiz to the certificate on the printer."""

import unittest

import journey
import pdf
from reader import choose

TOPIC = "The Tides"


def setUpModule():
    journey.start_desktop()


class PupilJourneys(journey.Journey):
    def start_quiz(self):
        self.press("Multiple Choice")
        self.reader.wait_labels("Question 1", "Multiple Choice", "Corvella", TOPIC)
        return self.questions(TOPIC)

    def test_wrong_answers_listed_then_a_perfect_quiz_prints_a_certificate(self):
        reader = self.reader
        self.open_topic(TOPIC)
        self.press("Key Facts")
        self.page_through(self.pages_of("key tides"), back=True)

        # 5 of 10: no praise, no certificate; the wrong answers listed in order.
        questions = self.start_quiz()
        wrong = {1, 3, 5, 8, 10}
        self.answer_quiz(questions, wrong - {10}, {10})
        shown = reader.wait_labels("You have scored 5 out of 10.", "Click the button above to "
                                   "check which questions you answered incorrectly.")
        self.assertFalse(shown.find("Print Certificate") or shown.of_role("text"), shown)
        self.press("Check Wrong Answers")
        shown = reader.wait_labels("You answered the following questions incorrectly.",
                                   TOPIC, "Read the Key Facts and try again.")
        listed = [t.strip() for t in shown.labels() if t.strip()[:1].isdigit()]
        self.assertEqual([f"{n}. {questions[n - 1].text}" for n in sorted(wrong)], listed, shown)
        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")
        self.assertFalse(reader.snapshot().find("You have scored 5 out of 10."))

        # Going back once on the way must not cost the mark.
        self.start_quiz()
        choose(reader.wait_showing(questions[0].wrong_option, "radio button"))
        self.press("Next Question >>")
        reader.wait_label("Question 2")
        self.press("<< Previous Question")
        reader.wait_label("Question 1")
        self.assertFalse(any(n.checked for n in reader.snapshot().of_role("radio button")),
                         "a question shown again starts with no choice")
        self.answer_quiz(questions)

        reader.wait_labels(journey.PERFECT, "Well Done!",
                           "Enter your name in the box above before printing your certificate")
        name_box = reader.wait(lambda s: next((n for n in s.of_role("text") if n.focused), None),
                               "the name box focused")
        name = "Amara Okafor"  # typed into the box that has the focus
        self.keyboard("type", "--delay", "10", name)
        reader.wait(lambda s: name_box.text() == name, "the name typed")
        self.press("Print Certificate")
        self.answer_box("Your certificate is now printing.")
        jobs = self.printer.wait_for_jobs(1)
        self.assertEqual((1, 1), (len(jobs), pdf.page_count(jobs[0])))
        lines = pdf.lines(jobs[0])
        self.assertIn(name, lines)
        self.assertIn("You have scored 10 out of 10.", lines)
        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")
        self.assertFalse(reader.snapshot().find("Well Done!"))


if __name__ == "__main__":
    unittest.main()
