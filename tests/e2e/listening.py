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
# closely over the file's whole length.
MIN_CORRELATION = 0.9
MAX_LEVEL_DB = 1.0


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

    @property
    def end(self):
        return self.onset + self.length

    @property
    def whole(self):
        return self.correlation >= MIN_CORRELATION and abs(self.level_db) <= MAX_LEVEL_DB

    def __str__(self):
        return (f"{self.name} at frame {self.onset}: correlation {self.correlation:.3f}, "
                f"level {self.level_db:+.2f} dB")


def best_match(recording, template, name, first=0):
    """Where in recording[first:] the template fits best, and how well; None
    when the recording is shorter than the template or silent there."""
    part = recording[first:]
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
    return Heard(name, first + at, n, float(score[at]), level)
