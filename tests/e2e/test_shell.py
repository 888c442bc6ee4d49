# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's start and end as a user meets them."""

import os
import unittest

from Xlib import X, display

import journey
from waiting import wait_until

BACKDROP_BLUE = (48, 133, 214)


def setUpModule():
    journey.start_desktop()


class ShellJourneys(journey.Journey):
    prints = False

    def test_the_menu_exit_cancels_back_then_ends_with_status_0(self):
        self.open_menu()
        self.press("Exit")
        self.reader.wait_showing("Cancel", "push button", journey.TITLE_WINDOW)
        self.assertFalse(self.reader.snapshot().find("OK", "push button"))
        self.press("Cancel", journey.TITLE_WINDOW)
        self.reader.wait_showing(journey.MENU, "push button")
        self.assertTrue(self.program.running())
        self.press("Exit")
        self.press("Exit", journey.TITLE_WINDOW)
        self.assertEqual(0, self.program.wait_exit())

    def test_the_title_stands_on_the_backdrop_blue_to_every_edge(self):
        # Read from the X server, which fills the backdrop (the program does not paint it).
        screen = display.Display(os.environ["DISPLAY"]).screen()
        w, h = screen.width_in_pixels, screen.height_in_pixels
        edges = [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1), (w // 2, 0), (w // 2, h - 1)]

        def colours():
            return [tuple(screen.root.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data[2::-1])
                    for x, y in edges]
        wait_until(lambda: colours() == [BACKDROP_BLUE] * len(edges), 30,
                   "the backdrop blue at the display's edges", colours)


if __name__ == "__main__":
    unittest.main()
