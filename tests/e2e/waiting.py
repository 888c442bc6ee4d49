# SPDX-License-Identifier: GPL-3.0-or-later
"""Waiting on conditions with a deadline, never for a fixed time."""

import time

POLL_SECONDS = 0.02


class WaitTimeout(AssertionError):
    pass


def wait_until(condition, timeout, what, explain=None):
    """Polls condition() until it returns a true value, which is returned.
    Fails after timeout seconds, saying what was awaited (and, if given,
    what explain() tells about the state at that moment)."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            detail = ""
            if explain is not None:
                try:
                    detail = "\n" + str(explain())
                except Exception as e:  # the explanation must not hide the timeout
                    detail = f"\n(no details: {e})"
            raise WaitTimeout(f"timed out after {timeout} s waiting for {what}{detail}")
        time.sleep(POLL_SECONDS)
