# SPDX-License-Identifier: GPL-3.0-or-later
"""Every sound heard: the program driven by real pointer clicks while a
private sound server's null sink is recorded, from the title's "OK" through
a topic to a whole quiz and its reward. Each click's sound, each choice's key
sound and the reward must reach the recording whole (as loud and as long as
its file) and in order, and nothing else may be heard. The sound server is
$CORVELLA_SOUND_SERVER: pipewire or pulseaudio."""

import os
import unittest

import content
import journey
from listening import Listener
from pointer import Pointer
from waiting import wait_until

TOPIC = "The Tides"
CLICK, KEY = "click", "typekey"
PERFECT_QUIZ_REWARDS = ("fanf2", "fanf3")


def setUpModule():
    journey.start_desktop()


class SoundJourney(journey.Journey):
    prints = False
    listens = True

    def setUp(self):
        super().setUp()
        self.pointer = Pointer()
        self.addCleanup(self.pointer.close)
        self.listener = Listener(self.recording, os.path.join(self.home, "wav"))
        # The sound module loads a moment after the title shows and opens its
        # first stream then; a click before that is silent by design.
        wait_until(lambda: self.sound.stream_count() > 0, 20, "the program's output stream",
                   self.sound.log)

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

        # The program ends cleanly with its output streams open.
        self.click("Exit")
        self.click("Exit", window=journey.TITLE_WINDOW)
        self.assertEqual(0, self.program.wait_exit())


if __name__ == "__main__":
    unittest.main()
