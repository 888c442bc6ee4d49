# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads and drives the running program through the accessibility bus, as a
screen reader does: only what is showing counts."""

from dataclasses import dataclass

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from waiting import wait_until  # noqa: E402

LEAF_ROLES = {"label", "push button", "radio button", "check box", "text"}


@dataclass(repr=False)
class Node:
    """One showing element; window: the Node of its window (None for one)."""
    accessible: object
    role: str
    name: str
    states: object
    depth: int
    window: object

    def _has(self, state):
        return self.states.contains(state)

    enabled = property(lambda self: self._has(Atspi.StateType.ENABLED))
    focused = property(lambda self: self._has(Atspi.StateType.FOCUSED))
    checked = property(lambda self: self._has(Atspi.StateType.CHECKED))

    def text(self):
        return self.accessible.get_text(0, -1)

    def extents(self):  # left, top, width, height on the display
        rect = self.accessible.get_extents(Atspi.CoordType.SCREEN)
        return rect.x, rect.y, rect.width, rect.height

    def centre(self):
        x, y, w, h = self.extents()
        return x + w // 2, y + h // 2

    def __repr__(self):
        return f"{self.role}: {self.name!r}"


class Snapshot:
    """What was showing at one moment, in the order a screen reader walks it."""

    def __init__(self, nodes):
        self.nodes = nodes

    def find(self, name, role=None, window=None):  # window: a test of the window's Node
        return [n for n in self.nodes if n.name == name and role in (None, n.role)
                and (window is None or (n.window is not None and window(n.window)))]

    def one(self, name, role=None, window=None):
        hits = self.find(name, role, window)
        return hits[0] if len(hits) == 1 else None

    def labels(self):
        return [n.name for n in self.of_role("label") if n.name]

    def button(self, caption, window=None):  # the one enabled button of that caption
        hits = [n for n in self.find(caption, "push button", window) if n.enabled]
        return hits[0] if len(hits) == 1 else None

    def of_role(self, role):
        return [n for n in self.nodes if n.role == role]

    def __str__(self):
        return "showing now:\n" + "\n".join(
            "  " * n.depth + repr(n) + ("" if n.enabled else " (disabled)") for n in self.nodes)


class Reader:
    def __init__(self, pid):
        self.pid = pid
        self.app = None

    def attach(self):
        self.app = wait_until(self._find_app, 30, f"the program (pid {self.pid}) on the bus")
        self.app.set_cache_mask(Atspi.Cache.NONE)  # names and states read fresh every walk

    def _find_app(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            try:
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == self.pid:
                    return app
            except GLib.Error:
                continue
        return None

    def snapshot(self):
        out = []
        self._walk(self.app, 0, out, None)
        return Snapshot(out)

    def _walk(self, accessible, depth, out, window):
        # Every call is a round trip to the program: ask only what is needed.
        try:
            states = accessible.get_state_set()
            if depth > 0 and not states.contains(Atspi.StateType.SHOWING):
                return
            role = accessible.get_role_name()
            node = Node(accessible, role, accessible.get_name() or "", states, depth, window)
            children = [] if role in LEAF_ROLES else range(accessible.get_child_count())
            if depth > 0:
                out.append(node)
            for i in children:
                child = accessible.get_child_at_index(i)
                if child is not None:
                    self._walk(child, depth + 1, out, node if depth == 1 else window)
        except GLib.Error:  # went away while walking
            return

    def wait(self, condition, what, timeout=30):
        """Polls condition(snapshot) until it gives a true value, returned."""
        last = [None]

        def check():
            last[0] = self.snapshot()
            return condition(last[0])
        return wait_until(check, timeout, what, lambda: last[0])

    def wait_showing(self, name, role=None, window=None, timeout=30):
        return self.wait(lambda s: s.one(name, role, window),
                         f"{role or 'element'} {name!r} to show", timeout)

    def wait_gone(self, name, role=None):
        self.wait(lambda s: not s.find(name, role), f"{name!r} to go")

    def wait_label(self, text):
        return self.wait_showing(text, "label")

    def wait_labels(self, *texts):
        return self.wait(lambda s: s if set(texts) <= set(s.labels()) else None,
                         f"labels {texts!r} to show")

    def press(self, caption, window=None):
        button = self.wait(lambda s: s.button(caption, window), f"one enabled button {caption!r}")
        press(button)
        return button

    def set_text(self, node, text):
        if not node.accessible.set_text_contents(text):
            raise AssertionError(f"could not type into {node!r}")


def press(node, names=("Press", "press", "click")):
    available = [node.accessible.get_action_name(i) for i in range(node.accessible.get_n_actions())]
    name = next((n for n in names if n in available), None)
    if name is None:
        raise AssertionError(f"{node!r} has none of the actions {names}; it has {available}")
    node.accessible.do_action(available.index(name))


def choose(node):
    press(node, ("Toggle", "toggle", "Press", "press", "click"))
