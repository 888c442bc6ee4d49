# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads and drives the running program through the accessibility bus, as a
screen reader does: buttons are pressed by caption, labels are read by their
text, and only what is showing counts. Every wait polls with a deadline."""

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from waiting import wait_until  # noqa: E402

APP_NAME = "Corvella"
TIMEOUT = 30  # generous: a deadline costs nothing when the program is on time


class Node:
    """One showing element: its role, name, states and the accessible."""

    def __init__(self, accessible, role, name, states, depth, window):
        self.accessible = accessible
        self.window = window  # the window (a Node) it is in; None for a window
        self.role = role
        self.name = name
        self.states = states
        self.depth = depth

    @property
    def enabled(self):
        return self.states.contains(Atspi.StateType.ENABLED)

    @property
    def focused(self):
        return self.states.contains(Atspi.StateType.FOCUSED)

    @property
    def checked(self):
        return self.states.contains(Atspi.StateType.CHECKED)

    def extents(self):
        """Left, top, width, height on the display, in pixels."""
        rect = self.accessible.get_extents(Atspi.CoordType.SCREEN)
        return rect.x, rect.y, rect.width, rect.height

    def centre(self):
        x, y, w, h = self.extents()
        return x + w // 2, y + h // 2

    def __repr__(self):
        return f"{self.role}: {self.name!r}"


LEAF_ROLES = {"label", "push button", "radio button", "check box", "text"}


class Snapshot:
    """What was showing at one moment, in the order a screen reader walks it."""

    def __init__(self, nodes):
        self.nodes = nodes

    def find(self, name, role=None, window=None):
        """window: the window's name, or a test of the window's Node."""
        return [n for n in self.nodes if n.name == name and (role is None or n.role == role)
                and (window is None or _in_window(n, window))]

    def one(self, name, role=None, window=None):
        hits = self.find(name, role, window)
        return hits[0] if len(hits) == 1 else None

    def labels(self):
        """The texts of the showing labels."""
        return [n.name for n in self.nodes if n.role == "label" and n.name]

    def has_labels(self, *texts):
        labels = self.labels()
        return all(t in labels for t in texts)

    def button(self, caption, window=None):
        """The one showing, enabled button of that caption (in the window of
        that name, if given), or None."""
        hits = [n for n in self.find(caption, "push button", window) if n.enabled]
        return hits[0] if len(hits) == 1 else None

    def of_role(self, role):
        return [n for n in self.nodes if n.role == role]

    def __str__(self):
        return "showing now:\n" + "\n".join(
            "  " * n.depth + repr(n) + ("" if n.enabled else " (disabled)")
            for n in self.nodes)


def _in_window(node, window):
    if node.window is None:
        return False
    if callable(window):
        return window(node.window)
    return node.window.name == window


class Reader:
    def __init__(self, pid):
        self.pid = pid
        self.app = None

    def attach(self, timeout=30):
        self.app = wait_until(self._find_app, timeout,
                              f"the program (pid {self.pid}) on the accessibility bus")
        # Names and states are read fresh on every walk, never from a cache.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def _find_app(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            try:
                if app is not None and app.get_process_id() == self.pid:
                    return app
            except gi.repository.GLib.Error:
                continue
        return None

    # --- reading -----------------------------------------------------------

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
            if depth == 1:
                window = node
            count = 0 if role in LEAF_ROLES else accessible.get_child_count()
        except gi.repository.GLib.Error:  # went away while walking
            return
        if depth > 0:
            out.append(node)
        for i in range(count):
            try:
                child = accessible.get_child_at_index(i)
            except gi.repository.GLib.Error:
                continue
            if child is not None:
                self._walk(child, depth + 1, out, window)

    def nodes(self):
        return self.snapshot().nodes

    def texts(self):
        """The names of every showing label, in walking order."""
        return self.snapshot().labels()

    def describe(self):
        return str(self.snapshot())

    def find(self, name, role=None):
        return self.snapshot().find(name, role)

    def one(self, name, role=None):
        snap = self.snapshot()
        found = snap.one(name, role)
        if found is None:
            raise AssertionError(f"expected one showing {role or 'element'} {name!r}\n{snap}")
        return found

    # --- waiting -----------------------------------------------------------

    def wait(self, condition, what, timeout=TIMEOUT):
        """Polls condition(snapshot) until it gives a true value, returned."""
        last = []

        def check():
            last[:] = [self.snapshot()]
            return condition(last[0])
        return wait_until(check, timeout, what, lambda: last[0] if last else "")

    def wait_for(self, condition, what, timeout=TIMEOUT):
        """Polls condition() (which reads the program itself)."""
        return wait_until(condition, timeout, what, self.describe)

    def wait_showing(self, name, role=None, window=None, timeout=TIMEOUT):
        """Waits until exactly one element called name is showing."""
        return self.wait(lambda s: s.one(name, role, window),
                         f"{role or 'element'} {name!r} to show", timeout)

    def wait_gone(self, name, role=None, timeout=TIMEOUT):
        self.wait(lambda s: not s.find(name, role), f"{name!r} to go", timeout)

    def wait_label(self, text, timeout=TIMEOUT):
        return self.wait_showing(text, "label", timeout=timeout)

    def wait_labels(self, *texts, timeout=TIMEOUT):
        """Waits until all the texts show as labels; returns that snapshot."""
        return self.wait(lambda s: s if s.has_labels(*texts) else None,
                         f"labels {texts!r} to show", timeout)

    # --- acting ------------------------------------------------------------

    def press(self, caption, window=None, timeout=TIMEOUT):
        """Presses the one showing, enabled button of that caption (in the
        window of that name, if given)."""
        button = self.wait(lambda s: s.button(caption, window),
                           f"one enabled button {caption!r}", timeout)
        press(button)
        return button

    def choose(self, option_text, timeout=TIMEOUT):
        """Selects the showing choice (option button) of that text."""
        option = self.wait_showing(option_text, "radio button", timeout=timeout)
        choose(option)

    def set_text(self, node, text):
        if not node.accessible.set_text_contents(text):
            raise AssertionError(f"could not type into {node!r}")


def press(node):
    _do_action(node, ("Press", "press", "click"))


def choose(node):
    _do_action(node, ("Toggle", "toggle", "Press", "press", "click"))


def _do_action(node, names):
    accessible = node.accessible
    available = [accessible.get_action_name(i) for i in range(accessible.get_n_actions())]
    for name in names:
        if name in available:
            accessible.do_action(available.index(name))
            return
    raise AssertionError(f"{node!r} has none of the actions {names}; it has {available}")
