#!/usr/bin/python3
"""Drives the running program through the accessibility bus, as a screen
reader would: finds the application "Corvella", prints every showing
element's role and name, and presses the buttons named on the command line,
in order, printing the tree again after each press.

Run by tools/a11y/check.sh, which starts a private display and buses."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_app(name, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth, out):
    try:
        states = node.get_state_set()
        showing = states.contains(Atspi.StateType.SHOWING)
        role = node.get_role_name()
        name = node.get_name()
    except Exception:  # an element that went away while walking
        return
    if depth > 0 and not showing:
        return
    out.append((depth, role, name, node))
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, depth + 1, out)


def tree(app):
    out = []
    walk(app, 0, out)
    return out


def press(app, caption):
    for _, role, name, node in tree(app):
        if role == "push button" and name == caption:
            action = node.get_action_iface()
            for i in range(action.get_n_actions()):
                if action.get_action_name(i) == "Press":
                    action.do_action(i)
                    return True
    return False


def show(app):
    for depth, role, name, _ in tree(app):
        if name:
            print("  " * depth + f"{role}: {name}")


def main():
    app = find_app("Corvella")
    if app is None:
        print("Corvella is not on the accessibility bus")
        return 1
    show(app)
    for caption in sys.argv[1:]:
        time.sleep(0.5)
        if not press(app, caption):
            print(f"no button {caption!r}")
            return 1
        time.sleep(0.7)
        print(f"--- pressed {caption!r}")
        show(app)
    return 0


if __name__ == "__main__":
    sys.exit(main())
