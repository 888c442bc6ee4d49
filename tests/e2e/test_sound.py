# SPDX-License-Identifier: GPL-3.0-or-later
"""Every sound heard: the program driven by real pointer clicks while a
private sound server's null sink is recorded, from the title's "OK" through
a topic to a whole quiz and its reward. Each click's sound, each choice's key
sound and the reward must reach the recording whole (as loud and as long as
its file) and in order, and nothing else may be heard. The sound server is
$CORVELLA_SOUND_SERVER: pipewire or pulseaudio."""

import os
import time
import unittest

from Xlib import X, display
from Xlib.ext import xtest

import content
import journey
import listening
from soundserver import RATE
from waiting import wait_until

TOPIC = "The Tides"
CLICK, KEY = "click", "typekey"
PERFECT_QUIZ_REWARDS = ("fanf2", "fanf3")
# The longest a sound may take to reach the recording, start to end: its
# length and this.
HEARD_WITHIN = 5.0


def setUpModule():
    journey.start_desktop()


class Pointer:
    """Real pointer clicks through the display's test extension."""

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


class Listener:
    """Follows the recording, finding the expected sounds one after another."""

    def __init__(self, recording, wav_folder):
        self.recording = recording
        self.folder = wav_folder
        self.templates = {}
        self.heard = []
        self.next_frame = 0  # the next sound starts here or later

    def template(self, name):
        if name not in self.templates:
            self.templates[name] = listening.read_wav(
                os.path.join(self.folder, name + ".wav"), RATE)
        return self.templates[name]

    def _whole(self, names):
        recorded = self.recording.samples()
        found = [listening.best_match(recorded, self.template(n), n, self.next_frame)
                 for n in names]
        whole = [h for h in found if h and h.whole]
        return max(whole, key=lambda h: h.correlation) if whole else None

    def expect(self, *names):
        """Waits until one of the named sounds has been recorded whole after
        the last one heard; returns it."""
        longest = max(len(self.template(n)) for n in names) / RATE

        def explain():
            recorded = self.recording.samples()
            near = [listening.best_match(recorded, self.template(n), n, self.next_frame)
                    for n in names]
            return (f"after {len(self.heard)} sounds heard whole, the best matches: "
                    + "; ".join(str(h) for h in near))

        heard = wait_until(lambda: self._whole(names), longest + HEARD_WITHIN,
                           " or ".join(names) + " heard whole", explain)
        self.heard.append(heard)
        self.next_frame = heard.end
        return heard

    def unexplained(self, margin=RATE // 100):
        """The loudest sample outside the sounds heard (each widened by
        `margin` frames): zero when nothing else was played."""
        recorded = abs(self.recording.samples())
        for h in self.heard:
            recorded[max(0, h.onset - margin):h.end + margin] = 0
        return float(recorded.max()) if len(recorded) else 0.0



class SoundJourney(journey.Journey):
    prints = False
    listens = True

    def setUp(self):
        super().setUp()
        self.pointer = Pointer()
        self.addCleanup(self.pointer.close)
        self.listener = Listener(self.recording, os.path.join(self.home, "wav"))

    def click(self, caption, role="push button", window=None):
        node = self.reader.wait_showing(caption, role, window)
        return self.pointer.click(*node.centre())

    def test_every_click_and_the_reward_heard_whole_and_in_order(self):
        reader = self.reader
        listener = self.listener
        self.click("OK", window=journey.TITLE_WINDOW)
        listener.expect(CLICK)
        self.click(TOPIC)
        listener.expect(CLICK)
        self.click("Multiple Choice")
        listener.expect(CLICK)

        questions = content.read_question_file(content.question_file(self.home, TOPIC))[1]
        for number, question in enumerate(questions, start=1):
            reader.wait_labels(f"Question {number}", question.text)
            self.click(question.right_option, "radio button")
            listener.expect(KEY)
            self.click("Check Score >>" if number == 10 else "Next Question >>")
            listener.expect(CLICK)
        reader.wait_label("Excellent work. You have scored 10 out of 10.")
        listener.expect(*PERFECT_QUIZ_REWARDS)

        self.assertEqual(2 * len(questions) + 4, len(listener.heard))
        self.assertLess(listener.unexplained(), 0.01,
                        "a sound, or part of one, that the journey did not ask for")


if __name__ == "__main__":
    unittest.main()
