# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil's whole journey through one topic that the program reads from
its content files: every key-facts page, the quiz all right with the
certificate printed, then the ordering and the labelling activity dragged
into place with the pointer. The right answers come from the same files."""

import json
import os

import content
import journey
import pdf
import test_activities
from test_activities import Activity
from test_pupil import answer_questions


class TopicJourney(journey.Journey):
    """A subclass names its topic in TOPIC and runs journey_through_topic()."""

    TOPIC = None

    # The activity steps of the other activity journeys.
    start_activity = test_activities.ActivityJourneys.start_activity
    box_rect = test_activities.ActivityJourneys.box_rect
    wait_placed = test_activities.ActivityJourneys.wait_placed
    drag = test_activities.ActivityJourneys.drag
    check_score = test_activities.ActivityJourneys.check_score

    def topic_file(self):
        with open(os.path.join(self.home, "topics", self.TOPIC + ".json"), encoding="utf-8") as f:
            return json.load(f)

    def activity_file(self, path, button):
        """The activity of a content path ("activities\\x.json"), its boxes by label number."""
        with open(os.path.join(self.home, *path.split("\\")), encoding="utf-8") as f:
            a = json.load(f)
        return Activity(self.TOPIC, button, (a["label"]["width"], a["label"]["height"]),
                        [(b["answer"], b["left"], b["top"]) for b in a["boxes"]])

    def complete(self, activity):
        """Opens the activity from the topic screen, drags every label to its
        box, scores it and goes back to the topic screen."""
        self.start_activity(activity)
        for label in range(len(activity.boxes)):
            self.drag(label, label)
        count = len(activity.boxes)
        shown = self.check_score(count, count)
        self.assertTrue(shown.button("Print Certificate"), shown)
        self.press("Exit")
        self.reader.wait_showing("Check Score", "push button")
        self.press("Exit")
        self.reader.wait_showing("Multiple Choice", "push button")

    def journey_through_topic(self):
        """Every key-facts page, the quiz all right with its certificate, then
        both activities."""
        reader, topic = self.reader, self.topic_file()
        TOPIC = self.TOPIC
        self.open_menu()
        self.press(TOPIC)
        reader.wait_showing("Key Facts", "push button")

        # Every key-facts page, first to last.
        pages = topic["keyFacts"]["pages"]
        self.assertEqual(pages, self.pages_of(topic["keyFacts"]["stem"]))
        self.press("Key Facts")
        for page in range(1, pages + 1):
            shown = reader.wait_labels(f"Page {page} of {pages}")
            if page < pages:
                self.press("Next Page")
        self.assertFalse(shown.one("Next Page", "push button").enabled, shown)
        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")

        # The quiz, all right: the certificate prints with the pupil's name.
        self.press("Multiple Choice")
        reader.wait_labels("Question 1", TOPIC)
        questions = content.read_question_file(content.question_file(self.home, TOPIC))[1]
        answer_questions(self, questions)
        reader.wait_label("Excellent work. You have scored 10 out of 10.")
        reader.wait_for(lambda: any(n.role == "text" and n.focused for n in reader.nodes()),
                        "the name box to take the keyboard focus")
        name = "Kofi Mensah"
        self.type_text(name)
        self.press("Print Certificate")
        self.answer_box("Your certificate is now printing.")
        lines = pdf.lines(self.printer.wait_for_jobs(1)[0])
        self.assertIn(name, lines)
        self.assertIn("You have scored 10 out of 10.", lines)
        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")

        # Both activities, from the files the topic names.
        self.complete(self.activity_file(topic["ordering"], "Ordering Activity"))
        self.complete(self.activity_file(topic["labelling"], "Labelling Activity"))

