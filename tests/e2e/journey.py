# SPDX-License-Identifier: GPL-3.0-or-later
"""The base of every end-to-end journey.

The journeys of one process share one private desktop (display, session
bus, accessibility bus); each journey starts the built program afresh on a
private copy of the content folder, with its own print server when it
prints, and ends every process it started by its id. CTest runs each journey
in a process of its own, so there each journey has its own desktop too.

Environment: CORVELLA_PROGRAM (the built program), CORVELLA_SOURCE_MEDIA
(the content folder to copy); CORVELLA_E2E_KEEP=1 keeps the run folders;
CORVELLA_E2E_LOG_RULES sets the program's QT_LOGGING_RULES."""

import atexit
import os
import shutil
import subprocess
import tempfile
import unittest

from desktop import Desktop, end_process, spawn
from printserver import PrintServer
from waiting import wait_until

_desktop = None
TITLE_WIDTH = 364  # pixels: the title and exit screen, narrower than the program window


def TITLE_WINDOW(window):
    """The title and exit screen: named after the program, as the program
    window is, and told apart from it by its width."""
    return window.name == "Corvella" and window.extents()[2] == TITLE_WIDTH


def start_desktop():
    """For setUpModule: starts the desktop, once per process, and points this
    process's accessibility client at it (before it first connects; the
    client cannot move to another bus later). It is stopped at exit."""
    global _desktop
    if _desktop is not None:
        return
    root = tempfile.mkdtemp(prefix="corvella-e2e-desktop-")
    _desktop = Desktop(root)
    atexit.register(stop_desktop)
    _desktop.start()
    os.environ.update({k: _desktop.env[k] for k in
                       ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})


def stop_desktop():
    global _desktop
    if _desktop is not None:
        _desktop.stop()
        _keep_or_remove(_desktop.root)
        _desktop = None


def _keep_or_remove(path):
    if os.environ.get("CORVELLA_E2E_KEEP") == "1":
        print(f"kept {path}")
    else:
        shutil.rmtree(path, ignore_errors=True)


def desktop():
    if _desktop is None:
        raise AssertionError("the test module did not start the desktop (setUpModule)")
    return _desktop


class Program:
    """The program under test, started on the shared desktop."""

    def __init__(self, executable, home, root, cups_socket, sound_server=None):
        env = dict(desktop().env)
        self.home = os.path.join(root, "home")  # the user's own folder
        os.makedirs(self.home, exist_ok=True)
        env.update({
            "HOME": self.home,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "CORVELLA_HOME": home,
            "CORVELLA_WORKSHEETS": os.path.join(root, "worksheets"),
            # Nothing of the run lands in the user's own folders.
            "XDG_DATA_HOME": os.path.join(root, "data"),
            "XDG_CONFIG_HOME": os.path.join(root, "config"),
            "CUPS_SERVER": cups_socket,
            # Without a sound server of the journey's own, sounds are skipped
            # quietly.
            "PULSE_SERVER": sound_server or "unix:" + os.path.join(root, "no-sound-server"),
            "QT_LOGGING_RULES": os.environ.get("CORVELLA_E2E_LOG_RULES", "qt.multimedia*=false"),
        })
        self.log_path = os.path.join(root, "program.log")
        with open(self.log_path, "w") as log:
            self.process = spawn([executable], env=env, cwd=root, stdout=log,
                                            stderr=subprocess.STDOUT)
        self.pid = self.process.pid

    def wait_exit(self, timeout=15):
        wait_until(lambda: self.process.poll() is not None, timeout, "the program to end",
                   self.log)
        return self.process.returncode

    def running(self):
        return self.process.poll() is None

    def stop(self):
        end_process(self.process)

    def log(self):
        with open(self.log_path, errors="replace") as f:
            return "program output:\n" + f.read()[-3000:]


class Journey(unittest.TestCase):
    """Starts the program on the title screen; self.reader drives it."""

    prints = True  # whether the journey needs the print server
    listens = False  # whether the journey needs a sound server and its recording

    def setUp(self):
        from reader import Reader  # after the desktop has set the environment

        self.root = tempfile.mkdtemp(prefix="corvella-e2e-")
        os.chmod(self.root, 0o755)
        self.addCleanup(_keep_or_remove, self.root)

        self.home = os.path.join(self.root, "media")
        shutil.copytree(os.environ["CORVELLA_SOURCE_MEDIA"], self.home)

        socket = os.path.join(self.root, "no-print-server.sock")
        self.printer = None
        if self.prints:
            self.printer = PrintServer(os.path.join(self.root, "print"))
            self.printer.start()
            self.addCleanup(self.printer.stop)
            socket = self.printer.socket

        self.sound = self.recording = None
        if self.listens:
            from soundserver import SoundServer  # only these journeys need numpy
            self.sound = SoundServer(os.path.join(self.root, "sound"),
                                     os.environ.get("CORVELLA_SOUND_SERVER", "pulseaudio"),
                                     desktop().env)
            self.addCleanup(self.sound.stop)
            self.sound.start()
            self.recording = self.sound.recorder()
            self.addCleanup(self.recording.save, os.path.join(self.root, "recording.wav"))
            self.addCleanup(self.recording.stop)
            self.recording.start()

        self.program = Program(os.environ["CORVELLA_PROGRAM"], self.home, self.root, socket,
                               self.sound.address if self.sound else None)
        self.worksheets = os.path.join(self.root, "worksheets")
        self.program_home = self.program.home
        self.addCleanup(self.program.stop)
        self.reader = Reader(self.program.pid)
        self.reader.attach()
        self.reader.wait_showing("OK", "push button", TITLE_WINDOW)

    # --- steps shared by journeys ------------------------------------------

    def press(self, caption, window=None):
        return self.reader.press(caption, window)

    def open_menu(self):
        self.press("OK", TITLE_WINDOW)
        self.reader.wait_showing("Worksheet Catalogue", "push button")

    def pages_of(self, stem):
        """How many pages the content folder holds for a notes set: pages
        are the stem and a letter, a single page the stem alone."""
        names = {n.lower() for n in os.listdir(os.path.join(self.home, "wmf"))}
        count = sum(1 for letter in "abcd" if f"{stem}{letter}.wmf" in names)
        return count or (1 if f"{stem}.wmf" in names else 0)

    def keyboard(self, *args):
        """Real key presses through the display's keyboard (xdotool), to
        the window that has the input focus."""
        subprocess.run(["xdotool", *args], env=desktop().env, check=True, timeout=30)

    def type_text(self, text):
        self.keyboard("type", "--delay", "10", text)

    def answer_box(self, text):
        """Presses the OK of the message box that says text."""
        self.reader.wait_label(text)
        self.press("OK")
        self.reader.wait_gone(text, "label")

    def assert_showing_labels(self, *texts):
        showing = self.reader.texts()
        for text in texts:
            self.assertIn(text, showing, self.reader.describe())
