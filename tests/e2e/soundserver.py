# SPDX-License-Identifier: GPL-3.0-or-later
"""A private sound server (PipeWire with its PulseAudio service, or PulseAudio)
whose default output is a null sink, and a recorder of that sink's monitor."""

import os
import subprocess
import threading

import numpy

from desktop import end_process, spawn
from listening import RATE
from waiting import wait_until

SINK = "nullsink"


class SoundServer:
    def __init__(self, root, kind, base_env):
        self.root, self.kind, self.processes = root, kind, []
        self.runtime = os.path.join(root, "runtime")
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        self.socket = os.path.join(self.runtime, "pulse", "native")
        self.address = "unix:" + self.socket  # what a client's PULSE_SERVER names
        # Nothing of the server's lands in the user's own folders.
        self.env = {k: v for k, v in base_env.items()
                    if not k.startswith(("XDG_", "PULSE_", "PIPEWIRE_"))}
        self.env.update({"XDG_RUNTIME_DIR": self.runtime, "PULSE_SERVER": self.address,
                         "HOME": root, "XDG_CONFIG_HOME": os.path.join(root, "config"),
                         "XDG_STATE_HOME": os.path.join(root, "state"),
                         "XDG_DATA_HOME": os.path.join(root, "data")})
        for name in ("config", "state", "data"):
            os.makedirs(os.path.join(root, name), exist_ok=True)

    def _spawn(self, *args):
        with open(os.path.join(self.root, args[0] + ".log"), "a") as err:
            self.processes.append(spawn(args, env=self.env, stdout=err, stderr=subprocess.STDOUT))

    def start(self, timeout=20):
        if self.kind == "pulseaudio":
            os.makedirs(os.path.dirname(self.socket), exist_ok=True)
            # Without rewinds the monitor records every sample the sink plays.
            self._spawn("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                        "--use-pid-file=no", "-L", f"module-native-protocol-unix "
                        f"socket={self.socket} auth-anonymous=1",
                        "-L", f"module-null-sink sink_name={SINK} norewinds=1")
        else:
            self._spawn("pipewire")
            wait_until(lambda: os.path.exists(os.path.join(self.runtime, "pipewire-0")),
                       timeout, "PipeWire's socket", self.log)
            self._spawn("wireplumber")
            self._spawn("pipewire-pulse")
            wait_until(self._answers, timeout, "PipeWire's PulseAudio service", self.log)
            self.pactl("load-module", "module-null-sink", f"sink_name={SINK}")
            self.pactl("set-default-sink", SINK)
        wait_until(lambda: self._answers() and self.pactl("get-default-sink").stdout.strip()
                   == SINK, timeout, f"the null sink as the {self.kind} default", self.log)

    def _answers(self):
        return os.path.exists(self.socket) and self.pactl("info").returncode == 0

    def pactl(self, *args):
        return subprocess.run(["pactl", *args], env=self.env, capture_output=True, text=True,
                              timeout=10)

    def stream_count(self):  # playback streams
        return len(self.pactl("list", "short", "sink-inputs").stdout.splitlines())

    def stop(self):
        while self.processes:
            end_process(self.processes.pop())

    def log(self):
        return "\n".join(f"--- {name}\n{open(os.path.join(self.root, name)).read()[-1500:]}"
                         for name in sorted(os.listdir(self.root)) if name.endswith(".log"))


class Recorder:
    """Records the null sink's monitor from start() to stop() as floats of its
    left channel (a mono sound reaches both)."""

    FRAME = 8  # bytes: two float channels

    def __init__(self, server):
        self.server = server
        self._data = bytearray()
        self._lock = threading.Lock()
        self.process = self._thread = None

    def start(self):
        self.process = spawn(["parec", "-d", SINK + ".monitor", "--raw", "--format=float32le",
                              f"--rate={RATE}", "--channels=2", "--latency-msec=20"],
                             env=self.server.env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL)
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()
        wait_until(lambda: self.frame_count() > RATE // 10, 10,
                   "the first tenth of a second of the recording")

    def _read(self):
        while block := os.read(self.process.stdout.fileno(), 65536):
            with self._lock:
                self._data += block

    def stop(self):
        end_process(self.process)
        self._thread.join(timeout=5)

    def frame_count(self):
        with self._lock:
            return len(self._data) // self.FRAME

    def samples(self, first=0):
        """The left channel from frame `first` on."""
        with self._lock:
            data = bytes(self._data[first * self.FRAME:len(self._data) // self.FRAME * self.FRAME])
        return numpy.frombuffer(data, dtype="<f4")[::2].astype(numpy.float64)
