# SPDX-License-Identifier: GPL-3.0-or-later
"""Printing through a real print server: notes and guide pages reach the
printer as vector pages, and without a print server the same pages are
saved as files, changing nothing else."""

import os
import unittest

import journey
import pdf
from test_pupil import answer_all


def setUpModule():
    journey.start_desktop()


def screen_state(snapshot):
    """What a screen reader can tell about the screen in front."""
    return [(n.role, n.name, n.enabled) for n in snapshot.nodes]


class PrintingJourneys(journey.Journey):
    def assert_vector_page(self, job, heading):
        self.assertEqual(1, pdf.page_count(job))
        lines = pdf.lines(job)
        self.assertIn(heading, lines)
        self.assertGreater(sum(len(line) for line in lines), 300,
                           "the page's text can be read back")
        # Pictures on the page are fine; the page as one picture is not.
        self.assertTrue(all(share < 0.5 for share in pdf.image_areas(job)),
                        pdf.image_areas(job))

    def test_a_key_facts_page_and_a_guide_page_print_as_vector_pages(self):
        reader = self.reader
        self.open_menu()
        self.press("The Tides")
        pages = self.pages_of("key tides")
        self.press("Key Facts")
        reader.wait_label(f"Page 1 of {pages}")
        self.press("Next Page")
        before = screen_state(reader.wait_labels(f"Page 2 of {pages}"))
        self.press("Print")
        job = self.printer.wait_for_jobs(1)[0]
        self.assert_vector_page(job, "Two bulges, two high tides")
        self.assertEqual(before, screen_state(reader.snapshot()), "printing changes no screen")

        self.press("Exit")
        reader.wait_showing("Multiple Choice", "push button")
        self.press("Exit")  # the topic's, back to the menu
        self.press("Teachers' Guide")
        reader.wait_label("Page 1 of 5")
        for page in (2, 3, 4):
            self.press("Next Page")
            reader.wait_label(f"Page {page} of 5")
        self.press("Print")
        jobs = self.printer.wait_for_jobs(2)
        self.assertEqual(2, len(jobs))
        self.assert_vector_page(jobs[1], "The Multiple Choice Wizard")
        reader.wait_label("Page 4 of 5")

    def saved_message(self):
        """Answers the message that the page was saved as a file; returns
        the file's name, which the message ends with."""
        message = self.reader.wait(
            lambda s: next((n for n in s.nodes if n.role == "label"
                            and n.name.startswith("There is no printer")), None),
            "the message that the page was saved")
        self.press("OK")
        self.reader.wait_gone(message.name, "label")
        return message.name.split("\n")[-1]

    def test_without_a_print_server_pages_are_saved_and_nothing_else_changes(self):
        reader = self.reader
        self.printer.stop()

        self.open_menu()
        self.press("The Tides")
        self.press("Key Facts")
        before = screen_state(reader.wait_labels(f"Page 1 of {self.pages_of('key tides')}"))
        self.press("Print")
        page = self.saved_message()
        self.assertEqual(before, screen_state(reader.snapshot()))
        self.assert_vector_page(page, "What is a tide?")
        self.press("Exit")

        self.press("Multiple Choice")
        answer_all(self)
        shown = reader.wait_labels("Excellent work. You have scored 10 out of 10.")
        name_box = shown.of_role("text")[0]
        reader.set_text(name_box, "Sam")
        before = screen_state(reader.snapshot())
        self.press("Print Certificate")
        certificate = self.saved_message()
        after = reader.snapshot()
        self.assertEqual(before, screen_state(after))
        self.assertEqual("Sam", after.of_role("text")[0].accessible.get_text(0, -1))
        self.assertEqual([], os.listdir(self.printer.jobs_dir))
        self.assertEqual(sorted([os.path.basename(page), os.path.basename(certificate)]),
                         sorted(os.listdir(os.path.dirname(certificate))))
        self.assertIn("Sam", pdf.lines(certificate))


if __name__ == "__main__":
    unittest.main()
