#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the files in media/wav as a listener would hear them: every reward at
the common loudness, the interface clicks at their own quieter level, no
clipping, nothing lost on a small loudspeaker, and no aliasing in the sounds
synthesised by sounds.py (each is rendered again at 8 times the file rate and
compared band by band), nor any part of them cut off by the end of the buffer
it is mixed into. Prints one line per sound and exits with 1 if any
sound fails.

    check_sounds.py                  the committed files and generator
    check_sounds.py --dir D          files in D (e.g. an older set)
    check_sounds.py --generator G    take the aliasing renders from G.py
    check_sounds.py --no-render      skip the aliasing renders (fast)
    check_sounds.py gong cheer2      only those sounds
"""
import argparse
import importlib.util
import os
import sys
import wave

import numpy as np
from scipy import signal

import audiokit as ak
import sounds

HERE = os.path.dirname(os.path.abspath(__file__))
REWARD_TOLERANCE_LU = 1.0
CLICK_TOLERANCE_LU = 1.0
PEAK_TOLERANCE_DB = 0.05  # rounding to 16 bits may nudge a peak set exactly at the ceiling
SMALL_SPEAKER_MAX_LOSS_LU = 3.0
ALIAS_MAX_DB = -40.0
CUT_FLOOR = 1e-3  # what a mixed part may lose at a buffer's end, against its peak
REFERENCE_RATE = 8 * ak.FILE_RATE


def read_wav(path):
    with wave.open(path) as w:
        fmt = (w.getnchannels(), w.getsampwidth(), w.getframerate())
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
    return fmt, data


def band_levels(x):
    """Power in bands 344 Hz wide and frames about 93 ms long: wide enough that
    two renders of the same noise agree within a dB or so."""
    _, _, z = signal.stft(x, fs=ak.FILE_RATE, nperseg=512, noverlap=384, boundary="even")
    p = np.abs(z) ** 2
    bins, frames = 8, 16
    nb, nf = p.shape[0] // bins, p.shape[1] // frames + 1
    p = np.pad(p[: nb * bins], ((0, 0), (0, nf * frames - p.shape[1])))
    return p.reshape(nb, bins, nf, frames).sum(axis=(1, 3))


def aliasing_db(render_at, rate):
    """Aliasing heard in the worst band: the energy that the render at the
    generator's own rate has and the render at eight times the file rate
    lacks (cells more than 3 dB above it), over what belongs in that band. A
    band that is nearly empty counts as if it held 30 dB less than the
    loudest band, for aliasing that quiet hides under the rest of the sound."""
    a = ak.to_file_rate(render_at(rate), rate)
    r = ak.to_file_rate(render_at(REFERENCE_RATE), REFERENCE_RATE)
    n = min(len(a), len(r))
    pa, pr = band_levels(a[:n]), band_levels(r[:n])
    excess = np.maximum(pa - 2 * pr, 0).sum(axis=1)
    own = pr.sum(axis=1)
    ratio = excess / np.maximum(own, 1e-3 * own.max())
    return max(10 * np.log10(max(ratio.max(), 1e-30)), -120.0)


def load_generator(path):
    found = importlib.util.spec_from_file_location("generator", path)
    module = importlib.util.module_from_spec(found)
    sys.path.insert(0, os.path.dirname(os.path.abspath(path)))
    found.loader.exec_module(module)
    return module


def watching_cuts(gen, place, cuts):
    """The generator's place(), noting in cuts (start second, seconds lost)
    every part that the mixed buffer does not hold to its end."""
    def watched(total, parts):
        parts = list(parts)
        out = place(total, parts)
        for start, x in parts:
            x = np.asarray(x, float)
            kept = max(0, len(out) - int(start * gen.SR))
            if kept < len(x) and np.abs(x[kept:]).max() > CUT_FLOOR * max(np.abs(x).max(), 1e-12):
                cuts.append((start, (len(x) - kept) / gen.SR))
        return out
    return watched


def renderer(gen, name, cuts=None):
    """Renders the sound at a rate; at the generator's own rate, notes the
    parts it cuts off in cuts."""
    def render_at(rate):
        own, own_place = gen.SR, gen.place
        if cuts is not None and rate == own:
            gen.place = watching_cuts(gen, own_place, cuts)
        gen.SR = rate
        try:
            return np.asarray(gen.SOUNDS[name](), float)
        finally:
            gen.SR, gen.place = own, own_place
    return render_at


def check(folder, gen, render, only=()):
    problems, rows = [], []
    names = sorted(f[:-4] for f in os.listdir(folder) if f.lower().endswith(".wav"))
    expected = set(only or sounds.SOUNDS)
    names = [n for n in names if n in expected or not only]
    for missing in sorted(expected - set(names)):
        problems.append("%s: missing" % missing)
    for name in names:
        fmt, data = read_wav(os.path.join(folder, name + ".wav"))
        if fmt != (1, 2, ak.FILE_RATE):
            problems.append("%s: %d channels, %d bytes a sample, %d Hz; want mono 16-bit %d Hz"
                            % (name, *fmt, ak.FILE_RATE))
            continue
        x = data / 32768.0
        is_click = name in sounds.CLICKS
        lufs, peak, loss = ak.loudness(x), ak.true_peak(x), ak.small_speaker_loss(x)
        target, tol = (ak.CLICK_LUFS, CLICK_TOLERANCE_LU) if is_click else (ak.REWARD_LUFS, REWARD_TOLERANCE_LU)
        alias, cuts = None, []
        if render and name in gen.SOUNDS and name not in sounds.MUSICAL:
            alias = aliasing_db(renderer(gen, name, cuts), gen.SR)
        rows.append("%-12s %-6s %5.2f s %7.1f LUFS %6.1f dBTP  small speaker %5.1f LU  aliasing %s"
                    % (name, "click" if is_click else "reward", len(x) / ak.FILE_RATE, lufs, peak, -loss,
                       "  n/a" if alias is None else "%5.0f dB" % alias))
        if abs(lufs - target) > tol:
            problems.append("%s: %.1f LUFS, %s wants %.1f +- %.1f" % (name, lufs, "a click" if is_click else "a reward",
                                                                     target, tol))
        full = np.abs(data.astype(int)) >= 32767
        if np.any(full[1:] & full[:-1]):
            problems.append("%s: clipped (consecutive full-scale samples)" % name)
        ceiling = ak.CLICK_PEAK_DBTP if is_click else ak.PEAK_DBTP
        if peak > ceiling + PEAK_TOLERANCE_DB:
            problems.append("%s: true peak %.1f dBTP, above %.1f" % (name, peak, ceiling))
        if loss > SMALL_SPEAKER_MAX_LOSS_LU:
            problems.append("%s: loses %.1f LU on a small loudspeaker (300 Hz high-pass), at most %.1f"
                            % (name, loss, SMALL_SPEAKER_MAX_LOSS_LU))
        for start, lost in cuts:
            problems.append("%s: the part at %.2f s is cut off %.2f s before its end by its mix buffer"
                            % (name, start, lost))
        if alias is not None and alias > ALIAS_MAX_DB:
            problems.append("%s: aliasing at %.0f dB in its worst band, at most %.0f" % (name, alias, ALIAS_MAX_DB))
    return rows, problems


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--dir", default=os.path.join(HERE, "..", "..", "media", "wav"))
    ap.add_argument("--generator", default=os.path.join(HERE, "sounds.py"))
    ap.add_argument("--no-render", action="store_true")
    ap.add_argument("names", nargs="*", help="check only these sounds")
    args = ap.parse_args(argv)
    rows, problems = check(args.dir, load_generator(args.generator), not args.no_render, args.names)
    print("\n".join(rows))
    if problems:
        print("\nFAILED:\n  " + "\n  ".join(problems))
        return 1
    print("\nall %d sounds pass" % len(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
