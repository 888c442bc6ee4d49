# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil's whole journey through "The Solar System" (topicjourney.py):
its eight-label ordering of the planets and its labelling of the Sun, the
Earth, the asteroid belt and the giants."""

import unittest

import journey
from topicjourney import TopicJourney


def setUpModule():
    journey.start_desktop()


class SolarSystemJourney(TopicJourney):
    TOPIC = "The Solar System"

    def test_key_facts_quiz_and_both_activities(self):
        self.journey_through_topic()


if __name__ == "__main__":
    unittest.main()
