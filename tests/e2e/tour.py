# SPDX-License-Identifier: GPL-3.0-or-later
"""The screen tour: walks the program through every screen, as the journeys
do, and saves a picture of the display at each into CORVELLA_TOUR_DIR, for
reviewing the look of the whole program at once. Run by tools/tour.sh.

Screens that are not in this build yet (no button leads to them) are noted
and skipped."""

import json
import os
import subprocess
import time
import unittest

import content
import journey
from reader import choose, press
from test_pupil import answer_questions
from test_teacher import QUESTIONS, TITLE, fill_wizard

SETTLE_SECONDS = 3  # longest wait for the display to stop changing


def setUpModule():
    journey.start_desktop()


class Tour(journey.Journey):
    def setUp(self):
        super().setUp()
        self.out = os.environ["CORVELLA_TOUR_DIR"]
        os.makedirs(self.out, exist_ok=True)
        self.count = 0
        self.skipped = []

    # --- pictures ----------------------------------------------------------

    def grab(self):
        return subprocess.run(["import", "-silent", "-window", "root", "png:-"],
                              capture_output=True, check=True, env=journey.desktop().env).stdout

    def shot(self, name):
        """Saves the display once it has stopped changing (or, on a screen
        with an animation, after SETTLE_SECONDS)."""
        deadline = time.monotonic() + SETTLE_SECONDS
        picture = self.grab()
        while time.monotonic() < deadline:
            again = self.grab()
            if again == picture:
                break
            picture = again
        self.count += 1
        path = os.path.join(self.out, f"{self.count:02d}-{name}.png")
        with open(path, "wb") as f:
            f.write(picture)

    def offered(self, caption):
        if self.reader.snapshot().button(caption):
            return True
        self.skipped.append(caption)
        return False

    # --- the walk ----------------------------------------------------------

    def pages(self, name, count):
        reader = self.reader
        for page in range(1, count + 1):
            if count > 1:
                reader.wait_label(f"Page {page} of {count}")
            self.shot(f"{name}-page{page}")
            if page < count:
                self.press("Next Page")
        self.press("Exit")

    def test_tour(self):
        reader = self.reader
        self.shot("title")
        self.open_menu()
        self.shot("menu")

        self.press("Exit")
        reader.wait_showing("Cancel", "push button", journey.TITLE_WINDOW)
        self.shot("exit-screen")
        self.press("Cancel", journey.TITLE_WINDOW)
        menu = "Worksheet Catalogue"
        reader.wait_showing(menu, "push button")

        self.press("Introduction")
        self.pages("introduction", self.pages_of("introduction"))
        reader.wait_showing(menu, "push button")
        self.press("Acknowledgments")
        reader.wait_showing("Print", "push button")
        self.shot("acknowledgments")
        self.press("Exit")
        reader.wait_showing(menu, "push button")
        self.press("Teachers' Guide")
        self.pages("guide", 5)
        reader.wait_showing(menu, "push button")

        for topic, stem in self.topics():
            key_pages, note_pages = self.pages_of("key " + stem), self.pages_of(stem)
            self.press(topic)
            reader.wait_showing("Key Facts", "push button")
            self.shot(f"{stem}-topic")
            self.press("Key Facts")
            self.pages(f"{stem}-key-facts", key_pages)
            reader.wait_showing("Key Facts", "push button")
            self.press("Teacher's Notes")
            reader.wait_showing("Print", "push button")
            self.pages(f"{stem}-notes", note_pages)
            reader.wait_showing("Key Facts", "push button")
            for activity in ("Labelling Activity", "Ordering Activity"):
                self.activity(stem, activity)
            self.press("Exit")
            reader.wait_showing(menu, "push button")

        self.quizzes()

        self.teachers_tools()
        print(f"\n{self.count} pictures in {self.out}; not reached: {self.skipped}")

    def topics(self):
        """(title, notes stem) of every topic file in the content folder."""
        found = []
        for name in sorted(os.listdir(os.path.join(self.home, "topics"))):
            with open(os.path.join(self.home, "topics", name), encoding="utf-8") as f:
                topic = json.load(f)
            found.append((topic["title"], topic["teachersNotes"]["stem"]))
        return found

    def teachers_tools(self):
        """The wizard and the catalogue, when this build has them."""
        reader = self.reader
        self.press("Multiple Choice Wizard")
        try:
            reader.wait_showing("Worksheet Title", "text", timeout=3)
        except AssertionError:
            self.skipped.append("Multiple Choice Wizard")
            return
        self.shot("wizard-empty")
        self.press("Save Worksheet")
        reader.wait_label("You have not chosen a title for your worksheet")
        self.shot("wizard-no-title-message")
        self.press("OK")
        fill_wizard(self, TITLE, QUESTIONS)
        self.shot("wizard-filled")
        self.press("Save Worksheet")
        reader.wait_label("Your worksheet has been saved.")
        self.press("OK")
        self.press("Exit")
        reader.wait_showing("Worksheet Catalogue", "push button")
        self.press("Worksheet Catalogue")
        reader.wait_showing(TITLE, "push button")
        self.shot("catalogue")
        self.press(TITLE)
        reader.wait_label("Question 1")
        self.shot("catalogue-quiz")
        self.press("Exit")
        choose(reader.wait_showing("Delete Worksheet", "check box"))
        self.press(TITLE)
        reader.wait_label(f"Are you sure that you want to delete the worksheet {TITLE}?")
        self.shot("catalogue-delete-question")
        self.press("Cancel")
        self.press("Exit")
        reader.wait_showing("Worksheet Catalogue", "push button")

    def activity(self, stem, caption):
        """An activity screen, left by its Exit; or the message of a topic
        that has none."""
        reader = self.reader
        name = f"{stem}-{caption.split()[0].lower()}"
        self.press(caption)

        def outcome(s):
            if any("activity" in t and t.startswith('"') for t in s.labels()):
                return "message"
            return "screen" if not s.button("Key Facts") else None
        try:
            seen = reader.wait(outcome, f"{caption} to open", timeout=3)
        except AssertionError:
            self.skipped.append(f"{stem} {caption}")
            return
        self.shot(name)
        if seen == "message":
            self.press("OK")
            reader.wait_showing("Key Facts", "push button")
            return
        self.press("Exit")
        reader.wait_showing("Key Facts", "push button")

    def quizzes(self):
        reader = self.reader
        topic = "The Tides"
        questions = content.read_question_file(content.question_file(self.home, topic))[1]
        self.press(topic)

        # 10 out of 10, with a choice showing as selected on the way.
        self.press("Multiple Choice")
        shown = reader.wait_labels("Question 1")
        choose(shown.one(questions[0].right_option, "radio button"))
        reader.wait(lambda s: any(n.checked for n in s.of_role("radio button")), "a choice")
        self.shot("quiz-question1")
        press(shown.button("Next Question >>"))
        answer_questions(self, questions[1:9], first=2)
        shown = reader.wait_labels("Question 10")
        self.shot("quiz-question10")
        answer_questions(self, questions[9:], first=10)
        shown = reader.wait_labels("Excellent work. You have scored 10 out of 10.")
        reader.set_text(shown.of_role("text")[0], "Amara Okafor")
        self.shot("results-perfect")
        self.press("Print Certificate")
        reader.wait_label("Your certificate is now printing.")
        self.shot("certificate-message")
        self.press("OK")
        self.printer.wait_for_jobs(1)
        self.printer.stop()  # with no printer the certificate is saved as a file
        self.press("Print Certificate")
        reader.wait(lambda s: next((n for n in s.nodes if n.role == "label"
                                    and n.name.startswith("There is no printer")), None),
                    "the message that the certificate was saved")
        self.shot("no-printer-saved-message")
        self.press("OK")
        self.press("Exit")

        for score, wrong in (("8", {2, 7}), ("3", {1, 2, 3, 4, 5, 6, 7})):
            reader.wait_showing("Multiple Choice", "push button")
            self.press("Multiple Choice")
            answer_questions(self, questions, wrong=wrong)
            reader.wait(lambda s: any(f"You have scored {score} out of 10." in t
                                      for t in s.labels()), f"the score {score}")
            self.shot(f"results-{score}-of-10")
            self.press("Check Wrong Answers")
            reader.wait_label("You answered the following questions incorrectly.")
            self.shot(f"wrong-answers-{score}-of-10")
            self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")
        self.press("Exit")
        reader.wait_showing("Worksheet Catalogue", "push button")


if __name__ == "__main__":
    unittest.main()
