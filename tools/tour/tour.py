# SPDX-License-Identifier: GPL-3.0-or-later
"""The screen tour: walks the program through every screen as the journeys
do and saves a picture of the display at each into CORVELLA_TOUR_DIR, to
review the look of the whole program at once. Run by tools/tour.sh, with
the journeys' helpers (tests/e2e) on PYTHONPATH. Screens this build does not
reach are noted and skipped."""

import json
import os
import subprocess
import time
import unittest

import journey
from reader import choose
from test_teacher import TITLE, fill_wizard

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

    def grab(self):
        return subprocess.run(["import", "-silent", "-window", "root", "png:-"],
                              capture_output=True, check=True, env=journey.desktop().env).stdout

    def shot(self, name):
        """Saves the display once it has stopped changing (or, on a screen
        with an animation, after SETTLE_SECONDS)."""
        deadline = time.monotonic() + SETTLE_SECONDS
        picture = self.grab()
        while time.monotonic() < deadline and (again := self.grab()) != picture:
            picture = again
        self.count += 1
        with open(os.path.join(self.out, f"{self.count:02d}-{name}.png"), "wb") as f:
            f.write(picture)

    def pages(self, caption, name, count):
        self.press(caption)
        self.reader.wait_showing("Print", "push button")
        for page in range(1, count + 1):
            if count > 1:
                self.reader.wait_label(f"Page {page} of {count}")
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
        for caption, name, count in (("Introduction", "introduction",
                                      self.pages_of("introduction")),
                                     ("Acknowledgments", "acknowledgments", 1),
                                     ("Teachers' Guide", "guide", 5)):
            reader.wait_showing(journey.MENU, "push button")
            self.pages(caption, name, count)
        for name in sorted(os.listdir(os.path.join(self.home, "topics"))):
            with open(os.path.join(self.home, "topics", name), encoding="utf-8") as f:
                topic = json.load(f)
            stem = topic["teachersNotes"]["stem"]
            reader.wait_showing(journey.MENU, "push button")
            self.open_topic_from_menu(topic["title"])
            self.shot(f"{stem}-topic")
            self.pages("Key Facts", f"{stem}-key-facts", self.pages_of("key " + stem))
            self.pages("Teacher's Notes", f"{stem}-notes", self.pages_of(stem))
            for activity in ("Labelling Activity", "Ordering Activity"):
                self.activity(stem, activity)
            self.press("Exit")
        self.quizzes()
        self.teachers_tools()
        print(f"\n{self.count} pictures in {self.out}; not reached: {self.skipped}")

    def open_topic_from_menu(self, title):
        self.press(title)
        self.reader.wait_showing("Key Facts", "push button")

    def activity(self, stem, caption):
        """An activity screen, or the message of a topic that has none."""
        self.reader.wait_showing("Key Facts", "push button")
        self.press(caption)

        def outcome(s):
            if any("activity" in t and t.startswith('"') for t in s.labels()):
                return "OK"
            return "Exit" if not s.button("Key Facts") else None
        try:
            leave = self.reader.wait(outcome, f"{caption} to open", timeout=3)
        except AssertionError:
            self.skipped.append(f"{stem} {caption}")
            return
        self.shot(f"{stem}-{caption.split()[0].lower()}")
        self.press(leave)
        self.reader.wait_showing("Key Facts", "push button")

    def quizzes(self):
        reader = self.reader
        questions = self.questions("The Tides")
        reader.wait_showing(journey.MENU, "push button")
        self.open_topic_from_menu("The Tides")
        self.press("Multiple Choice")
        choose(reader.wait_showing(questions[0].right_option, "radio button"))
        reader.wait(lambda s: any(n.checked for n in s.of_role("radio button")), "a choice")
        self.shot("quiz-question1")
        self.answer_quiz(questions)
        shown = reader.wait_labels(journey.PERFECT)
        reader.set_text(shown.of_role("text")[0], "Amara Okafor")
        self.shot("results-perfect")
        self.press("Print Certificate")
        reader.wait_label("Your certificate is now printing.")
        self.shot("certificate-message")
        self.press("OK")
        self.printer.wait_for_jobs(1)
        self.printer.stop()  # with no printer the certificate is saved as a file
        self.press("Print Certificate")
        reader.wait(lambda s: any(t.startswith("There is no printer") for t in s.labels()),
                    "the message that the certificate was saved")
        self.shot("no-printer-saved-message")
        self.press("OK")
        self.press("Exit")
        for score, wrong in (("8", {2, 7}), ("3", {1, 2, 3, 4, 5, 6, 7})):
            self.press("Multiple Choice")
            self.answer_quiz(questions, wrong=wrong)
            reader.wait(lambda s: any(f"You have scored {score} out of 10." in t
                                      for t in s.labels()), f"the score {score}")
            self.shot(f"results-{score}-of-10")
            self.press("Check Wrong Answers")
            reader.wait_label("You answered the following questions incorrectly.")
            self.shot(f"wrong-answers-{score}-of-10")
            self.press("Exit")
        self.press("Exit")

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
        fill_wizard(self, TITLE, self.questions("The Tides"))
        self.shot("wizard-filled")
        self.press("Save Worksheet")
        self.answer_box("Your worksheet has been saved.")
        self.press("Exit")
        self.press(journey.MENU)
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


if __name__ == "__main__":
    unittest.main()
