# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in front reaches a real print server as a vector page; without a
print server it is saved as a file, changing nothing else."""

import os
import unittest

import journey
import pdf


def setUpModule():
    journey.start_desktop()


def screen_state(snapshot):  # what a screen reader can tell of the screen in front
    return [(n.role, n.name, n.enabled) for n in snapshot.nodes]


class PrintingJourneys(journey.Journey):
    def assert_vector_page(self, job, heading):
        self.assertEqual(1, pdf.page_count(job))
        lines = pdf.lines(job)
        self.assertIn(heading, lines)
        self.assertGreater(sum(len(line) for line in lines), 300, "the text can be read back")
        # Pictures on the page are fine; the page as one picture is not.
        self.assertTrue(all(share < 0.5 for share in pdf.image_areas(job)))

    def print_unchanged(self, saved=False):
        """Prints from the screen in front, which must not change; returns the
        job, or the file saved instead (named at the end of the message)."""
        before = screen_state(self.reader.snapshot())
        self.press("Print")
        if saved:
            job = self.reader.wait(lambda s: next((t for t in s.labels() if t.startswith(
                "There is no printer")), None), "the message that the page was saved")
            self.answer_box(job)
            job = job.split("\n")[-1]
        else:
            job = self.printer.wait_for_jobs(len(self.printer.jobs()) + 1)[-1]
        self.assertEqual(before, screen_state(self.reader.snapshot()), "printing changes no screen")
        return job

    def test_a_guide_page_prints_as_a_vector_page(self):
        self.open_menu()
        self.press("Teachers' Guide")
        for page in (1, 2, 3, 4):
            self.reader.wait_label(f"Page {page} of 5")
            if page < 4:
                self.press("Next Page")
        self.assert_vector_page(self.print_unchanged(), "The Multiple Choice Wizard")
        self.assertEqual(1, len(self.printer.jobs()))

    def test_without_a_print_server_pages_are_saved_and_nothing_else_changes(self):
        self.printer.stop()
        self.open_topic("The Tides")
        self.press("Key Facts")
        self.reader.wait_label(f"Page 1 of {self.pages_of('key tides')}")
        page = self.print_unchanged(saved=True)
        self.assert_vector_page(page, "What is a tide?")
        folder = os.path.join(self.program.home, "Documents", "Corvella")
        self.assertEqual([os.path.basename(page)], os.listdir(folder))
        self.assertEqual([], os.listdir(self.printer.jobs_dir))


if __name__ == "__main__":
    unittest.main()
