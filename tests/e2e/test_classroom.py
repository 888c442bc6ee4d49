# SPDX-License-Identifier: GPL-3.0-or-later
"""The first minutes in a classroom, under a real window manager (openbox,
started beside the private display): a click beside the window, the
window's close button, a school desktop without a printer, a label dropped
off the window."""

import datetime
import os
import subprocess
import unittest

from Xlib import X, Xatom, display

import journey
import pdf
from desktop import end_process, spawn
from test_activities import START_AGAIN, TIMELINE, TWIPS_PER_PIXEL
from test_pupil import answer_all
from waiting import wait_until

_window_manager = None


def setUpModule():
    global _window_manager
    journey.start_desktop()
    env = journey.desktop().env
    _window_manager = spawn(["openbox", "--sm-disable"], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    screen = display.Display(env["DISPLAY"])
    check = screen.intern_atom("_NET_SUPPORTING_WM_CHECK")
    wait_until(lambda: screen.screen().root.get_full_property(check, Xatom.WINDOW), 20,
               "openbox to manage the display")
    screen.close()


def tearDownModule():
    end_process(_window_manager)


class Windows:
    """The display's windows as the window manager stacks them."""

    def __init__(self, pid):
        self.pid = pid
        self.x = display.Display(os.environ["DISPLAY"])
        self.root = self.x.screen().root
        self.size = (self.x.screen().width_in_pixels, self.x.screen().height_in_pixels)

    def atom(self, name):
        return self.x.intern_atom(name)

    def _property(self, window, name, kind):
        value = window.get_full_property(self.atom(name), kind)
        return list(value.value) if value else []

    def stacking(self):
        """The program's managed windows, bottom to top."""
        ids = self._property(self.root, "_NET_CLIENT_LIST_STACKING", Xatom.WINDOW)
        windows = [self.x.create_resource_object("window", i) for i in ids]
        return [w for w in windows
                if self._property(w, "_NET_WM_PID", Xatom.CARDINAL) == [self.pid]]

    def geometry(self, window):
        """Left, top, width, height of the window's inside on the display."""
        g = window.get_geometry()
        at = window.translate_coords(self.root, 0, 0)
        return -at.x, -at.y, g.width, g.height

    def is_backdrop(self, window):
        return self.geometry(window)[2:] == self.size

    def top(self):
        stack = self.stacking()
        return stack[-1] if stack else None

    def active(self):
        value = self._property(self.root, "_NET_ACTIVE_WINDOW", Xatom.WINDOW)
        return value[0] if value else None

    def of_width(self, width):
        return next((w for w in self.stacking() if self.geometry(w)[2] == width), None)

    def close_button(self, window):
        """The centre of the close button at the right end of the title bar."""
        left, top, width, _ = self.geometry(window)
        _, right, above, _ = self._property(window, "_NET_FRAME_EXTENTS", Xatom.CARDINAL)
        return left + width + right - above // 2, top - above // 2

    def describe(self):
        return [(w.id, self.geometry(w)) for w in self.stacking()]


class ClassroomJourneys(journey.Journey):
    prints = False  # a school desktop without a print server

    def setUp(self):
        super().setUp()
        self.windows = Windows(self.program.pid)
        self.addCleanup(self.windows.x.close)

    def click(self, x, y):
        self.keyboard("mousemove", str(x), str(y), "click", "1")

    def click_and_wait_active(self, x, y, window):
        """Clicks, then waits until the window manager has handled the click,
        which makes the window under the pointer the active one."""
        self.click(x, y)
        wait_until(lambda: self.windows.active() == window.id, 20,
                   f"the window manager to take the click at {x}, {y}", self.windows.describe)

    def program_window(self):
        return wait_until(lambda: self.windows.of_width(794), 20, "the program window",
                          self.windows.describe)

    def test_a_click_beside_the_window_leaves_the_program_in_front(self):
        self.open_menu()
        menu = self.program_window()
        backdrop = next(w for w in self.windows.stacking() if self.windows.is_backdrop(w))
        self.click_and_wait_active(3, 3, backdrop)
        self.assertEqual(menu.id, self.windows.top().id, self.windows.describe())
        self.assertTrue(self.reader.snapshot().button("Worksheet Catalogue"))

        # The exit screen stays in front of the menu when the menu is clicked.
        self.press("Exit")
        self.reader.wait_showing("Cancel", "push button", journey.TITLE_WINDOW)
        exit_screen = wait_until(lambda: self.windows.of_width(364), 20, "the exit screen",
                                 self.windows.describe)
        left, top, _, height = self.windows.geometry(menu)
        self.click_and_wait_active(left + 20, top + height - 20, menu)
        self.assertEqual(exit_screen.id, self.windows.top().id, self.windows.describe())
        self.assertNotEqual(backdrop.id, self.windows.top().id)

    def test_the_close_button_asks_on_the_exit_screen_then_ends_the_program(self):
        self.open_menu()
        self.click(*self.windows.close_button(self.program_window()))
        self.reader.wait_showing("Cancel", "push button", journey.TITLE_WINDOW)
        self.assertTrue(self.program.running())
        exit_screen = wait_until(lambda: self.windows.of_width(364), 20, "the exit screen",
                                 self.windows.describe)
        self.click(*self.windows.close_button(exit_screen))
        self.assertEqual(0, self.program.wait_exit())

    def test_without_a_printer_the_certificate_is_saved_as_a_pdf(self):
        self.open_menu()
        self.press("The Tides")
        self.press("Multiple Choice")
        answer_all(self)
        shown = self.reader.wait_labels("Excellent work. You have scored 10 out of 10.")
        self.reader.set_text(shown.of_role("text")[0], "Sam")
        self.press("Print Certificate")

        saved = os.path.join(self.program_home, "Documents", "Corvella",
                             f"Certificate - Sam - {datetime.date.today().isoformat()}.pdf")
        message = self.reader.wait(
            lambda s: next((n for n in s.nodes if n.role == "label"
                            and n.name.startswith("There is no printer")), None),
            "the message that the certificate was saved")
        self.assertTrue(message.name.endswith("\n" + saved), message.name)
        self.press("OK")
        self.reader.wait_gone(message.name, "label")
        self.assertEqual([os.path.basename(saved)], os.listdir(os.path.dirname(saved)))
        lines = pdf.lines(saved)
        wanted = ["Corvella", "Corvella", "Excellent Work", "Sam",
                  "You have scored 10 out of 10."]
        self.assertEqual(wanted, [line for line in lines if line in wanted], lines)

    def test_a_label_dropped_off_the_window_goes_back_home(self):
        self.open_menu()
        self.press(TIMELINE.topic)
        self.press(TIMELINE.button)
        text = TIMELINE.boxes[0][0]
        label = self.reader.wait_showing(text, "label")
        home = label.extents()
        x, y, _, _ = self.reader.snapshot().button("Start Again").extents()
        origin = (x - START_AGAIN[0] // TWIPS_PER_PIXEL, y - START_AGAIN[1] // TWIPS_PER_PIXEL)

        def at(place):
            def check(snapshot):
                node = snapshot.one(text, "label")
                return node is not None and all(abs(a - b) <= 1 for a, b in
                                                zip(node.extents()[:2], place))
            return check

        # Held, the label follows the pointer off the window, past its edge...
        sx, sy = label.centre()
        mid = (origin[0] + 400, origin[1] + 300)
        self.keyboard("mousemove", str(sx), str(sy), "mousedown", "1",
                      "mousemove", str(mid[0]), str(mid[1]))
        self.reader.wait(lambda s: not at(home)(s), f"{text!r} to follow the pointer")
        self.keyboard("mousemove", "2", "2", "mouseup", "1")
        # ...and dropped there, goes back to where it was picked up.
        self.reader.wait(at(home[:2]), f"{text!r} back in its starting place")
        self.assertFalse(self.reader.snapshot().button("Check Score"))


if __name__ == "__main__":
    unittest.main()
