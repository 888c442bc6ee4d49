# SPDX-License-Identifier: GPL-3.0-or-later
"""The base of every journey: one private desktop per process; the program
(CORVELLA_PROGRAM) started afresh on a copy of CORVELLA_SOURCE_MEDIA."""

import atexit
import os
import shutil
import subprocess
import tempfile
import unittest
from dataclasses import dataclass

from desktop import Desktop, end_process, spawn
from printserver import PrintServer
from reader import Reader, choose, press
from waiting import wait_until

_desktop = None
MENU = "Worksheet Catalogue"  # a button only the menu has
PERFECT = "Excellent work. You have scored 10 out of 10."


def TITLE_WINDOW(window):  # the title and exit screen: the program's name, narrower
    return window.name == "Corvella" and window.extents()[2] == 364


def start_desktop():
    global _desktop
    if _desktop is None:
        _desktop = Desktop(tempfile.mkdtemp(prefix="corvella-e2e-desktop-"))
        atexit.register(lambda: (_desktop.stop(), shutil.rmtree(_desktop.root, True)))
        _desktop.start()
        os.environ.update({k: _desktop.env[k] for k in
                           ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})


def desktop():
    return _desktop


@dataclass
class Question:
    text: str
    options: list  # the four choices, in order
    correct: int  # 1 to 4

    right_option = property(lambda self: self.options[self.correct - 1])
    wrong_option = property(lambda self: self.options[self.correct % 4])


class Program:
    def __init__(self, executable, home, root, cups_socket, sound_server=None):
        env = dict(_desktop.env)
        self.home = os.path.join(root, "home")  # the user's own folder
        os.makedirs(self.home, exist_ok=True)
        env.update({
            "HOME": self.home, "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "CORVELLA_HOME": home, "CORVELLA_WORKSHEETS": os.path.join(root, "worksheets"),
            "XDG_DATA_HOME": os.path.join(root, "data"),
            "XDG_CONFIG_HOME": os.path.join(root, "config"), "CUPS_SERVER": cups_socket,
            # Without a sound server of the journey's own, sounds are skipped.
            "PULSE_SERVER": sound_server or "unix:" + os.path.join(root, "no-sound-server"),
            "QT_LOGGING_RULES": "qt.multimedia*=false",
        })
        self.log_path = os.path.join(root, "program.log")
        with open(self.log_path, "w") as log:
            self.process = spawn([executable], env=env, cwd=root, stdout=log,
                                 stderr=subprocess.STDOUT)
        self.pid = self.process.pid

    def wait_exit(self):
        wait_until(lambda: self.process.poll() is not None, 15, "the program to end", self.log)
        return self.process.returncode

    def running(self):
        return self.process.poll() is None

    def stop(self):
        end_process(self.process)

    def log(self):
        return "program output:\n" + open(self.log_path, errors="replace").read()[-3000:]


class Journey(unittest.TestCase):
    prints = True  # whether the journey needs the print server
    listens = False  # whether it needs a sound server and its recording

    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="corvella-e2e-")
        os.chmod(self.root, 0o755)  # the print server's filters run as lp
        self.addCleanup(shutil.rmtree, self.root, True)
        self.home = os.path.join(self.root, "media")
        shutil.copytree(os.environ["CORVELLA_SOURCE_MEDIA"], self.home)
        socket = os.path.join(self.root, "no-print-server.sock")
        self.printer = self.sound = None
        if self.prints:
            self.printer = PrintServer(os.path.join(self.root, "print"))
            self.printer.start()
            self.addCleanup(self.printer.stop)
            socket = self.printer.socket
        if self.listens:
            from soundserver import SoundServer  # only these journeys need numpy
            self.sound = SoundServer(os.path.join(self.root, "sound"),
                                     os.environ.get("CORVELLA_SOUND_SERVER") or "pulseaudio",
                                     _desktop.env)
            self.addCleanup(self.sound.stop)
            self.sound.start()
        self.program = Program(os.environ["CORVELLA_PROGRAM"], self.home, self.root, socket,
                               self.sound.address if self.sound else None)
        self.worksheets = os.path.join(self.root, "worksheets")
        self.addCleanup(self.program.stop)
        self.reader = Reader(self.program.pid)
        self.reader.attach()
        self.reader.wait_showing("OK", "push button", TITLE_WINDOW)

    def press(self, caption, window=None):
        return self.reader.press(caption, window)

    def open_menu(self):
        self.press("OK", TITLE_WINDOW)
        self.reader.wait_showing(MENU, "push button")

    def open_topic(self, topic):
        self.open_menu()
        self.press(topic)
        self.reader.wait_showing("Key Facts", "push button")

    def questions(self, title):
        """A question file's ten questions: a comma ends a field, "&" is ","."""
        with open(os.path.join(self.home, "multiple", title + ".txt"), "rb") as f:
            lines = [line.lstrip(" ").split(",", 1)[0].replace("&", ",")
                     for line in f.read().decode("cp1252").split("\r\n")]
        return [Question(lines[2 + 7 * n], lines[3 + 7 * n:7 + 7 * n], int(lines[7 + 7 * n]))
                for n in range(10)]

    def pages_of(self, stem):
        """The pages of a notes set: the stem and a letter, or the stem alone."""
        names = {n.lower() for n in os.listdir(os.path.join(self.home, "wmf"))}
        count = sum(1 for letter in "abcd" if f"{stem}{letter}.wmf" in names)
        return count or (1 if f"{stem}.wmf" in names else 0)

    def page_through(self, count, back=False):
        """Pages an open set to its end (and back), checking each page; then Exit."""
        self.assertGreater(count, 0, "the content folder has the set's pages")
        shown = self.reader.wait(lambda s: s if s.button("Print") else None, "a notes page")
        if count == 1:  # no page label and no page buttons
            self.assertFalse(shown.find("Next Page") or shown.find("Previous Page"), shown)
            self.assertFalse([t for t in shown.labels() if t.startswith("Page ")], shown)
        route = list(range(1, count + 1)) + (list(range(count - 1, 0, -1)) if back else [])
        for step, page in enumerate(route if count > 1 else []):
            self.reader.wait_label(f"Page {page} of {count}")
            if step + 1 < len(route):
                self.press("Next Page" if route[step + 1] > page else "Previous Page")
        self.press("Exit")

    def answer_quiz(self, questions, wrong=(), unanswered=()):
        """Answers the open quiz right but for the numbers in wrong and unanswered."""
        for number, question in enumerate(questions, start=1):
            shown = self.reader.wait_labels(f"Question {number}", question.text)
            if number not in unanswered:
                choose(shown.one(question.wrong_option if number in wrong
                                 else question.right_option, "radio button"))
            press(shown.button("Check Score >>" if number == 10 else "Next Question >>"))

    def keyboard(self, *args):
        subprocess.run(["xdotool", *args], env=_desktop.env, check=True, timeout=30)

    def answer_box(self, text):
        self.reader.wait_label(text)
        self.press("OK")
        self.reader.wait_gone(text, "label")
