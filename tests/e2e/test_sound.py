# SPDX-License-Identifier: GPL-3.0-or-later
"""Every sound heard whole and in order, and nothing else, on a private sound
server ($CORVELLA_SOUND_SERVER: pipewire or pulseaudio)."""

import os
import unittest

import journey
from listening import Listener
from soundserver import Recorder
from waiting import wait_until

TOPIC = "The Tides"


def setUpModule():
    journey.start_desktop()


class SoundJourney(journey.Journey):
    prints = False
    listens = True

    def setUp(self):
        super().setUp()
        self.listen()
        # A click before the first stream opens is silent by design.
        wait_until(lambda: self.sound.stream_count() > 0, 20, "the program's output stream",
                   self.sound.log)

    def listen(self):
        self.recording = Recorder(self.sound)
        self.addCleanup(self.recording.stop)
        self.recording.start()
        self.listener = Listener(self.recording, os.path.join(self.home, "wav"))

    def click(self, caption, role="push button", window=None):
        x, y = self.reader.wait_showing(caption, role, window).centre()
        self.keyboard("mousemove", str(x), str(y), "click", "1")

    def test_every_click_and_the_reward_heard_whole_and_in_order(self):
        for caption, window in (("OK", journey.TITLE_WINDOW), (TOPIC, None),
                                ("Multiple Choice", None)):
            self.click(caption, window=window)
            self.listener.expect("click")
        for number, question in enumerate(self.questions(TOPIC), start=1):
            self.reader.wait_labels(f"Question {number}", question.text)
            self.click(question.right_option, "radio button")
            self.listener.expect("typekey")
            if number < 10:
                self.click("Next Question >>")
                self.listener.expect("click")
        # The reward follows the last click within milliseconds and may cut it short.
        self.click("Check Score >>")
        self.listener.expect_soon_after("click", "fanf2", "fanf3")
        self.reader.wait_label(journey.PERFECT)
        self.assertLess(self.listener.unexplained(), 0.01,
                        "a sound, or part of one, that the journey did not ask for")

    def test_a_sound_server_that_comes_back_is_heard_again(self):
        self.click("OK", window=journey.TITLE_WINDOW)
        self.listener.expect("click")
        # The desktop's sound service restarts on the same socket.
        self.recording.stop()
        self.sound.stop()
        self.sound.start()
        self.listen()

        def click_heard():  # Qt finds the server again a few seconds later
            self.click(TOPIC)
            self.reader.wait_showing("Multiple Choice", "push button")
            heard = self.listener.expect("click", within=1.0)
            self.click("Exit")
            self.reader.wait_showing(TOPIC, "push button")
            return heard
        wait_until(click_heard, 15, "a click heard after the sound server came back",
                   self.sound.log)
        # The program ends cleanly with its output streams open.
        self.click("Exit")
        self.click("Exit", window=journey.TITLE_WINDOW)
        self.assertEqual(0, self.program.wait_exit())


if __name__ == "__main__":
    unittest.main()
