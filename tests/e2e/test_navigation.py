# SPDX-License-Identifier: GPL-3.0-or-later
"""Every notes set, the guide and the topic screens reached from the menu,
paged from the first page to the last as a screen reader user does."""

import unittest

import journey


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
        for topic, stem in (("The Tides", "tides"), ("The Sun and other Stars", "sun"),
                            ("Life on Earth", "life"), ("Eclipses", "eclipses"),
                            ("The Solar System", "solarsystem")):
            self.press(topic)
            for caption, notes in (("Key Facts", "key " + stem), ("Teacher's Notes", stem)):
                self.reader.wait_label(topic)
                self.press(caption)
                self.page_through(self.pages_of(notes))
            self.reader.wait_label(topic)
            self.press("Exit")
            self.reader.wait_showing(journey.MENU, "push button")


if __name__ == "__main__":
    unittest.main()
