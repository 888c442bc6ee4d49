# SPDX-License-Identifier: GPL-3.0-or-later
"""Finding the program's sounds in a recording: each WAV file, brought to
the recording's rate, is looked for by its shape (normalised correlation)
and must come out whole: as loud as the file and as long."""

import os
import wave
from dataclasses import dataclass
from math import gcd, log10

import numpy
from scipy import signal

from waiting import WaitTimeout, wait_until

RATE = 48000  # of the recordings
# The longest a sound may take to reach the recording, start to end: its
# length and this.
HEARD_WITHIN = 5.0

# A sound counts as heard whole when the recording matches its file this
# closely over the file's whole length, and in every window of it but the
# nearly silent ones (a gap or a slip in the middle shows there).
MIN_CORRELATION = 0.9
MAX_LEVEL_DB = 1.0
WINDOW_SECONDS = 0.05
MIN_WINDOW_CORRELATION = 0.8
QUIET_WINDOW_DB = -50.0  # against the file's loudest window


def read_wav(path, rate):
    """A 16-bit PCM WAV file's first channel as floats at `rate`."""
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2:
            raise ValueError(f"{path}: not 16-bit PCM")
        frames = numpy.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
        samples = frames[::w.getnchannels()].astype(numpy.float64) / 32768.0
        source = w.getframerate()
    g = gcd(rate, source)
    return signal.resample_poly(samples, rate // g, source // g)


@dataclass
class Heard:
    name: str
    onset: int  # the recording's frame where the sound starts
    length: int  # the file's length in frames
    correlation: float
    level_db: float  # the recording's energy against the file's
    worst_window: float  # the least correlation of a window that is not quiet
    worst_at: float  # where that window starts, in seconds into the sound

    @property
    def end(self):
        return self.onset + self.length

    @property
    def whole(self):
        return (self.correlation >= MIN_CORRELATION and abs(self.level_db) <= MAX_LEVEL_DB
                and self.worst_window >= MIN_WINDOW_CORRELATION)

    def __str__(self):
        return (f"{self.name} at frame {self.onset}: correlation {self.correlation:.3f}, "
                f"level {self.level_db:+.2f} dB, worst window {self.worst_window:.3f} "
                f"at {self.worst_at:.2f} s")


def _worst_window(heard, template, rate):
    """The least correlation of the recording with the file over windows
    that are not nearly silent in the file, and where it is."""
    size = max(1, int(WINDOW_SECONDS * rate))
    count = len(template) // size
    if count == 0:
        return 1.0, 0.0
    t = template[:count * size].reshape(count, size)
    r = heard[:count * size].reshape(count, size)
    t_energy = (t * t).sum(axis=1)
    r_energy = (r * r).sum(axis=1)
    loud = t_energy >= t_energy.max() * 10 ** (QUIET_WINDOW_DB / 10)
    corr = (t * r).sum(axis=1) / numpy.sqrt(numpy.maximum(t_energy * r_energy, 1e-30))
    corr = numpy.where(loud, corr, 1.0)
    at = int(numpy.argmin(corr))
    return float(corr[at]), at * size / rate


def best_match(recording, template, name, first=0, rate=RATE):
    """Where in recording (whose frame 0 is the recording's frame `first`)
    the template fits best, and how well; None when the recording is shorter
    than the template or silent there."""
    part = recording
    n = len(template)
    if len(part) < n:
        return None
    energy = float(numpy.dot(template, template))
    products = signal.fftconvolve(part, template[::-1], mode="valid")
    squares = numpy.cumsum(numpy.concatenate(([0.0], part * part)))
    window = squares[n:] - squares[:-n]
    # Places far quieter than the sound cannot be it.
    audible = window > energy * 0.01
    if not audible.any():
        return None
    score = numpy.where(audible, products / numpy.sqrt(numpy.maximum(window, 1e-30) * energy),
                        -1.0)
    at = int(numpy.argmax(score))
    level = 10 * log10(max(window[at], 1e-30) / energy)
    worst, worst_at = _worst_window(part[at:at + n], template, rate)
    return Heard(name, first + at, n, float(score[at]), level, worst, worst_at)


class Listener:
    """Follows the recording, finding the expected sounds one after another."""

    def __init__(self, recording, wav_folder):
        self.recording = recording
        self.folder = wav_folder
        self.templates = {}
        self.heard = []
        self.replaced = []  # spans where a sound was cut short by the next
        self.next_frame = 0  # the next sound starts here or later
        self.looked_at = 0  # the recording's length at the last search

    def template(self, name):
        if name not in self.templates:
            self.templates[name] = read_wav(
                os.path.join(self.folder, name + ".wav"), RATE)
        return self.templates[name]

    def _matches(self, names):
        recorded = self.recording.samples(self.next_frame)
        return [best_match(recorded, self.template(n), n, self.next_frame, RATE)
                for n in names]

    def _whole(self, names):
        # Nothing to look at before the shortest of them could be whole, nor
        # again before another tenth of a second has been recorded: the
        # search must not starve the recorder.
        shortest = min(len(self.template(n)) for n in names)
        recorded = self.recording.frame_count()
        if recorded < max(self.next_frame + shortest, self.looked_at + RATE // 10):
            return None
        self.looked_at = recorded
        whole = [h for h in self._matches(names) if h and h.whole]
        return max(whole, key=lambda h: h.correlation) if whole else None

    def expect(self, *names):
        """Waits until one of the named sounds has been recorded whole after
        the last one heard; returns it."""
        longest = max(len(self.template(n)) for n in names) / RATE

        def explain():
            near = self._matches(names)
            return (f"{self.recording.frame_count() / RATE:.2f} s recorded; "
                    f"after {len(self.heard)} sounds heard whole, the best matches: "
                    + "; ".join(str(h) for h in near))

        heard = wait_until(lambda: self._whole(names), longest + HEARD_WITHIN,
                           " or ".join(names) + " heard whole", explain)
        self.heard.append(heard)
        self.next_frame = self.looked_at = heard.end
        return heard

    def heard_within(self, name, seconds):
        """The named sound if it is recorded whole within `seconds`, else
        None (it is then not counted as heard)."""
        try:
            return wait_until(lambda: self._whole([name]), seconds, name)
        except WaitTimeout:
            return None

    def expect_soon_after(self, earlier, *names):
        """As expect(), for a sound that may come so soon after the sound
        `earlier` that it cuts it short (one sound at a time): the earlier
        one is heard whole before it, or its start stands just before it."""
        start = self.next_frame
        heard = self.expect(*names)
        before = best_match(self.recording.samples(start)[:heard.onset - start],
                                      self.template(earlier), earlier, start, RATE)
        if before and before.whole:
            self.heard.insert(-1, before)
        else:
            self.replaced.append((heard.onset - len(self.template(earlier)), heard.onset))
        return heard

    def unexplained(self, margin=RATE // 100):
        """The loudest sample outside the sounds heard (each widened by
        `margin` frames) and the replaced ones: zero when nothing else was
        played."""
        recorded = abs(self.recording.samples())
        spans = [(h.onset, h.end) for h in self.heard] + self.replaced
        for start, end in spans:
            recorded[max(0, start - margin):end + margin] = 0
        return float(recorded.max()) if len(recorded) else 0.0
