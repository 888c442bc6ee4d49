# SPDX-License-Identifier: GPL-3.0-or-later
"""The drag-and-drop activities completed with real pointer drags or from the
keyboard alone, as their content files have them."""

import json
import os
import unittest
from collections import namedtuple

import journey

TWIPS_PER_PIXEL = 15
START_AGAIN = (3360, 7920)  # where "Start Again" stands, to find the screen's corner


def setUpModule():
    journey.start_desktop()


# size: of every label and box, in twips; boxes: (answer, left, top) by label.
Activity = namedtuple("Activity", "topic button size boxes")


class ActivitySteps(journey.Journey):
    prints = False

    def content(self, *path):
        with open(os.path.join(self.home, *path), encoding="utf-8") as f:
            return json.load(f)

    def open_activity(self, topic, button):
        """Opens the activity the topic's file names and waits for its labels."""
        path = self.content("topics", topic + ".json")[button.split()[0].lower()]
        a = self.content(*path.split("\\"))
        activity = Activity(topic, button, (a["label"]["width"], a["label"]["height"]),
                            [(b["answer"], b["left"], b["top"]) for b in a["boxes"]])
        self.open_topic(topic)
        self.press(button)
        shown = self.reader.wait(
            lambda s: s if all(s.one(text, "label") for text, _, _ in activity.boxes) else None,
            f"the labels of {activity.topic}: {activity.button}")
        self.assertFalse(shown.button("Check Score"), "Check Score waits for every label")
        self.assertTrue(shown.one(activity.topic, "label"), "the title is the topic's")
        x, y, _, _ = shown.button("Start Again").extents()
        self.origin = (x - START_AGAIN[0] // TWIPS_PER_PIXEL, y - START_AGAIN[1] // TWIPS_PER_PIXEL)
        self.current = activity
        return activity

    def box_rect(self, box):
        _, left, top = self.current.boxes[box]
        width, height = self.current.size
        return (self.origin[0] + left // TWIPS_PER_PIXEL, self.origin[1] + top // TWIPS_PER_PIXEL,
                width // TWIPS_PER_PIXEL, height // TWIPS_PER_PIXEL)

    def wait_at(self, text, place, what):
        """Waits until the label's top-left corner is at place (within a pixel)."""
        self.reader.wait(lambda s: s.one(text, "label") is not None and all(
            abs(a - b) <= 1 for a, b in zip(s.one(text, "label").extents()[:2], place)), what)

    def wait_placed(self, label, box):
        text = self.current.boxes[label][0]
        self.wait_at(text, self.box_rect(box)[:2], f"{text!r} to sit in box {box}")

    def drag(self, label, box):
        sx, sy = self.reader.wait_showing(self.current.boxes[label][0], "label").centre()
        left, top, width, height = self.box_rect(box)
        ex, ey = left + width // 2, top + height // 2
        self.keyboard("mousemove", str(sx), str(sy), "mousedown", "1",
                      "mousemove", str((sx + ex) // 2), str((sy + ey) // 2),
                      "mousemove", str(ex), str(ey), "mouseup", "1")
        self.wait_placed(label, box)

    def check_score(self, expected, total):
        self.press("Check Score")
        praise = {total: "Excellent work. ", total - 1: "Good work. ", total - 2: "Good work. "}
        return self.reader.wait_labels(
            f"{praise.get(expected, '')}You have scored {expected} out of {total}.")


class ActivityJourneys(ActivitySteps):
    def test_the_inner_planets_labelled_with_two_swapped(self):
        self.open_activity("Life on Earth", "Labelling Activity")
        self.drag(0, 1)
        self.drag(1, 0)
        for label in range(2, 6):
            self.drag(label, label)
        shown = self.check_score(4, 6)
        self.assertIn("Read the Key Facts and try again.", shown.labels(), shown)
        self.assertFalse(shown.button("Check Wrong Answers") or shown.button("Print Certificate"),
                         shown)

    def focused(self, snapshot):
        return next(((n.role, n.name) for n in snapshot.nodes if n.focused), None)

    def tab(self):
        """Presses Tab; returns the (role, name) of what then has the focus."""
        before = self.focused(self.reader.snapshot())
        self.keyboard("key", "Tab")
        return self.reader.wait(lambda s: (self.focused(s) or before) != before
                                and self.focused(s), "the focus to move on Tab")

    def complete_by_keys(self, topic, button):
        """Tabs to each label and puts it in its box by the box's number (left
        to right, then top to bottom) and Enter; then Space on "Check Score"."""
        activity = self.open_activity(topic, button)
        texts = [text for text, _, _ in activity.boxes]
        order = sorted(range(len(texts)), key=lambda k: activity.boxes[k][1:])
        waiting = set(range(len(texts)))
        for _ in range(3 * len(texts)):
            role, name = self.tab()
            if role == "label" and name in texts and texts.index(name) in waiting:
                label = texts.index(name)
                self.keyboard("key", str(order.index(label) + 1), "Return")
                self.wait_placed(label, label)
                waiting.discard(label)
            if not waiting:
                break
        self.assertFalse(waiting, "Tab reached every label")
        for _ in range(3 * len(texts)):
            if self.tab() == ("push button", "Check Score"):
                break
        self.keyboard("key", "space")
        self.reader.wait_labels(f"Excellent work. You have scored {len(texts)} out of {len(texts)}.")

    def test_the_big_numbers_put_in_order_from_the_keyboard(self):
        self.complete_by_keys("The Sun and other Stars", "Ordering Activity")


if __name__ == "__main__":
    unittest.main()
