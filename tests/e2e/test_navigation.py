# SPDX-License-Identifier: GPL-3.0-or-later
"""Every notes set and the guide paged from the first page to the last, and
every topic's quiz and activities opened, as a screen reader user does."""

import unittest

import journey

ACTIVITIES = (("Ordering Activity", "Start Again"), ("Labelling Activity", "Start Again"))


def setUpModule():
    journey.start_desktop()


class NavigationJourneys(journey.Journey):
    prints = False

    def test_every_notes_set_and_the_guide_page_from_first_to_last(self):
        self.open_menu()
        for caption, pages in (("Introduction", self.pages_of("introduction")),
                               ("Acknowledgments", 1), ("Teachers' Guide", 5)):
            self.press(caption)
            self.page_through(pages)
            self.reader.wait_showing(journey.MENU, "push button")
        for topic, stem, activities in (
                ("The Tides", "tides", ()), ("The Sun and other Stars", "sun", ACTIVITIES),
                ("Life on Earth", "life", ACTIVITIES), ("Eclipses", "eclipses", ACTIVITIES),
                ("The Solar System", "solarsystem", ACTIVITIES)):
            self.press(topic)
            for caption, notes in (("Key Facts", "key " + stem), ("Teacher's Notes", stem)):
                self.reader.wait_label(topic)
                self.press(caption)
                self.page_through(self.pages_of(notes))
            # Its quiz and activities open from the shipped files.
            for caption, sign in (("Multiple Choice", "Question 1"), *activities):
                self.reader.wait_label(topic)
                self.press(caption)
                self.reader.wait_showing(sign)
                self.press("Exit")
            self.reader.wait_label(topic)
            self.press("Exit")
            self.reader.wait_showing(journey.MENU, "push button")


if __name__ == "__main__":
    unittest.main()
