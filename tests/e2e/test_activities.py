# SPDX-License-Identifier: GPL-3.0-or-later
"""The four drag-and-drop activities completed as pupils complete them: two
with real pointer drags through the display, two from the keyboard alone,
each scored on the results screen."""

import unittest
from dataclasses import dataclass

import journey

TWIPS_PER_PIXEL = 15


@dataclass
class Activity:
    topic: str
    button: str  # on the topic screen
    size: tuple  # of every label and box, in twips
    boxes: list  # (the text that belongs there, left, top), by label number


TIMELINE = Activity("Life on Earth", "Ordering Activity", (1755, 975), [
    ("The first creatures with many cells.", 7080, 2160),
    ("The Sun, Earth, Moon and planets formed", 360, 2160),
    ("The first mammals evolved.", 9120, 2160),
    ("The earliest known life. Bacteria", 2280, 4980),
    ("First four-legged animals on land.", 7980, 4980),
    ("The first human beings evolved.", 9840, 4980),
])
BIG_NUMBERS = Activity("The Sun and other Stars", "Ordering Activity", (3795, 495), [
    ("One hundred million", 8040, 2400),
    ("One trillion", 8040, 240),
    ("One million", 8040, 4560),
    ("One billion", 8040, 1320),
    ("Ten million", 8040, 3480),
    ("One hundred thousand", 8040, 5640),
])
INNER_PLANETS = Activity("Life on Earth", "Labelling Activity", (1680, 375), [
    ("The Earth", 7860, 4320),
    ("The Moon", 7800, 7200),
    ("Mercury", 3240, 4320),
    ("The Sun", 840, 5400),
    ("Venus", 5250, 6360),
    ("Mars", 10080, 6240),
])
STAR_LIFE = Activity("The Sun and other Stars", "Labelling Activity", (1680, 375), [
    ("White Dwarf", 9600, 7260),
    ("Red Giant", 5760, 6240),
    ("Gas Cloud", 600, 4080),
    ("The Sun", 2580, 7320),
])

START_AGAIN = (3360, 7920)  # where "Start Again" stands, to find the screen's corner


def setUpModule():
    journey.start_desktop()


class ActivityJourneys(journey.Journey):
    prints = False

    def open_activity(self, activity):
        self.open_menu()
        self.press(activity.topic)
        self.reader.wait_label(activity.topic)
        self.start_activity(activity)

    def start_activity(self, activity):
        """From its topic screen, opens the activity and waits for its labels."""
        self.press(activity.button)
        shown = self.reader.wait(
            lambda s: s if all(s.one(text, "label") for text, _, _ in activity.boxes) else None,
            f"the labels of {activity.topic}: {activity.button}")
        self.assertFalse(shown.button("Check Score"), "Check Score waits for every label")
        self.assertTrue(shown.one(activity.topic, "label"), "the title is the topic's")
        # The screen's top-left corner on the display, from a button's place.
        x, y, _, _ = shown.button("Start Again").extents()
        self.origin = (x - START_AGAIN[0] // TWIPS_PER_PIXEL, y - START_AGAIN[1] // TWIPS_PER_PIXEL)
        self.activity = activity

    def box_rect(self, box):
        """The box's place on the display, in pixels."""
        _, left, top = self.activity.boxes[box]
        width, height = self.activity.size
        return (self.origin[0] + left // TWIPS_PER_PIXEL, self.origin[1] + top // TWIPS_PER_PIXEL,
                width // TWIPS_PER_PIXEL, height // TWIPS_PER_PIXEL)

    def wait_placed(self, label, box):
        """Waits until label (by number) sits exactly on box."""
        text = self.activity.boxes[label][0]
        want = self.box_rect(box)[:2]

        def placed(snapshot):
            node = snapshot.one(text, "label")
            return node is not None and all(abs(a - b) <= 1
                                            for a, b in zip(node.extents()[:2], want))
        self.reader.wait(placed, f"{text!r} to sit in box {box}")

    def drag(self, label, box):
        """Drags label onto box with the pointer, through the display."""
        node = self.reader.wait_showing(self.activity.boxes[label][0], "label")
        sx, sy = node.centre()
        left, top, width, height = self.box_rect(box)
        ex, ey = left + width // 2, top + height // 2
        self.keyboard("mousemove", str(sx), str(sy), "mousedown", "1",
                      "mousemove", str((sx + ex) // 2), str((sy + ey) // 2),
                      "mousemove", str(ex), str(ey), "mouseup", "1")
        self.wait_placed(label, box)

    def check_score(self, expected, total):
        self.press("Check Score")
        message = {total: "Excellent work. ", total - 1: "Good work. ",
                   total - 2: "Good work. "}.get(expected, "")
        return self.reader.wait_labels(
            f"{message}You have scored {expected} out of {total}.")

    # --- by pointer ----------------------------------------------------------

    def test_the_timeline_of_life_dragged_into_order(self):
        self.open_activity(TIMELINE)
        for label in range(6):
            self.drag(label, label)
        shown = self.check_score(6, 6)
        self.assertTrue(shown.button("Print Certificate"), shown)

    def test_the_inner_planets_labelled_wrong_then_put_right(self):
        self.open_activity(INNER_PLANETS)
        self.drag(0, 1)
        self.drag(1, 0)
        for label in range(2, 6):
            self.drag(label, label)
        shown = self.check_score(4, 6)
        self.assertTrue(shown.has_labels("Read the Key Facts and try again."), shown)
        self.assertFalse(shown.button("Check Wrong Answers") or shown.button("Print Certificate"),
                         shown)

        # The results go; the labels are where they were, and can be moved.
        self.press("Exit")
        self.reader.wait_showing("Check Score", "push button")
        self.wait_placed(0, 1)
        self.drag(0, 0)
        self.drag(1, 1)
        self.check_score(6, 6)

    # --- by keyboard ---------------------------------------------------------

    def focused(self, snapshot=None):
        snapshot = snapshot or self.reader.snapshot()
        return next(((n.role, n.name) for n in snapshot.nodes if n.focused), None)

    def tab(self):
        """Presses Tab; returns the (role, name) of what then has the focus."""
        before = self.focused()
        self.keyboard("key", "Tab")
        return self.reader.wait(lambda s: (self.focused(s) or before) != before
                                and self.focused(s), "the focus to move on Tab")

    def complete_by_keys(self, activity):
        """Tabs through the labels (in reading order) and puts each in its
        box by the box's number (boxes are numbered left to right, then top
        to bottom) and Enter; then Tabs to "Check Score" and presses Space."""
        self.open_activity(activity)
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
        count = len(texts)
        return self.reader.wait_labels(f"Excellent work. You have scored {count} out of {count}.")

    def test_the_big_numbers_put_in_order_from_the_keyboard(self):
        self.complete_by_keys(BIG_NUMBERS)

    def test_the_life_of_a_star_labelled_from_the_keyboard(self):
        self.complete_by_keys(STAR_LIFE)


if __name__ == "__main__":
    unittest.main()
