# SPDX-License-Identifier: GPL-3.0-or-later
"""Waiting on conditions with a deadline, never for a fixed time."""

import time


class WaitTimeout(AssertionError):
    pass


def wait_until(condition, timeout, what, explain=None):
    """Polls condition() until it gives a true value, which is returned; the
    failure says what was awaited and what explain() tells of the state."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            detail = "\n" + str(explain()) if explain else ""
            raise WaitTimeout(f"timed out after {timeout} s waiting for {what}{detail}")
        time.sleep(0.02)
