#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the shipped question files and the empty worksheet list.

Reads questions.txt beside this script and writes, into media/multiple, one
question file per set (72 lines, CR LF, Windows-1252, commas stored as "&")
and track.txt, the worksheet list with no worksheets. Checks every set first
and writes nothing if one is wrong.
"""

import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCE = HERE / "questions.txt"
OUTPUT = HERE.parent.parent / "media" / "multiple"

QUESTIONS = 10
OPTIONS = 4
MAX_QUESTION = 55  # fits the quiz's question label and the wrong-answers line
MAX_OPTION = 30    # fits an option button


class SetError(Exception):
    pass


def parse(text):
    """Returns a list of (title, [(question, [options], right index)])."""
    sets = []
    for number, raw in enumerate(text.splitlines(), start=1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("=="):
            sets.append((line[2:].strip(), []))
        elif line.startswith("Q:"):
            if not sets:
                raise SetError(f"line {number}: a question before any '== Title'")
            sets[-1][1].append([line[2:].strip(), [], []])
        else:
            if not sets or not sets[-1][1]:
                raise SetError(f"line {number}: an option before any 'Q:'")
            question = sets[-1][1][-1]
            if line.startswith("*"):
                question[2].append(len(question[1]))
                line = line[1:].strip()
            question[1].append(line)
    return [(title, [(q, options, right) for q, options, right in questions])
            for title, questions in sets]


def check(title, questions):
    def fail(message):
        raise SetError(f"{title}: {message}")

    if len(questions) != QUESTIONS:
        fail(f"{len(questions)} questions, not {QUESTIONS}")
    letters = set()
    for n, (question, options, right) in enumerate(questions, start=1):
        if len(question) > MAX_QUESTION:
            fail(f"question {n} is {len(question)} characters, over {MAX_QUESTION}")
        if len(options) != OPTIONS:
            fail(f"question {n} has {len(options)} options, not {OPTIONS}")
        if len(right) != 1:
            fail(f"question {n} has {len(right)} starred options, not one")
        letters.add(right[0])
        for text in [title, question] + options:
            if "&" in text:
                fail(f"'{text}': an ampersand would read back as a comma")
            text.encode("cp1252")  # raises for a character outside the code page
        for option in options:
            if len(option) > MAX_OPTION:
                fail(f"question {n}: '{option}' is over {MAX_OPTION} characters")
        if len(set(options)) != OPTIONS:
            fail(f"question {n} repeats an option")
    if letters != set(range(OPTIONS)):
        fail("the right answers do not use every letter A to D")


def file_bytes(title, questions):
    def encoded(text):
        return text.replace(",", "&")

    lines = [encoded(title), " "]
    for question, options, right in questions:
        lines.append(encoded(question))
        lines.extend(encoded(option) for option in options)
        lines.append(str(right[0] + 1))
        lines.append(" ")
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def main():
    try:
        sets = parse(SOURCE.read_text(encoding="utf-8"))
        for title, questions in sets:
            check(title, questions)
    except SetError as error:
        sys.exit(f"{SOURCE.name}: {error}")

    OUTPUT.mkdir(parents=True, exist_ok=True)
    for title, questions in sets:
        (OUTPUT / f"{title}.txt").write_bytes(file_bytes(title, questions))
    # The worksheet list: a count, written as a space, its digits and a space.
    (OUTPUT / "track.txt").write_bytes(b" 0 \r\n")
    print(f"wrote {len(sets)} question files and track.txt to {OUTPUT}")


if __name__ == "__main__":
    main()
