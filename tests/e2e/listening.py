# SPDX-License-Identifier: GPL-3.0-or-later
"""Finding the program's sounds in a recording: each WAV file, brought to
the recording's rate, is looked for by its shape (normalised correlation)
and must come out whole: as loud as the file and as long."""

import wave
from dataclasses import dataclass
from math import gcd, log10

import numpy
from scipy import signal

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


def best_match(recording, template, name, first=0, rate=48000):
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
