# SPDX-License-Identifier: GPL-3.0-or-later
"""Real pointer clicks through the display's test extension, timed."""

import os
import time

from Xlib import X, display
from Xlib.ext import xtest


class Pointer:
    def __init__(self):
        self.display = display.Display(os.environ["DISPLAY"])

    def click(self, x, y):
        """Clicks at (x, y); returns when the release, which acts, was sent."""
        xtest.fake_input(self.display, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.display, X.ButtonPress, 1)
        self.display.sync()
        xtest.fake_input(self.display, X.ButtonRelease, 1)
        self.display.sync()
        return time.monotonic()

    def close(self):
        self.display.close()
