# SPDX-License-Identifier: GPL-3.0-or-later
"""A private sound server for the journeys that listen: PipeWire with its
PulseAudio service and its session manager, or PulseAudio itself, each with
a null sink as the default output, and a recorder of that sink's monitor.
Every process is started in a process group of its own and ended by its id.

The recorder keeps, beside the samples, when each block of them arrived, so
that a sample can be timed against the events that caused it."""

import bisect
import os
import subprocess
import threading
import time
import wave

import numpy

from desktop import end_process, spawn
from listening import RATE
from waiting import wait_until
SINK = "nullsink"
KINDS = ("pipewire", "pulseaudio")


class SoundServer:
    def __init__(self, root, kind, base_env):
        if kind not in KINDS:
            raise ValueError(f"unknown sound server {kind!r}; one of {KINDS}")
        self.root = root
        self.kind = kind
        self.runtime = os.path.join(root, "runtime")
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        self.env = {k: v for k, v in base_env.items()
                    if not k.startswith(("XDG_", "PULSE_", "PIPEWIRE_"))}
        # Nothing of the server's lands in the user's own folders.
        self.env.update({
            "XDG_RUNTIME_DIR": self.runtime,
            "HOME": os.path.join(root, "home"),
            "XDG_CONFIG_HOME": os.path.join(root, "config"),
            "XDG_STATE_HOME": os.path.join(root, "state"),
            "XDG_DATA_HOME": os.path.join(root, "data"),
        })
        for name in ("home", "config", "state", "data"):
            os.makedirs(os.path.join(root, name), exist_ok=True)
        self.socket = os.path.join(self.runtime, "pulse", "native")
        self.env["PULSE_SERVER"] = self.address
        self.processes = []

    @property
    def address(self):
        """What a client's PULSE_SERVER names."""
        return "unix:" + self.socket

    def _spawn(self, args, log):
        with open(os.path.join(self.root, log), "a") as err:
            process = spawn(args, env=self.env, stdout=err, stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process

    def start(self, timeout=20):
        if self.kind == "pulseaudio":
            os.makedirs(os.path.dirname(self.socket), exist_ok=True)
            # Without rewinds the monitor records every sample the sink plays.
            self._spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                         "--use-pid-file=no",
                         "-L", f"module-native-protocol-unix socket={self.socket} "
                               "auth-anonymous=1",
                         "-L", f"module-null-sink sink_name={SINK} norewinds=1"], "pulseaudio.log")
        else:
            self._spawn(["pipewire"], "pipewire.log")
            wait_until(lambda: os.path.exists(os.path.join(self.runtime, "pipewire-0")),
                       timeout, "PipeWire's socket", self.log)
            self._spawn(["wireplumber"], "wireplumber.log")
            self._spawn(["pipewire-pulse"], "pipewire-pulse.log")
            wait_until(self._answers, timeout, "PipeWire's PulseAudio service", self.log)
            self.pactl("load-module", "module-null-sink", f"sink_name={SINK}")
            self.pactl("set-default-sink", SINK)
        wait_until(lambda: self._answers() and self.default_sink() == SINK, timeout,
                   f"the null sink as the {self.kind} default", self.log)

    def _answers(self):
        return os.path.exists(self.socket) and self.pactl("info", check=False).returncode == 0

    def pactl(self, *args, check=True):
        return subprocess.run(["pactl", *args], env=self.env, capture_output=True, text=True,
                              timeout=10, check=check)

    def default_sink(self):
        result = self.pactl("get-default-sink", check=False)
        return result.stdout.strip() if result.returncode == 0 else None

    def stream_count(self):
        """How many playback streams the server has."""
        result = self.pactl("list", "short", "sink-inputs", check=False)
        return len(result.stdout.splitlines()) if result.returncode == 0 else 0

    def stop(self):
        for process in reversed(self.processes):
            end_process(process)
        self.processes = []

    def log(self):
        text = []
        for name in sorted(os.listdir(self.root)):
            if name.endswith(".log"):
                with open(os.path.join(self.root, name), errors="replace") as f:
                    text.append(f"--- {name}\n{f.read()[-1500:]}")
        return "\n".join(text)

    def recorder(self):
        return Recorder(self)


class Recorder:
    """Records the null sink's monitor, from start() to stop(), as float
    samples of its left channel (a mono sound reaches both at full level)."""

    CHANNELS = 2

    def __init__(self, server):
        self.server = server
        self._data = bytearray()
        self._lock = threading.Lock()
        self._arrivals = []  # (frames recorded in all, when that block arrived)
        self.process = None
        self._thread = None

    def start(self, timeout=10):
        self.process = spawn(["parec", "-d", SINK + ".monitor", "--raw",
                              "--format=float32le", f"--rate={RATE}",
                              f"--channels={self.CHANNELS}", "--latency-msec=20"],
                             env=self.server.env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL)
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()
        wait_until(lambda: self.frame_count() > RATE // 10, timeout,
                   "the first tenth of a second of the recording")

    def _read(self):
        frame = 4 * self.CHANNELS
        stream = self.process.stdout
        while True:
            block = os.read(stream.fileno(), 65536)
            arrived = time.monotonic()
            if not block:
                return
            with self._lock:
                self._data += block
                self._arrivals.append((len(self._data) // frame, arrived))

    def stop(self):
        end_process(self.process)
        if self._thread:
            self._thread.join(timeout=5)

    def frame_count(self):
        with self._lock:
            return len(self._data) // (4 * self.CHANNELS)

    def samples(self, first=0):
        """The left channel from frame `first` on."""
        with self._lock:
            count = len(self._data) // (4 * self.CHANNELS)
            data = numpy.frombuffer(bytes(self._data[first * 4 * self.CHANNELS:
                                                     count * 4 * self.CHANNELS]),
                                    dtype="<f4")
        return data[::self.CHANNELS].astype(numpy.float64)

    def save(self, path):
        """Writes the left channel as a 16-bit WAV file, for a listener."""
        samples = numpy.clip(self.samples() * 32768, -32768, 32767).astype("<i2")
        with wave.open(path, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(samples.tobytes())

    def arrival_of(self, frame):
        """The monotonic time at which the block holding a frame reached
        the recorder: a little after the frame was played, never before."""
        with self._lock:
            at = bisect.bisect_right(self._arrivals, (frame, float("inf")))
            return self._arrivals[at][1] if at < len(self._arrivals) else None
