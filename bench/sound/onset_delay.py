#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The delay from a click to its sound, as a listener hears it.

For each sound server (a private PipeWire or PulseAudio with a null sink, as
in the listening journeys of tests/e2e), the program is started afresh for
each run on a private Xvfb; the first click ("OK" on the title) and then
LATER clicks (a menu item and the topic's "Exit", in turn) are made with
real pointer events. Each delay runs from the moment the button release
reached the display to the arrival, at the recorder of the sink's monitor,
of the block that holds the click sound's onset; a sound not heard whole
within five seconds counts as unheard. The server's own floor is measured
the same way, from writing the click file into an open stream of the
server's own client (pacat, 5 ms latency): the recording's own delay (up to
its 20 ms blocks) is in both, so the delay above the floor is the program's. Prints, per server, the floor and the median first
and later delays, raw and above the floor, and how many clicks were heard.

    onset_delay.py PROGRAM MEDIA [runs] [server...]     (servers: pipewire pulseaudio)
"""

import bisect
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

import journey  # noqa: E402
from listening import Listener  # noqa: E402
from pointer import Pointer  # noqa: E402
from desktop import end_process, spawn  # noqa: E402
from soundserver import Recorder, SoundServer  # noqa: E402
from waiting import WaitTimeout, wait_until  # noqa: E402

TOPIC = "The Tides"
LATER = 4
KINDS = ("pipewire", "pulseaudio")


class TimedRecorder(Recorder):
    """A recorder that keeps when each block of samples arrived, to time a
    sample against what caused it."""

    def __init__(self, server):
        super().__init__(server)
        self._arrivals = []  # (frames recorded in all, when that block arrived)

    def _read(self):
        while block := os.read(self.process.stdout.fileno(), 65536):
            arrived = time.monotonic()
            with self._lock:
                self._data += block
                self._arrivals.append((len(self._data) // self.FRAME, arrived))

    def arrival_of(self, frame):
        """When the block holding a frame reached the recorder (a little after
        it was played, never before)."""
        with self._lock:
            at = bisect.bisect_right(self._arrivals, (frame, float("inf")))
            return self._arrivals[at][1] if at < len(self._arrivals) else None


def one_run(program, media, server, recording, pointer, ready_after):
    """The delays (seconds, None when unheard) of the first click and the
    later ones in one run of the program."""
    from reader import Reader

    root = tempfile.mkdtemp(prefix="corvella-onset-")
    run = journey.Program(program, media, root, os.path.join(root, "no-print-server"),
                          server.address)
    try:
        reader = Reader(run.pid)
        reader.attach()
        listener = Listener(recording, os.path.join(media, "wav"))
        # A pupil's first click comes well after the title is up, by when
        # the program has its output stream open: the first click is made
        # then (how long that takes is reported too).
        shown = time.monotonic()
        wait_until(lambda: server.stream_count() > 0, 10, "the program's output stream")
        ready_after.append(time.monotonic() - shown)

        def click(caption, window=None):
            node = reader.wait_showing(caption, "push button", window)
            listener.next_frame = listener.looked_at = recording.frame_count()
            pressed = pointer.click(*node.centre())
            try:
                heard = listener.expect("click")
            except WaitTimeout:
                return None
            return recording.arrival_of(heard.onset) - pressed

        first = click("OK", journey.TITLE_WINDOW)
        later = []
        for i in range(LATER):
            later.append(click(TOPIC) if i % 2 == 0 else click("Exit"))
        return first, later
    finally:
        run.stop()
        shutil.rmtree(root, ignore_errors=True)


def floor(server, recording, media, bursts=20):
    """The delays from writing the click into an open stream of the
    server's own client to its onset in the recording."""
    with wave.open(os.path.join(media, "wav", "click.wav")) as w:
        rate, click = w.getframerate(), w.readframes(w.getnframes())
    player = spawn(["pacat", "--raw", "--format=s16le", f"--rate={rate}", "--channels=1",
                    "--latency-msec=5"], env=server.env, stdin=subprocess.PIPE)
    listener = Listener(recording, os.path.join(media, "wav"))
    delays = []
    try:
        for _ in range(bursts):
            listener.next_frame = listener.looked_at = recording.frame_count()
            written = time.monotonic()
            player.stdin.write(click)
            player.stdin.flush()
            try:
                delays.append(recording.arrival_of(listener.expect("click").onset) - written)
            except WaitTimeout:
                delays.append(None)
            time.sleep(0.2)  # paces the bursts; nothing waits on it
    finally:
        player.stdin.close()
        end_process(player)
    return delays


def median_ms(values):
    heard = [v for v in values if v is not None]
    return f"{1000 * statistics.median(heard):6.1f} ms" if heard else "   none"


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    program, media = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    runs = int(argv[3]) if len(argv) > 3 else 20
    servers = argv[4:] or list(KINDS)
    journey.start_desktop()
    pointer = Pointer()
    for kind in servers:
        root = tempfile.mkdtemp(prefix=f"corvella-onset-{kind}-")
        server = SoundServer(root, kind, journey.desktop().env)
        server.start()
        recording = TimedRecorder(server)
        recording.start()
        firsts, laters, ready = [], [], []
        try:
            base = statistics.median(d for d in floor(server, recording, media) if d is not None)
            for _ in range(runs):
                first, later = one_run(program, media, server, recording, pointer, ready)
                firsts.append(first)
                laters.extend(later)
        finally:
            recording.stop()
            server.stop()
            shutil.rmtree(root, ignore_errors=True)
        heard = sum(v is not None for v in firsts + laters)

        def above(values):
            return [None if v is None else v - base for v in values]

        print(f"{kind:10}  floor {1000 * base:5.1f} ms  "
              f"first click {median_ms(firsts)} ({median_ms(above(firsts))} above the floor)  "
              f"later clicks {median_ms(laters)} ({median_ms(above(laters))} above)  "
              f"heard {heard} of {len(firsts) + len(laters)}  ({runs} runs; the stream open "
              f"{median_ms(ready)} after the title showed)", flush=True)
    pointer.close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
