"""The program's start and end as a user meets them."""

import unittest

import journey


def setUpModule():
    journey.start_desktop()


class ShellJourneys(journey.Journey):
    prints = False

    def test_the_menu_exit_cancels_back_then_ends_with_status_0(self):
        reader = self.reader
        self.open_menu()
        self.press("Exit")
        reader.wait_showing("Cancel", "push button", journey.TITLE_WINDOW)
        self.assertFalse(reader.find("OK", "push button"))
        self.press("Cancel", journey.TITLE_WINDOW)
        reader.wait_showing("Worksheet Catalogue", "push button")
        self.assertTrue(self.program.running())

        self.press("Exit")
        self.press("Exit", journey.TITLE_WINDOW)
        self.assertEqual(0, self.program.wait_exit())

    def test_exit_on_the_title_screen_ends_with_status_0(self):
        self.press("Exit", journey.TITLE_WINDOW)
        self.assertEqual(0, self.program.wait_exit())


if __name__ == "__main__":
    unittest.main()
