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
from waiting import WaitTimeout, wait_until

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
        self.replaced = []  # spans where a sound was cut short by the next
        self.next_frame = 0  # the next sound starts here or later
        self.looked_at = 0  # the recording's length at the last search

    def template(self, name):
        if name not in self.templates:
            self.templates[name] = listening.read_wav(
                os.path.join(self.folder, name + ".wav"), RATE)
        return self.templates[name]

    def _matches(self, names):
        recorded = self.recording.samples(self.next_frame)
        return [listening.best_match(recorded, self.template(n), n, self.next_frame, RATE)
                for n in names]

    def _whole(self, names):
        # Nothing to look at before the shortest of them could be whole, nor
        # again before another tenth of a second has been recorded: the
        # search must not starve the recorder.
        shortest = min(len(self.template(n)) for n in names)
        recorded = self.recording.frame_count()
        if recorded < max(self.next_frame + shortest, self.looked_at + RATE // 10):
            return None
        self.looked_at = recorded
        whole = [h for h in self._matches(names) if h and h.whole]
        return max(whole, key=lambda h: h.correlation) if whole else None

    def expect(self, *names):
        """Waits until one of the named sounds has been recorded whole after
        the last one heard; returns it."""
        longest = max(len(self.template(n)) for n in names) / RATE

        def explain():
            near = self._matches(names)
            return (f"{self.recording.frame_count() / RATE:.2f} s recorded; "
                    f"after {len(self.heard)} sounds heard whole, the best matches: "
                    + "; ".join(str(h) for h in near))

        heard = wait_until(lambda: self._whole(names), longest + HEARD_WITHIN,
                           " or ".join(names) + " heard whole", explain)
        self.heard.append(heard)
        self.next_frame = self.looked_at = heard.end
        return heard

    def heard_within(self, name, seconds):
        """The named sound if it is recorded whole within `seconds`, else
        None (it is then not counted as heard)."""
        try:
            return wait_until(lambda: self._whole([name]), seconds, name)
        except WaitTimeout:
            return None

    def expect_soon_after(self, earlier, *names):
        """As expect(), for a sound that may come so soon after the sound
        `earlier` that it cuts it short (one sound at a time): the earlier
        one is heard whole before it, or its start stands just before it."""
        start = self.next_frame
        heard = self.expect(*names)
        before = listening.best_match(self.recording.samples(start)[:heard.onset - start],
                                      self.template(earlier), earlier, start, RATE)
        if before and before.whole:
            self.heard.insert(-1, before)
        else:
            self.replaced.append((heard.onset - len(self.template(earlier)), heard.onset))
        return heard

    def unexplained(self, margin=RATE // 100):
        """The loudest sample outside the sounds heard (each widened by
        `margin` frames) and the replaced ones: zero when nothing else was
        played."""
        recorded = abs(self.recording.samples())
        spans = [(h.onset, h.end) for h in self.heard] + self.replaced
        for start, end in spans:
            recorded[max(0, start - margin):end + margin] = 0
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
            if number < len(questions):
                self.click("Next Question >>")
                listener.expect(CLICK)
        # The results screen's reward follows the last click within a few
        # milliseconds and may cut it short.
        self.click("Check Score >>")
        listener.expect_soon_after(CLICK, *PERFECT_QUIZ_REWARDS)
        reader.wait_label("Excellent work. You have scored 10 out of 10.")
        self.assertLess(listener.unexplained(), 0.01,
                        "a sound, or part of one, that the journey did not ask for")

    def test_a_sound_server_that_comes_back_is_heard_again(self):
        self.click("OK", window=journey.TITLE_WINDOW)
        self.listener.expect(CLICK)
        # The desktop's sound service restarts: a new server on the same
        # socket, recorded afresh.
        self.recording.stop()
        self.sound.stop()
        self.sound.start()
        self.recording = self.sound.recorder()
        self.addCleanup(self.recording.stop)
        self.recording.start()
        self.listener = Listener(self.recording, os.path.join(self.home, "wav"))
        # Qt finds the server again a few seconds after it has gone: from
        # then on the clicks are heard again.
        def click_heard():
            self.click(TOPIC)
            self.reader.wait_showing("Multiple Choice", "push button")
            heard = self.listener.heard_within(CLICK, 1.0)
            self.click("Exit")
            self.reader.wait_showing(TOPIC, "push button")
            return heard

        wait_until(click_heard, 15, "a click heard after the sound server came back",
                   self.sound.log)

if __name__ == "__main__":
    unittest.main()
