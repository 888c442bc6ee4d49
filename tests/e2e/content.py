# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading the program's content files the way the program does, so that a
journey knows the right answers and can check what was written."""

import os
from dataclasses import dataclass


@dataclass
class Question:
    text: str
    options: list  # the four choices, in order
    correct: int  # 1 to 4

    @property
    def right_option(self):
        return self.options[self.correct - 1]

    def wrong_option(self):
        return self.options[self.correct % 4]


def _field(line):
    # Leading spaces are skipped; a comma ends the field; "&" stands for ",".
    return line.lstrip(" ").split(",", 1)[0].replace("&", ",")


def read_question_file(path):
    """The title and the ten questions of a question file."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    title = _field(lines[0])
    questions = []
    for n in range(10):
        block = [_field(line) for line in lines[2 + 7 * n: 8 + 7 * n]]
        questions.append(Question(block[0], block[1:5], int(block[5])))
    return title, questions


def question_file(home, title):
    return os.path.join(home, "multiple", title + ".txt")
