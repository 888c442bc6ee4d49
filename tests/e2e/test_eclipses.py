# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil's whole journey through "Eclipses" (topicjourney.py)."""

import unittest

import journey
from topicjourney import TopicJourney


def setUpModule():
    journey.start_desktop()


class EclipsesJourney(TopicJourney):
    TOPIC = "Eclipses"

    def test_key_facts_quiz_and_both_activities(self):
        self.journey_through_topic()


if __name__ == "__main__":
    unittest.main()
