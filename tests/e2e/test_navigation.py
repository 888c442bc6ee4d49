# SPDX-License-Identifier: GPL-3.0-or-later
"""Every notes set, the guide and the topic screens reached from the menu,
paged from the first page to the last as a screen reader user does."""

import unittest

import journey

MENU = "Worksheet Catalogue"  # a button only the menu has


def setUpModule():
    journey.start_desktop()


class NavigationJourneys(journey.Journey):
    prints = False

    def page_through(self, count):
        """Pages a set of count pages to its end; a single page shows no
        page label and no page buttons. Leaves by Exit."""
        self.assertGreater(count, 0, "the content folder has the set's pages")
        reader = self.reader
        shown = reader.wait(lambda s: s if s.button("Print") else None, "a notes page")
        if count == 1:
            self.assertFalse(shown.find("Next Page") or shown.find("Previous Page"), shown)
            self.assertFalse([t for t in shown.labels() if t.startswith("Page ")], shown)
        for page in range(1, count + 1):
            if count > 1:
                shown = reader.wait_labels(f"Page {page} of {count}")
                self.assertEqual(page > 1, shown.one("Previous Page", "push button").enabled)
                self.assertEqual(page < count, shown.one("Next Page", "push button").enabled)
            if page < count:
                self.press("Next Page")
        self.press("Exit")

    def test_every_notes_set_and_the_guide_page_from_first_to_last(self):
        reader = self.reader
        self.open_menu()
        self.press("Introduction")
        self.page_through(self.pages_of("introduction"))
        reader.wait_showing(MENU, "push button")

        self.press("Acknowledgments")
        self.page_through(1)
        reader.wait_showing(MENU, "push button")

        self.press("Teachers' Guide")
        self.page_through(5)
        reader.wait_showing(MENU, "push button")

        for topic, stem in (("The Tides", "tides"), ("The Sun and other Stars", "sun"),
                            ("Life on Earth", "life")):
            self.press(topic)
            reader.wait_label(topic)
            self.press("Key Facts")
            self.page_through(self.pages_of("key " + stem))
            reader.wait_label(topic)
            self.press("Teacher's Notes")
            self.page_through(self.pages_of(stem))
            reader.wait_label(topic)
            self.press("Exit")
            reader.wait_showing(MENU, "push button")


if __name__ == "__main__":
    unittest.main()
