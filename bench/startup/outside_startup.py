#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up as an X client sees it, against a bare Qt window.

Starts a private Xvfb, then launches each program in turn (alternating, so
both see the same machine load) and watches the root window: the time from
launch to the first top-level window mapped, and to the first painted frame
of the program's first dialog-sized window (the first mapped window that is
not full-screen; for the title screen that is the title dialog). A frame
counts as painted when a DAMAGE event arrives for the window and a grab of
it shows more than one colour, so a bare background fill does not count.
The program is then ended and its peak memory read from wait4().

    outside_startup.py PROGRAM BARE_WINDOW [runs] [PROGRAM2 ...]

Extra programs (for example an older build) join the same alternation.
Prints medians per program and the ratio to the bare window.
"""

import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage

# The display size; the full-display backdrop grows with it.
SCREEN = tuple(int(v) for v in os.environ.get("OUTSIDE_STARTUP_SCREEN", "1280x1024").split("x"))
TIMEOUT = 30.0


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
         "%dx%dx24" % SCREEN, "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise SystemExit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def painted(window, width, height):
    """True when the window holds more than one colour."""
    try:
        image = window.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF)
    except Exception:
        return False
    data = image.data
    return data != data[:4] * (len(data) // 4)


def one_run(conn, program, env):
    root = conn.screen().root
    launched = time.monotonic()
    child = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    mapped_at = painted_at = None
    target = None
    damages = {}
    fd = conn.fileno()
    deadline = launched + TIMEOUT
    while painted_at is None and time.monotonic() < deadline:
        if not conn.pending_events():
            select.select([fd], [], [], 0.05)
        while conn.pending_events():
            event = conn.next_event()
            now = time.monotonic()
            if event.type == X.CreateNotify:
                damages[event.window.id] = event.window.damage_create(
                    damage.DamageReportRawRectangles)
            elif event.type == X.MapNotify and event.window.id in damages:
                if mapped_at is None:
                    mapped_at = now
                geometry = event.window.get_geometry()
                if target is None and (geometry.width, geometry.height) != SCREEN:
                    # Only the part on the display can be grabbed.
                    target = (event.window, min(geometry.width, SCREEN[0] - geometry.x),
                              min(geometry.height, SCREEN[1] - geometry.y))
                    if painted(*target):
                        painted_at = now
            elif event.type == conn.extension_event.DamageNotify:
                if (target is not None and event.drawable.id == target[0].id
                        and painted_at is None and painted(*target)):
                    painted_at = now
    child.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(child.pid, 0)
    # Let the server forget the ended client's windows before the next run.
    conn.sync()
    while conn.pending_events():
        conn.next_event()
    if mapped_at is None or painted_at is None:
        return None
    return ((mapped_at - launched) * 1000, (painted_at - launched) * 1000,
            usage.ru_maxrss / 1024, usage.ru_minflt + usage.ru_majflt)


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    program, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 11
    others = sys.argv[4:]
    programs = [bare, program] + others
    server, name = start_xvfb()
    runtime = tempfile.mkdtemp(prefix="outside-startup-")
    os.chmod(runtime, 0o700)
    env = dict(os.environ, DISPLAY=name, XDG_RUNTIME_DIR=runtime,
               # No session bus: both programs give up on it at once.
               DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(runtime, "none"))
    for key in ("QT_QPA_PLATFORM", "CORVELLA_STARTUP_PROBE", "WAYLAND_DISPLAY"):
        env.pop(key, None)
    try:
        conn = display.Display(name)
        conn.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        conn.damage_query_version()
        results = {p: [] for p in programs}
        for p in programs:  # warm the page cache; not counted
            one_run(conn, p, env)
        for i in range(runs):
            # Alternate the order too, so neither always follows the other.
            order = programs if i % 2 == 0 else list(reversed(programs))
            for p in order:
                result = one_run(conn, p, env)
                if result is None:
                    print("run %d of %s: no painted frame" % (i, p), file=sys.stderr)
                else:
                    results[p].append(result)
    finally:
        server.terminate()
        server.wait()
    load = os.getloadavg()[0]
    print("%d runs each, alternating; load average %.1f" % (runs, load))
    # Page faults do not depend on the load: they back up the timings.
    print("%-40s %10s %10s %10s %10s" % ("", "mapped ms", "painted ms", "peak MB", "faults"))
    medians = {}
    for p in programs:
        if not results[p]:
            print("%-40s no results" % p)
            continue
        medians[p] = [statistics.median(r[k] for r in results[p]) for k in range(4)]
        print("%-40s %10.1f %10.1f %10.1f %10d" % ((p[-40:],) + tuple(medians[p])))
    if bare in medians:
        for p in programs[1:]:
            if p in medians:
                print("%s / bare: painted %.2f, memory %.2f" % (
                    p[-40:], medians[p][1] / medians[bare][1], medians[p][2] / medians[bare][2]))
    return 0 if len(medians) == len(programs) else 1


if __name__ == "__main__":
    sys.exit(main())
