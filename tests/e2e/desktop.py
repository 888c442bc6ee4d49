# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for the end-to-end tests: an Xvfb display, a session
bus and an accessibility bus with its registry, all under one private runtime
folder. Every process is started in a process group of its own and ended by
that id, so the bus daemons they spawn end with them."""

import ctypes
import os
import select
import signal
import subprocess

from waiting import wait_until

LIBEXEC = "/usr/libexec"
SCREEN_SIZE = (1024, 768)


def _end_with_parent():
    """Runs in each child before it starts: the child is sent SIGTERM if the
    test process dies first (killed by a time limit, say)."""
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def spawn(args, **kwargs):
    """Starts a helper in a process group of its own, ended with us."""
    return subprocess.Popen(args, start_new_session=True, preexec_fn=_end_with_parent,
                            **kwargs)


def end_process(process, timeout=10):
    """Ends a process started with start_new_session=True, with everything in
    its group, by its id: politely, then for sure."""
    if process is None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
    try:  # helpers left behind in the group
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def _read_line(process, timeout, what):
    """The first line a starting daemon writes to its stdout (its display
    number or bus address, written once it is ready)."""
    ready, _, _ = select.select([process.stdout], [], [], timeout)
    if not ready:
        raise AssertionError(f"{what} did not start within {timeout} s")
    line = process.stdout.readline().strip()
    if not line:
        raise AssertionError(f"{what} exited at start (status {process.poll()})")
    return line


class Desktop:
    def __init__(self, root):
        self.root = root
        self.runtime = os.path.join(root, "runtime")
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        self.processes = []
        self.env = {}

    def _spawn(self, args, env, stdout=subprocess.DEVNULL, log=None):
        err = open(os.path.join(self.root, log), "w") if log else subprocess.DEVNULL
        process = spawn(args, env=env, stdout=stdout, stderr=err, text=True)
        if log:
            err.close()
        self.processes.append(process)
        return process

    def start(self):
        base = {k: v for k, v in os.environ.items()
                if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "DISPLAY", "WAYLAND"))}
        base["XDG_RUNTIME_DIR"] = self.runtime

        width, height = SCREEN_SIZE
        xvfb = self._spawn(["Xvfb", "-displayfd", "1", "-screen", "0",
                            f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
                           base, stdout=subprocess.PIPE, log="xvfb.log")
        base["DISPLAY"] = ":" + _read_line(xvfb, 20, "Xvfb")

        # A bus of our own with no service folders, so that nothing is started
        # behind our back: every daemon below is ours.
        config = os.path.join(self.root, "session-bus.conf")
        with open(config, "w") as f:
            f.write(SESSION_BUS_CONFIG.format(socket=os.path.join(self.runtime, "bus")))
        bus = self._spawn(["dbus-daemon", "--config-file=" + config, "--nofork",
                           "--print-address=1"],
                          base, stdout=subprocess.PIPE, log="session-bus.log")
        base["DBUS_SESSION_BUS_ADDRESS"] = _read_line(bus, 20, "the session bus")

        # The launcher starts the accessibility bus and publishes its address
        # on the session bus; the registry then joins that bus.
        self._spawn([os.path.join(LIBEXEC, "at-spi-bus-launcher"), "--launch-immediately",
                     "--a11y=1"], base, log="a11y-bus.log")
        a11y = wait_until(lambda: self._a11y_address(base), 20, "the accessibility bus")
        self._spawn([os.path.join(LIBEXEC, "at-spi2-registryd")], base, log="registry.log")
        wait_until(lambda: _has_owner(["--bus=" + a11y], "org.a11y.atspi.Registry", base),
                   20, "the accessibility registry")
        self.env = base

    def _a11y_address(self, env):
        if not _has_owner(["--session"], "org.a11y.Bus", env):
            return None
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
             "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=env, capture_output=True, text=True, timeout=10)
        address = result.stdout.strip()
        return address if result.returncode == 0 and address.startswith("unix:") else None

    def stop(self):
        for process in reversed(self.processes):
            end_process(process)
        self.processes = []


def _has_owner(bus, name, env):
    result = subprocess.run(
        ["dbus-send", *bus, "--print-reply=literal", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name],
        env=env, capture_output=True, text=True, timeout=10)
    return result.returncode == 0 and "true" in result.stdout


SESSION_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""
