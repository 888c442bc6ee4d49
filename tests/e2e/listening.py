# SPDX-License-Identifier: GPL-3.0-or-later
"""Finding the program's sounds in a recording by normalised correlation: each
whole, as loud and as long as its WAV file, alike in every window not silent."""

import functools
import os
import wave
from dataclasses import dataclass
from math import gcd, log10

import numpy
from scipy import signal

from waiting import WaitTimeout, wait_until

RATE = 48000  # of the recordings
HEARD_WITHIN = 5.0  # seconds a sound may take to be recorded, beyond its length
MIN_CORRELATION = 0.9
MAX_LEVEL_DB = 1.0
WINDOW_SECONDS = 0.05
MIN_WINDOW_CORRELATION = 0.8
QUIET_WINDOW_DB = -50.0  # against the file's loudest window


def read_wav(path):
    """A 16-bit PCM WAV file's first channel as floats at RATE."""
    with wave.open(path, "rb") as w:
        frames = numpy.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
        samples = frames[::w.getnchannels()].astype(numpy.float64) / 32768.0
        source = w.getframerate()
    g = gcd(RATE, source)
    return signal.resample_poly(samples, RATE // g, source // g)


@dataclass
class Heard:
    name: str
    onset: int  # the recording's frame where the sound starts
    length: int  # the file's length in frames
    correlation: float
    level_db: float  # the recording's energy against the file's
    worst_window: float  # the least correlation of a window that is not quiet

    end = property(lambda self: self.onset + self.length)

    @property
    def whole(self):
        return (self.correlation >= MIN_CORRELATION and abs(self.level_db) <= MAX_LEVEL_DB
                and self.worst_window >= MIN_WINDOW_CORRELATION)

    def __str__(self):
        return (f"{self.name} at frame {self.onset}: correlation {self.correlation:.3f}, "
                f"level {self.level_db:+.2f} dB, worst window {self.worst_window:.3f}")


def _worst_window(heard, template):
    size = int(WINDOW_SECONDS * RATE)
    count = len(template) // size
    t = template[:count * size].reshape(count, size)
    r = heard[:count * size].reshape(count, size)
    t_energy, r_energy = (t * t).sum(axis=1), (r * r).sum(axis=1)
    loud = t_energy >= t_energy.max(initial=0.0) * 10 ** (QUIET_WINDOW_DB / 10)
    corr = (t * r).sum(axis=1) / numpy.sqrt(numpy.maximum(t_energy * r_energy, 1e-30))
    return float(numpy.where(loud, corr, 1.0).min(initial=1.0))


def best_match(part, template, name, first=0):
    """Where in part (the recording from its frame `first`) the template fits
    best, and how well; None when part is too short or silent."""
    n = len(template)
    if len(part) < n:
        return None
    energy = float(numpy.dot(template, template))
    products = signal.fftconvolve(part, template[::-1], mode="valid")
    squares = numpy.cumsum(numpy.concatenate(([0.0], part * part)))
    window = squares[n:] - squares[:-n]
    audible = window > energy * 0.01  # places far quieter than the sound cannot be it
    if not audible.any():
        return None
    score = numpy.where(audible, products / numpy.sqrt(numpy.maximum(window, 1e-30) * energy),
                        -1.0)
    at = int(numpy.argmax(score))
    level = 10 * log10(max(window[at], 1e-30) / energy)
    return Heard(name, first + at, n, float(score[at]), level,
                 _worst_window(part[at:at + n], template))


class Listener:
    """Follows the recording, finding the expected sounds one after another."""

    def __init__(self, recording, wav_folder):
        self.recording = recording
        self.folder = wav_folder
        self.heard = []
        self.replaced = []  # spans where a sound was cut short by the next
        self.next_frame = 0  # the next sound starts here or later
        self.looked_at = 0  # the recording's length at the last search

    @functools.lru_cache(maxsize=None)
    def template(self, name):
        return read_wav(os.path.join(self.folder, name + ".wav"))

    def _matches(self, names):
        recorded = self.recording.samples(self.next_frame)
        return [best_match(recorded, self.template(n), n, self.next_frame) for n in names]

    def _whole(self, names):
        # Searched at most every tenth of a second, not to starve the recorder.
        shortest = min(len(self.template(n)) for n in names)
        recorded = self.recording.frame_count()
        if recorded < max(self.next_frame + shortest, self.looked_at + RATE // 10):
            return None
        self.looked_at = recorded
        whole = [h for h in self._matches(names) if h and h.whole]
        return max(whole, key=lambda h: h.correlation) if whole else None

    def expect(self, *names, within=None):
        """The next of the named sounds recorded whole; with `within`
        (seconds), None if it is not."""
        longest = max(len(self.template(n)) for n in names) / RATE

        def explain():
            return (f"{self.recording.frame_count() / RATE:.2f} s recorded; after "
                    f"{len(self.heard)} sounds heard whole, the best matches: "
                    + "; ".join(str(h) for h in self._matches(names)))
        try:
            heard = wait_until(lambda: self._whole(names), within or longest + HEARD_WITHIN,
                               " or ".join(names) + " heard whole", explain)
        except WaitTimeout:
            if within:
                return None
            raise
        self.heard.append(heard)
        self.next_frame = self.looked_at = heard.end
        return heard

    def expect_soon_after(self, earlier, *names):
        """As expect(), for a sound that may cut the sound `earlier` short: that
        one is heard whole before it, or its start stands just before it."""
        start = self.next_frame
        heard = self.expect(*names)
        before = best_match(self.recording.samples(start)[:heard.onset - start],
                            self.template(earlier), earlier, start)
        if before and before.whole:
            self.heard.insert(-1, before)
        else:
            self.replaced.append((heard.onset - len(self.template(earlier)), heard.onset))
        return heard

    def unexplained(self, margin=RATE // 100):
        """The loudest sample outside the sounds heard (each widened by
        margin) and the replaced ones."""
        recorded = abs(self.recording.samples())
        for start, end in [(h.onset, h.end) for h in self.heard] + self.replaced:
            recorded[max(0, start - margin):end + margin] = 0
        return float(recorded.max()) if len(recorded) else 0.0
