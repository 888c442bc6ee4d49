# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil's journeys: from the title screen through a topic's key facts and
its quiz to the results, the certificate on the printer or the list of
wrong answers."""

import unittest

import content
import journey
import pdf
from reader import choose, press

TOPIC = "The Tides"


def setUpModule():
    journey.start_desktop()


def answer_questions(test, questions, wrong=(), unanswered=(), first=1):
    """Goes through the questions on the quiz screen (the first of them
    numbered first), choosing the right option except for the numbers in
    wrong (a wrong option) and unanswered (none), checking each question as
    it shows."""
    for number, question in enumerate(questions, start=first):
        shown = test.reader.wait_labels(f"Question {number}", question.text)
        forward = "Check Score >>" if number == 10 else "Next Question >>"
        test.assertEqual(number > 1, bool(shown.button("<< Previous Question")),
                         f"the previous button on question {number}\n{shown}")
        test.assertTrue(all(shown.one(o, "radio button") for o in question.options), shown)
        if number in wrong:
            choose(shown.one(question.wrong_option(), "radio button"))
        elif number not in unanswered:
            choose(shown.one(question.right_option, "radio button"))
        press(shown.button(forward))


def answer_all(test, title=TOPIC):
    """Answers the topic's quiz, just opened, all right."""
    answer_questions(test, content.read_question_file(content.question_file(test.home, title))[1])


class PupilJourneys(journey.Journey):
    def open_topic(self):
        self.open_menu()
        self.press(TOPIC)
        self.reader.wait_showing("Key Facts", "push button")

    def start_quiz(self):
        self.press("Multiple Choice")
        self.reader.wait_labels("Question 1", "Multiple Choice", "Corvella", TOPIC)
        return content.read_question_file(content.question_file(self.home, TOPIC))[1]

    def answer(self, questions, wrong=(), unanswered=()):
        answer_questions(self, questions, wrong, unanswered)

    def test_key_facts_then_a_perfect_quiz_prints_a_certificate(self):
        reader = self.reader
        self.open_topic()

        # The key facts, paged to the end and back.
        pages = self.pages_of("key tides")
        self.press("Key Facts")
        route = list(range(1, pages + 1)) + list(range(pages - 1, 0, -1))
        for step, page in enumerate(route):
            shown = reader.wait_labels(f"Page {page} of {pages}")
            self.assertEqual(page > 1, shown.one("Previous Page", "push button").enabled, shown)
            self.assertEqual(page < pages, shown.one("Next Page", "push button").enabled, shown)
            if step + 1 < len(route):
                self.press("Next Page" if route[step + 1] > page else "Previous Page")
        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")

        # Going back once on the way must not cost the mark.
        questions = self.start_quiz()
        reader.choose(questions[0].wrong_option())
        reader.press("Next Question >>")
        reader.wait_label("Question 2")
        self.press("<< Previous Question")
        reader.wait_label("Question 1")
        self.assertFalse(any(n.checked for n in reader.nodes() if n.role == "radio button"),
                         "a question shown again starts with no choice")
        self.answer(questions)

        reader.wait_label("Excellent work. You have scored 10 out of 10.")
        self.assert_showing_labels(
            "Well Done!",
            "Enter your name in the box above before printing your certificate")
        self.assertFalse(reader.find("Read the Key Facts and try again."), reader.describe())
        name_box = reader.wait_for(
            lambda: next((n for n in reader.nodes() if n.role == "text" and n.focused), None),
            "the name box to take the keyboard focus")
        name = "Amara Okafor"  # typed on the keyboard, into the box that has the focus
        self.type_text(name)
        reader.wait_for(lambda: name_box.accessible.get_text(0, -1) == name, "the name typed")

        self.press("Print Certificate")
        self.answer_box("Your certificate is now printing.")
        jobs = self.printer.wait_for_jobs(1)
        self.assertEqual(1, len(jobs))
        self.assertEqual(1, pdf.page_count(jobs[0]))
        lines = pdf.lines(jobs[0])
        # Title, subject (a topic quiz's subject is the program's title),
        # "Excellent Work", the name and the score line, in that order.
        wanted = ["Corvella", "Corvella", "Excellent Work", name,
                  "You have scored 10 out of 10."]
        found = [line for line in lines if line in wanted]
        self.assertEqual(wanted, found, lines)
        self.assertTrue(any("Well Done" in line for line in lines), lines)

        # Back to the topic; the results screen has gone.
        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")
        self.assertFalse(reader.find("Well Done!"))

    def test_wrong_answers_are_listed_in_question_order(self):
        reader = self.reader
        self.open_topic()
        questions = self.start_quiz()
        self.answer(questions, wrong={2}, unanswered={7})

        reader.wait_label("Good work. You have scored 8 out of 10.")
        self.assert_showing_labels(
            "Click the button above to check which questions you answered incorrectly.")
        self.assertFalse(reader.find("Print Certificate"), reader.describe())
        self.assertFalse([n for n in reader.nodes() if n.role == "text"],
                         "no name box below a score short of full marks")

        self.press("Check Wrong Answers")
        reader.wait_label("You answered the following questions incorrectly.")
        showing = [t.strip() for t in reader.texts()]
        listed = [t for t in showing if t[:1].isdigit()]
        self.assertEqual([f"2. {questions[1].text}", f"7. {questions[6].text}"], listed,
                         reader.describe())
        self.assertIn(TOPIC, showing)
        self.assertIn("Read the Key Facts and try again.", showing)

        # The list's Exit closes the results underneath too.
        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")
        self.assertFalse(reader.find("Good work. You have scored 8 out of 10."))

    def test_a_low_score_offers_the_list_without_praise(self):
        reader = self.reader
        self.open_topic()
        questions = self.start_quiz()
        self.answer(questions, wrong={1, 3, 5, 8}, unanswered={10})
        reader.wait_label("You have scored 5 out of 10.")
        self.press("Check Wrong Answers")
        reader.wait_label("You answered the following questions incorrectly.")
        listed = [t.strip() for t in reader.texts() if t.strip()[:1].isdigit()]
        self.assertEqual([f"{n}. {questions[n - 1].text}" for n in (1, 3, 5, 8, 10)], listed)


if __name__ == "__main__":
    unittest.main()
