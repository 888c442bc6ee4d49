# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop: an Xvfb display, a session bus and an accessibility bus.
Every process starts in a group of its own and is ended by that id."""

import ctypes
import os
import select
import signal
import subprocess

from waiting import wait_until

LIBEXEC = "/usr/libexec"


def _end_with_parent():
    # The child gets SIGTERM if the test process dies first (a time limit).
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def spawn(args, **kwargs):
    return subprocess.Popen(args, start_new_session=True, preexec_fn=_end_with_parent, **kwargs)


def _signal_group(process, sig):
    try:
        os.killpg(process.pid, sig)
    except ProcessLookupError:
        pass


def end_process(process, timeout=10):
    """Ends a spawned process and its group by its id: politely, then for sure."""
    _signal_group(process, signal.SIGTERM)
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    _signal_group(process, signal.SIGKILL)  # helpers left behind in the group


def _read_line(process, what):  # a daemon's first line, written once ready
    if not select.select([process.stdout], [], [], 20)[0]:
        raise AssertionError(f"{what} did not start within 20 s")
    line = process.stdout.readline().strip()
    if not line:
        raise AssertionError(f"{what} exited at start (status {process.poll()})")
    return line


def _dbus(env, bus, *args):
    result = subprocess.run(["dbus-send", bus, "--print-reply=literal", *args], env=env,
                            capture_output=True, text=True, timeout=10)
    return result.stdout.strip() if result.returncode == 0 else ""


def _has_owner(env, bus, name):
    return "true" in _dbus(env, bus, "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus.NameHasOwner", "string:" + name)


class Desktop:
    def __init__(self, root):
        self.root, self.processes, self.env = root, [], {}
        self.runtime = os.path.join(root, "runtime")
        os.makedirs(self.runtime, mode=0o700)

    def _spawn(self, args, env, log, stdout=subprocess.DEVNULL):
        with open(os.path.join(self.root, log), "w") as err:
            process = spawn(args, env=env, stdout=stdout, stderr=err, text=True)
        self.processes.append(process)
        return process

    def start(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "DISPLAY", "WAYLAND"))}
        env["XDG_RUNTIME_DIR"] = self.runtime
        xvfb = self._spawn(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                            "-nolisten", "tcp", "-noreset"], env, "xvfb.log", subprocess.PIPE)
        env["DISPLAY"] = ":" + _read_line(xvfb, "Xvfb")
        # A bus without service folders starts nothing behind our back.
        config = os.path.join(self.root, "session-bus.conf")
        with open(config, "w") as f:
            f.write(SESSION_BUS_CONFIG.format(socket=os.path.join(self.runtime, "bus")))
        bus = self._spawn(["dbus-daemon", "--config-file=" + config, "--nofork",
                           "--print-address=1"], env, "session-bus.log", subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(bus, "the session bus")
        # The launcher publishes the accessibility bus; the registry joins it.
        self._spawn([f"{LIBEXEC}/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"],
                    env, "a11y-bus.log")
        a11y = wait_until(lambda: _has_owner(env, "--session", "org.a11y.Bus") and _dbus(
            env, "--session", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"),
            20, "the accessibility bus")
        self._spawn([f"{LIBEXEC}/at-spi2-registryd"], env, "registry.log")
        wait_until(lambda: _has_owner(env, "--bus=" + a11y, "org.a11y.atspi.Registry"), 20,
                   "the accessibility registry")
        self.env = env

    def stop(self):
        while self.processes:
            end_process(self.processes.pop())


SESSION_BUS_CONFIG = """<busconfig>
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
