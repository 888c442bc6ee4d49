# SPDX-License-Identifier: GPL-3.0-or-later
"""Under a real window manager (openbox): a click beside the window, a label
dropped off the window."""

import os
import subprocess
import unittest

from Xlib import Xatom, display

import journey
from desktop import end_process, spawn
from test_activities import ActivitySteps
from waiting import wait_until

_window_manager = None


def setUpModule():
    global _window_manager
    journey.start_desktop()
    _window_manager = spawn(["openbox", "--sm-disable"], env=journey.desktop().env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    screen = display.Display(os.environ["DISPLAY"])
    check = screen.intern_atom("_NET_SUPPORTING_WM_CHECK")
    wait_until(lambda: screen.screen().root.get_full_property(check, Xatom.WINDOW), 20,
               "openbox to manage the display")
    screen.close()


def tearDownModule():
    end_process(_window_manager)


class ClassroomJourneys(ActivitySteps):
    def setUp(self):
        super().setUp()
        self.x = display.Display(os.environ["DISPLAY"])
        self.addCleanup(self.x.close)
        self.root_window = self.x.screen().root

    def _property(self, window, name, kind):
        value = window.get_full_property(self.x.intern_atom(name), kind)
        return list(value.value) if value else []

    def stacking(self):  # the program's managed windows, bottom to top
        return [w for w in (self.x.create_resource_object("window", i) for i in self._property(
            self.root_window, "_NET_CLIENT_LIST_STACKING", Xatom.WINDOW))
            if self._property(w, "_NET_WM_PID", Xatom.CARDINAL) == [self.program.pid]]

    def geometry(self, window):  # left, top, width, height of its inside
        g = window.get_geometry()
        at = window.translate_coords(self.root_window, 0, 0)
        return -at.x, -at.y, g.width, g.height

    def describe(self):
        return [(w.id, self.geometry(w)) for w in self.stacking()]

    def window_of_width(self, width):
        return wait_until(lambda: next((w for w in self.stacking()
                                        if self.geometry(w)[2] == width), None),
                          20, f"a window {width} pixels wide", self.describe)

    def click(self, x, y, activates=None):
        """Clicks; with activates, waits until the window manager has made
        that window (the one under the pointer) the active one."""
        self.keyboard("mousemove", str(x), str(y), "click", "1")
        if activates is not None:
            wait_until(lambda: self._property(self.root_window, "_NET_ACTIVE_WINDOW",
                                              Xatom.WINDOW)[:1] == [activates.id], 20,
                       f"the window manager to take the click at {x}, {y}", self.describe)

    def test_a_click_beside_the_window_leaves_the_program_in_front(self):
        self.open_menu()
        menu = self.window_of_width(794)
        backdrop = self.window_of_width(self.x.screen().width_in_pixels)
        self.click(3, 3, activates=backdrop)
        self.assertEqual(menu.id, self.stacking()[-1].id, self.describe())
        self.assertTrue(self.reader.snapshot().button(journey.MENU))
        # The exit screen stays in front of the menu when the menu is clicked.
        self.press("Exit")
        exit_screen = self.window_of_width(364)
        left, top, _, height = self.geometry(menu)
        self.click(left + 20, top + height - 20, activates=menu)
        self.assertEqual(exit_screen.id, self.stacking()[-1].id, self.describe())

    def test_a_label_dropped_off_the_window_goes_back_home(self):
        activity = self.open_activity("Life on Earth", "Ordering Activity")
        text = activity.boxes[0][0]
        label = self.reader.wait_showing(text, "label")
        home = label.extents()[:2]
        # Held, the label follows the pointer off the window, past its edge...
        sx, sy = label.centre()
        mid = (self.origin[0] + 400, self.origin[1] + 300)
        self.keyboard("mousemove", str(sx), str(sy), "mousedown", "1",
                      "mousemove", str(mid[0]), str(mid[1]))
        self.reader.wait(lambda s: (n := s.one(text, "label")) and n.extents()[:2] != home,
                         f"{text!r} to follow the pointer")
        self.keyboard("mousemove", "2", "2", "mouseup", "1")
        # ...and dropped there, goes back to where it was picked up.
        self.wait_at(text, home, f"{text!r} back in its starting place")
        self.assertFalse(self.reader.snapshot().button("Check Score"))


if __name__ == "__main__":
    unittest.main()
