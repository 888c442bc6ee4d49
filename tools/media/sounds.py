#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every sound of the program: short interface clicks and the reward sounds
played on the results screen. Musical ones are General MIDI phrases rendered
with fluidsynth; the rest are synthesised here, at four times the file rate so
that nothing folds back when the result is low-passed and decimated. Applause
and crowds are built from many individual claps and voices, as real ones are.
Every reward is brought to one loudness (BS.1770, see audiokit.py) with its
true peak under -1 dBTP, the clicks to one quieter level, and all are written
as 16-bit mono PCM at 22050 Hz."""
import wave

import numpy as np
from scipy import ndimage, signal

import audiokit as ak
import mediakit as mk
import midi

SR = 4 * ak.FILE_RATE  # synthesis rate; read at call time, so a check can render at another
NYQUIST_SAFE = 10000  # no synthetic partial above this: the file keeps up to 11 kHz
NOTE_FADE = 0.005  # every synthetic note ends with at least this fade


def t_axis(sec):
    return np.arange(int(sec * SR)) / SR


def env(n, attack, decay):
    """Exponential decay after a short linear attack; times in seconds."""
    t = np.arange(n) / SR
    return np.minimum(t / max(attack, 1e-4), 1) * np.exp(-t / decay)


def fft_filter(x, lo=None, hi=None, centre=None, q=None):
    """Shape a spectrum: high/low cut, or a resonance at centre with width centre/q."""
    spectrum = np.fft.rfft(x)
    f = np.fft.rfftfreq(len(x), 1 / SR)
    g = np.ones_like(f)
    if lo:
        g *= 1 / (1 + (lo / np.maximum(f, 1)) ** 4)
    if hi:
        g *= 1 / (1 + (f / hi) ** 4)
    if centre:
        g *= 1 / (1 + ((f - centre) / (centre / q)) ** 2)
    return np.fft.irfft(spectrum * g, len(x))


NOISE_RATE = 4 * ak.FILE_RATE


def noise(rng, n):
    """n samples of white noise whose audible part is the same at any synthesis
    rate (drawn at one fixed rate, then resampled), so renders at two rates
    can be compared."""
    own = np.random.default_rng(rng.integers(2 ** 32))  # one draw from rng whatever n is
    draws = own.normal(size=int(np.ceil(n * NOISE_RATE / SR)) + 1)
    if SR != NOISE_RATE:
        draws = signal.resample_poly(draws, SR, NOISE_RATE)
    return np.pad(draws, (0, max(0, n - len(draws))))[:n]


def slow_noise(rng, n, hz):
    """Smooth random wobble of unit spread that changes about hz times a second,
    the same at any synthesis rate."""
    own = np.random.default_rng(rng.integers(2 ** 32))
    points = ndimage.gaussian_filter1d(own.normal(size=int(n / SR * hz * 4) + 4), 1.0)
    y = np.interp(np.arange(n) / SR * hz * 4, np.arange(len(points)), points)
    return (y - y.mean()) / max(y.std(), 1e-9)


def place(total, parts):
    """Mix (start_second, samples) parts into one buffer of at least total
    seconds, longer where a part runs past: a part is never cut off (a cut is
    heard as a click, a shout stopped mid-word)."""
    parts = [(int(start * SR), x) for start, x in parts]
    out = np.zeros(max([int(total * SR)] + [i + len(x) for i, x in parts]))
    for i, x in parts:
        out[i:i + len(x)] += x
    return out


def overlay(*parts):
    """Sum buffers of different lengths."""
    out = np.zeros(max(len(p) for p in parts))
    for p in parts:
        out[: len(p)] += p
    return out


def reverb(x, length=0.6, mix=0.25, seed=1):
    rng = np.random.default_rng(seed)
    n = int(length * SR)
    ir = noise(rng, n) * np.exp(-np.arange(n) / (n / 5))
    ir = fft_filter(ir, hi=5000)
    total = len(x) + n
    wet = np.fft.irfft(np.fft.rfft(x, total) * np.fft.rfft(ir, total), total)
    wet *= np.sqrt(np.sum(x ** 2) / max(np.sum(wet ** 2), 1e-12))
    return np.concatenate([x, np.zeros(n)]) * (1 - mix) + wet * mix


def fade(x, inn=0.002, out=0.05):
    x = x.copy()
    a, b = int(inn * SR), int(out * SR)
    if a:
        x[:a] *= np.linspace(0, 1, a)
    if b:
        x[-b:] *= np.linspace(1, 0, b)
    return x


def partials(freqs, decays, amps, seconds, attack=0.002, rng=None, rises=None):
    """Decaying sine partials, each ending with a short fade. A partial with a
    rise time grows after the strike (energy passing into it) before it decays."""
    rng = rng or np.random.default_rng(0)
    t = t_axis(seconds)
    out = np.zeros_like(t)
    for i, (f, d, a) in enumerate(zip(freqs, decays, amps)):
        phase = rng.random() * 6
        if f < NYQUIST_SAFE:
            shape = np.exp(-t / d)
            if rises is not None and rises[i] > 0:
                shape = shape * (1 - np.exp(-t / rises[i]))
            out += a * np.sin(2 * np.pi * f * t + phase) * shape
    return fade(out * np.minimum(t / attack, 1), 0, NOTE_FADE)


def harmonic_series(phase, f, amp_of_k, top=NYQUIST_SAFE):
    """Sum of harmonics k*f (f may glide); each fades out as it nears the top
    frequency, so none is ever written above it."""
    out = np.zeros_like(phase)
    for k in range(1, int(top / max(f.min(), 20)) + 1):
        gain = np.clip((top - k * f) / 1500, 0, 1)
        if gain.max() > 0:
            out += amp_of_k(k) * gain * np.sin(k * phase)
    return out


# ---------------------------------------------------------------- building blocks
def clap(seed):
    """One hand clap: a few ms of noise ringing in the hollow of the hands."""
    rng = np.random.default_rng(seed)
    n = int(0.06 * SR)
    x = noise(rng, n) * env(n, 0.0007, 0.006 + 0.008 * rng.random())
    return fft_filter(x, lo=400, centre=900 + 1600 * rng.random(), q=1.5 + 2 * rng.random())


def applause(seconds, people, rate=(3.5, 5.5), swell=0.3, seed=0):
    rng = np.random.default_rng(seed)
    claps = [clap(seed * 100 + k) for k in range(40)]
    parts = []
    for p in range(people):
        period = 1 / rng.uniform(*rate)
        t = rng.uniform(0, swell)
        end = seconds - rng.uniform(0.0, 0.5)
        loud = rng.uniform(0.4, 1.0)
        while t < end:
            parts.append((t, claps[rng.integers(len(claps))] * loud * rng.uniform(0.7, 1.0)))
            t += period * rng.uniform(0.85, 1.15)
    x = place(seconds + 0.2, parts)
    tt = np.arange(len(x)) / SR
    x *= np.minimum(tt / max(swell, 0.05), 1) * np.clip((seconds + 0.2 - tt) / 0.6, 0, 1)
    return reverb(x, 0.5, 0.2, seed)


# Vowels as three formants (Hz) of an adult voice; children's are scaled up.
VOWELS = {"oo": (320, 870, 2250), "oh": (450, 800, 2600), "ah": (750, 1200, 2500), "ae": (690, 1650, 2450),
          "eh": (580, 1800, 2500), "ay": (500, 1950, 2600), "ee": (300, 2250, 2950), "r": (420, 1200, 1600)}
FORMANT_GAINS = (1.0, 0.6, 0.3)


def vowel_track(keys, t, scale, rng):
    """Formant tracks through (time, vowel) keys, each speaker a little off the textbook values."""
    times = [k[0] for k in keys]
    out = []
    for i in range(3):
        own = scale * rng.uniform(0.93, 1.07)
        out.append(np.interp(t, times, [VOWELS[k[1]][i] for k in keys]) * own)
    return out


def voice(f0, tracks, seconds, rng, tilt=0.55, jitter=0.015, shimmer=0.12, breath=0.04, onset_breath=0.0):
    """A sung or shouted vowel: harmonics of f0(t) shaped by three formant tracks,
    with the small pitch and level wobble of a real voice and breath noise
    through the same formants (strong at a breathy onset)."""
    t = t_axis(seconds)
    wobble = 1 + jitter * slow_noise(rng, len(t), 7) + 0.01 * np.sin(2 * np.pi * rng.uniform(4.5, 6.5) * t)
    f = f0(t) * wobble
    phase = 2 * np.pi * np.cumsum(f) / SR
    step = max(int(SR / 2000), 1)  # formant gains change slowly: work them out at 2 kHz
    coarse = np.arange(0, len(t), step)
    fc = f[coarse]
    tc = [trk[coarse] for trk in tracks]
    out = np.zeros_like(t)
    for k in range(1, int(NYQUIST_SAFE / max(f.min(), 40)) + 1):
        fk = k * fc
        amp = sum(g / (1 + ((fk - F) / (60 + 0.06 * F)) ** 2) for F, g in zip(tc, FORMANT_GAINS))
        amp = amp * np.clip((NYQUIST_SAFE - fk) / 1500, 0, 1) / k ** tilt
        if amp.max() > 1e-4:
            out += np.interp(np.arange(len(t)), coarse, amp) * np.sin(k * phase + rng.random() * 6)
    out *= 1 + shimmer * slow_noise(rng, len(t), 9)
    hiss = np.zeros_like(t)
    raw = noise(rng, len(t))
    for F, g in zip([trk.mean() for trk in tracks], FORMANT_GAINS):
        b, a = signal.iirpeak(min(F, SR / 2 - 100), 4, fs=SR)
        hiss += g * signal.lfilter(b, a, raw)
    hiss = fft_filter(hiss, lo=300, hi=7000)
    hiss *= breath + onset_breath * np.exp(-t / 0.07)
    return out / max(np.abs(out).max(), 1e-9) + hiss / max(np.abs(hiss).max(), 1e-9) * (breath + onset_breath)


def shout(kind, rng, child=True):
    """One person's cheer: 'hooray', 'yay', 'yeah' or 'woo', each shaped a little differently."""
    base = rng.uniform(270, 420) if child else rng.uniform(130, 230)
    scale = rng.uniform(1.15, 1.3) if child else rng.uniform(0.95, 1.08)
    if kind == "hooray":
        dur = rng.uniform(0.8, 1.05)
        peak = rng.uniform(0.45, 0.6) * dur
        keys = [(0, "oo"), (0.28 * dur, "oo"), (0.38 * dur, "r"), (0.5 * dur, "eh"), (0.75 * dur, "ay"), (dur, "ee")]
        f0 = lambda t: base * (0.85 + rng.uniform(0.3, 0.45) * np.exp(-((t - peak) / 0.18) ** 2) - 0.12 * t / dur)
        onset = rng.uniform(0.5, 0.9)  # the "h"
    elif kind == "yay":
        dur = rng.uniform(0.5, 0.8)
        keys = [(0, "ee"), (0.07, "eh"), (0.5 * dur, "ay"), (dur, "ee")]
        f0 = lambda t: base * (1.25 - 0.35 * t / dur)
        onset = rng.uniform(0.05, 0.3)
    elif kind == "yeah":
        dur = rng.uniform(0.45, 0.7)
        keys = [(0, "ee"), (0.08, "ae"), (0.6 * dur, "ae"), (dur, "ah")]
        f0 = lambda t: base * (1.2 - 0.3 * (t / dur) ** 1.5)
        onset = rng.uniform(0.05, 0.3)
    else:
        dur = rng.uniform(0.7, 1.1)
        keys = [(0, "oo"), (0.5 * dur, "oh" if rng.random() < 0.5 else "oo"), (dur, "oo")]
        f0 = lambda t: base * (0.9 + 0.45 * np.sin(np.clip(t / dur, 0, 1) * np.pi) ** 1.5)
        onset = rng.uniform(0.1, 0.4)
    tracks = vowel_track(keys, t_axis(dur), scale, rng)
    x = voice(f0, tracks, dur, rng, jitter=rng.uniform(0.01, 0.025), breath=rng.uniform(0.03, 0.08),
              onset_breath=onset)
    n = len(x)
    rise, release = rng.uniform(0.03, 0.07), rng.uniform(0.12, 0.25)
    return x * np.minimum(np.arange(n) / (rise * SR), 1) * np.clip((n - np.arange(n)) / (release * SR), 0, 1)


def crowd_cheer(seconds, people, kinds, spread, seed, children=1.0, again=0.3):
    """Voices starting over `spread` seconds; some shout a second time."""
    rng = np.random.default_rng(seed)
    parts = []
    for p in range(people):
        child = rng.random() < children
        start = rng.uniform(0, spread)
        level = rng.uniform(0.35, 1.0)
        kind = kinds[rng.integers(len(kinds))]
        first = shout(kind, rng, child)
        parts.append((start, first * level))
        if rng.random() < again:
            second = shout(kinds[rng.integers(len(kinds))], rng, child)
            parts.append((start + len(first) / SR + rng.uniform(0.05, 0.25), second * level * rng.uniform(0.6, 0.9)))
    return place(seconds, parts)


# ---------------------------------------------------------------- the sounds
def click():
    rng = np.random.default_rng(1)
    n = int(0.03 * SR)
    body = partials([1900, 3400], [0.004, 0.002], [1.0, 0.5], 0.03, attack=0.0003, rng=rng)
    tick = fft_filter(noise(rng, n), lo=2000, hi=8000) * env(n, 0.0002, 0.0015)
    return body + 0.6 * tick


def typekey():
    rng = np.random.default_rng(2)
    hit = fft_filter(noise(rng, int(0.02 * SR)), lo=1200, centre=3000, q=1.5) * env(int(0.02 * SR), 0.0003, 0.003)
    thock = partials([420, 1100, 2300], [0.012, 0.006, 0.004], [0.8, 0.5, 0.3], 0.04, attack=0.0005, rng=rng)
    back = fft_filter(noise(rng, int(0.015 * SR)), lo=1500, hi=8000) * env(int(0.015 * SR), 0.0003, 0.002) * 0.35
    return place(0.065, [(0, hit), (0.001, thock), (0.042, back)])


def thud3():
    # a wooden "tock" whose body sits around 450 Hz, where small loudspeakers still play
    rng = np.random.default_rng(3)
    t = t_axis(0.18)
    f = 440 + 120 * np.exp(-t / 0.012)
    body = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / 0.03)
    body += 0.45 * partials([1130, 1870, 2900], [0.014, 0.009, 0.006], [1, 0.6, 0.35], 0.18, rng=rng)
    knock = fft_filter(noise(rng, int(0.18 * SR)), lo=500, hi=3500) * env(len(t), 0.0004, 0.006) * 0.6
    return fade(body * np.minimum(t / 0.0008, 1) + knock, 0, 0.02)


def halleluj():
    # "Hal-le-lu-jah" twice, choir and strings with trumpets: the second time
    # louder, higher and with brass, timpani and a cymbal on the last chord.
    chords = [((62, 66, 69, 74), 50, 1.0), ((57, 62, 66, 69), 38, 0.75), ((59, 62, 67, 71), 43, 0.25),
              ((57, 62, 66, 69), 50, 1.0)]
    notes, beat = [], 0.0
    for rep in range(2):
        loud = 82 if rep == 0 else 112
        for i, (keys, bass, length) in enumerate(chords):
            last = rep == 1 and i == len(chords) - 1
            held = 2.2 if last else length * 0.8  # a gap between syllables keeps them apart
            accent = 10 if i in (0, 3) else 0
            for k in keys:
                notes.append((beat, held, 0, k, min(127, loud + accent)))
                notes.append((beat, held, 1, k, loud - 20))
                if rep == 1:
                    notes.append((beat, held, 4, k, min(127, loud + accent - 5)))
            notes.append((beat, held, 0, bass, loud))
            notes.append((beat, held, 2, keys[-1] + (12 if rep == 1 else 0), min(127, loud - 10 + accent)))
            notes.append((beat, held, 3, bass - 12 + 12 * (bass < 45), loud + accent))
            beat += length
        if rep == 0:
            roll = [(beat + k / 8, 0.1, 3, 45, 70 + 7 * k) for k in range(4)]
            notes += roll
            beat += 0.5
    final = beat - chords[-1][2]
    notes += [(final, 2, 9, 49, 115), (final, 1, 9, 57, 90)]
    return midi.render(notes, {0: 52, 1: 48, 2: 56, 3: 47, 4: 61}, bpm=138)


def brass(phrase_notes, bpm, extra=()):
    notes = []
    for start, length, keys, vel in phrase_notes:
        for k in keys:
            notes.append((start, length, 0, k, vel))
            notes.append((start, length, 1, k - 12, vel - 15))
    notes += list(extra)
    return midi.render(notes, {0: 56, 1: 61, 2: 47}, bpm=bpm)


def fanf2():
    trip = 1 / 3
    phrase = [(0, trip * 0.9, (72,), 110), (trip, trip * 0.9, (72,), 100), (2 * trip, trip * 0.9, (72,), 105),
              (1, 0.9, (76,), 110), (2, 0.45, (72,), 100), (2.5, 0.45, (76,), 105), (3, 2.2, (79, 76), 120)]
    return brass(phrase, 140, [(3, 1, 2, 43, 120), (0, 0.5, 2, 36, 100)])


def fanf3():
    phrase = [(0, 0.45, (67,), 105), (0.5, 0.45, (72,), 105), (1, 0.45, (76,), 110), (1.5, 0.9, (79,), 115),
              (2.5, 0.4, (76,), 105), (3, 2.0, (79, 76, 72), 125)]
    return brass(phrase, 150, [(3, 1, 2, 36, 127), (3.25, 1, 2, 43, 110)])


def fanf4():
    phrase = [(0, 0.9, (72, 67, 64), 105), (1, 0.9, (72, 69, 65), 110), (2, 0.9, (74, 71, 67), 115),
              (3, 2.2, (79, 76, 72, 67), 127)]
    roll = [(2 + k / 8, 0.12, 2, 36, 60 + 6 * k) for k in range(8)]
    return brass(phrase, 120, roll + [(3, 1, 2, 43, 127), (0, 1, 2, 36, 110)])


def musical(rendered):
    """Soundfont renders come at midi.RATE; bring them to the synthesis rate."""
    up = SR // midi.RATE
    return signal.resample_poly(rendered, up, 1) if up > 1 else rendered


def coin(rng):
    """A coin dropping on the pile: a short bright clink, kept under 7 kHz."""
    base = rng.uniform(1700, 2800)
    ring = partials([base, base * 1.52, base * 2.31], [0.05, 0.03, 0.015], [1, 0.45, 0.2], 0.12,
                    attack=0.0008, rng=rng)
    tick = fft_filter(noise(rng, int(0.12 * SR)), lo=2000, hi=4500) * env(int(0.12 * SR), 0.0005, 0.0015) * 0.2
    return ring + tick


def slot_payoff():
    # a bell arpeggio and a closing chord while coins pour out and thin away
    arpeggio = [67, 72, 76, 79, 84, 79, 84]
    dings = [(0.16 * k, 0.3, 0, key, 95 - 3 * k) for k, key in enumerate(arpeggio)]
    dings += [(1.25, 1.4, 0, key, 100) for key in (72, 76, 79)]
    bells = musical(midi.render(dings, {0: 14}, bpm=60))
    rng = np.random.default_rng(7)
    times = 0.05 + 1.9 * np.sort(rng.random(26)) ** 1.6
    coins = place(2.4, [(t, coin(rng) * rng.uniform(0.3, 0.8) * (1 - 0.3 * t / 2)) for t in times])
    out = overlay(bells * 1.6, coins * 0.35)
    return fade(out[: int(3.3 * SR)], 0, 0.4)


def crowd():
    cheer = crowd_cheer(3.4, 32, ["woo", "yay", "hooray", "yeah"], 0.6, seed=5, children=0.6)
    clap = applause(3.1, 30, seed=3)
    out = overlay(cheer / np.abs(cheer).max(), 0.7 * clap / np.abs(clap).max())
    return reverb(out, 0.7, 0.25, 4)


def cheer2():
    # children cheering: "hooray!" and "yay!", starts spread over half a second
    shouts = crowd_cheer(2.1, 16, ["hooray", "hooray", "yay", "woo"], 0.5, seed=9, children=1.0, again=0.45)
    return reverb(shouts, 0.5, 0.22, 6)


def klaxon():
    # a friendly "ah-oo-gah": a gently driven horn that swells in and fades out
    rng = np.random.default_rng(11)

    def ahooga(seconds):
        t = t_axis(seconds)
        arc = np.sin(np.clip(t / seconds, 0, 1) * np.pi)
        tracks = [600 + 350 * arc, 1400 - 400 * arc, np.full_like(t, 2500)]
        f0 = lambda t: 125 + 85 * np.clip(t / 0.3, 0, 1) ** 0.7
        x = voice(f0, tracks, seconds, rng, tilt=0.7, jitter=0.004, shimmer=0.03, breath=0.02)
        x = np.tanh(1.4 * x / np.abs(x).max())
        n = len(x)
        return x * np.minimum(np.arange(n) / (0.045 * SR), 1) * np.clip((n - np.arange(n)) / (0.16 * SR), 0, 1)

    one = ahooga(0.6)
    return place(1.5, [(0, one), (0.8, one * 0.95)])


def flute():
    run = [79, 81, 83, 84, 86]
    notes = [(k * 0.25, 0.24, 0, key, 100) for k, key in enumerate(run)]
    notes += [(1.25 + k * 0.125, 0.12, 0, 86 if k % 2 == 0 else 88, 95) for k in range(8)]
    notes += [(2.25, 1.5, 0, 91, 105), (2.25, 1.5, 1, 79, 60), (2.25, 1.5, 1, 83, 60)]
    return midi.render(notes, {0: 73, 1: 48}, bpm=120)


def gong():
    # A struck gong: a few low modes sound at once; dozens of higher,
    # inharmonic ones up to 7 kHz bloom over the next second as the energy of
    # the strike spreads into them, then everything dies away slowly.
    rng = np.random.default_rng(13)
    seconds = 3.8
    low_ratios = [1.0, 1.41, 1.83, 2.31, 2.66, 3.13, 3.6, 4.17, 4.8, 5.43, 6.2, 7.1]
    f0 = 128.0
    low = [f0 * r * rng.uniform(0.995, 1.005) for r in low_ratios]
    low_amps = [0.25, 0.35, 0.5, 0.8, 0.9, 0.8, 0.75, 0.7, 0.6, 0.55, 0.5, 0.45]
    low_decays = list(np.linspace(3.2, 1.4, len(low)))
    high = list(np.exp(rng.uniform(np.log(950), np.log(7000), 110)))
    high_amps = [0.45 * (1000 / f) ** 0.2 * rng.uniform(0.4, 1) for f in high]
    high_decays = [rng.uniform(0.8, 1.6) * (1000 / f) ** 0.45 for f in high]
    high_rises = [0.12 + 0.6 * np.log(f / 950) / np.log(7000 / 950) * rng.uniform(0.7, 1.3) for f in high]
    freqs = low + [f * 1.003 for f in low] + high  # doubled low modes beat slowly
    amps = low_amps + [a * 0.5 for a in low_amps] + high_amps
    decays = low_decays * 2 + high_decays
    rises = [0.0] * (2 * len(low)) + high_rises
    body = partials(freqs, decays, amps, seconds, attack=0.003, rng=rng, rises=rises)
    t = t_axis(seconds)
    shimmer = 1 + 0.15 * np.sin(2 * np.pi * 0.9 * t) * (1 - np.exp(-t / 0.5))
    n = len(t)
    mallet = fft_filter(noise(rng, n), lo=150, hi=2500) * env(n, 0.001, 0.03) * 1.2
    return fade(body * shimmer + mallet, 0.001, 0.5)


def clap2():
    return applause(3.0, 40, seed=12)


def clap3():
    # a small group clapping together in time, then a flourish
    rng = np.random.default_rng(21)
    claps = [clap(2100 + k) for k in range(20)]
    parts = []
    for beat in range(8):
        for p in range(7):
            parts.append((0.05 + beat * 0.24 + rng.normal(0, 0.012), claps[rng.integers(20)] * rng.uniform(0.6, 1)))
    x = place(2.3, parts)
    tail = applause(0.9, 12, seed=22)
    start = int(1.95 * SR)
    x[start:][: len(tail)] += 0.7 * tail[: len(x) - start]
    return reverb(x, 0.4, 0.2, 8)


def drumroll():
    # hand to hand: each stroke a little off the beat, the leading hand a
    # little harder and struck at a slightly different spot, swelling and
    # quickening into a cymbal crash
    rng = np.random.default_rng(17)
    notes, bends, beat, k = [], [], 0.0, 0
    while beat < 1.75:
        progress = beat / 1.75
        right = k % 2 == 0
        vel = 42 + 62 * progress + (6 if right else -4) + rng.normal(0, 4)
        at = max(0.0, beat + rng.normal(0, 0.004))
        bends.append((max(0.0, at - 0.002), 9, (0 if right else -25) + rng.normal(0, 6)))
        notes.append((at, 0.05, 9, 38, int(np.clip(vel, 20, 127))))
        beat += 1 / (12.5 + 5 * progress) * rng.uniform(0.94, 1.06)
        k += 1
    bends.append((beat - 0.01, 9, 0))
    notes += [(beat, 1.5, 9, 49, 120), (beat, 0.5, 9, 36, 127), (beat, 1.5, 9, 57, 95), (beat, 0.2, 9, 38, 120)]
    return midi.render(notes, {}, bpm=60, bends=bends)


def laser2():
    # three short "pews" and a long one: a sine with a band-limited square
    # edge, each sweep fading out rather than stopping dead
    rng = np.random.default_rng(19)

    def pew(length, f_hi, f_lo):
        t = t_axis(length)
        f = f_lo + (f_hi - f_lo) * np.exp(-t / (length / 3.5))
        ph = 2 * np.pi * np.cumsum(f) / SR + rng.random() * 6
        edge = harmonic_series(ph, f, lambda k: (k % 2) / k * 4 / np.pi)
        x = np.sin(ph) + 0.3 * edge + 0.2 * np.sin(3 * ph)
        return fade(x * env(len(t), 0.002, length / 2.2), 0, 0.02)

    return place(1.3, [(0, pew(0.2, 2200, 300)), (0.24, pew(0.2, 2000, 280)), (0.48, pew(0.2, 2400, 320)),
                       (0.75, pew(0.45, 2600, 150))])


def whizz():
    rng = np.random.default_rng(23)
    t = t_axis(1.2)
    f = 700 * (2600 / 700) ** (t / 1.2)
    whistle = np.sin(2 * np.pi * np.cumsum(f) / SR) * (0.6 + 0.4 * np.sin(2 * np.pi * 23 * t))
    hiss = fft_filter(noise(rng, len(t)), lo=2000, hi=7000) * 0.35
    rise = (whistle + hiss) * np.minimum(t / 0.08, 1)
    n_spark = int(0.0136 * SR)
    sparks = [(1.2 + rng.exponential(0.18),
               fft_filter(noise(rng, n_spark), lo=2500, hi=8000) * env(n_spark, 0.0002, 0.002) * rng.uniform(0.3, 1))
              for _ in range(45)]
    n_pop = int(0.1 * SR)
    pop = fft_filter(noise(rng, n_pop), lo=200, hi=2500) * env(n_pop, 0.0005, 0.02)
    return fade(place(2.0, [(0, fade(rise, 0.01, 0.03)), (1.2, pop * 0.8)] + sparks), 0.001, 0.1)


def clown():
    rng = np.random.default_rng(29)

    def honk(pitch, seconds):
        t = t_axis(seconds)
        tracks = [np.full_like(t, 900), np.full_like(t, 1700), np.full_like(t, 3000)]
        f0 = lambda t: pitch * (0.9 + 0.1 * np.minimum(t / 0.03, 1))
        x = voice(f0, tracks, seconds, rng, tilt=0.5, jitter=0.006, shimmer=0.05, breath=0.05)
        return fade(np.tanh(2.5 * x / np.abs(x).max()), 0.008, 0.05)

    t = t_axis(0.9)
    slide_f = 500 + 1300 * np.sin(np.clip(t / 0.9, 0, 1) * np.pi * 0.5) ** 2 * (1 - 0.3 * (t > 0.6))
    slide_f = ndimage.gaussian_filter1d(slide_f, 0.01 * SR)  # glide, not jump, down the last step
    slide = np.sin(2 * np.pi * np.cumsum(slide_f * (1 + 0.01 * np.sin(2 * np.pi * 6 * t))) / SR)
    slide = fade(slide * 1.4, 0.05, 0.2)
    return place(2.2, [(0, honk(420, 0.22)), (0.32, honk(420, 0.22)), (0.9, slide), (1.85, honk(360, 0.3))])


SOUNDS = {"click": click, "typekey": typekey, "thud3": thud3, "halleluj": halleluj, "fanf2": fanf2,
          "fanf3": fanf3, "fanf4": fanf4, "slot_payoff": slot_payoff, "crowd": crowd, "cheer2": cheer2,
          "klaxon": klaxon, "flute": flute, "gong": gong, "clap2": clap2, "drumroll": drumroll,
          "laser2": laser2, "whizz": whizz, "clap3": clap3, "clown": clown}
CLICKS = ("click", "typekey", "thud3")
# Rendered whole by the soundfont player at its own rate, not synthesised here.
MUSICAL = ("halleluj", "fanf2", "fanf3", "fanf4", "flute", "drumroll")
LONGEST = 3.9  # rewards end before the results screen's four seconds


# ---------------------------------------------------------------- levels and files
def limit(x, ceiling_db, attack=0.002, release=0.08):
    """Turn down just the moments whose true peak passes the ceiling: a gain
    that dips smoothly ahead of each peak and recovers over `release`."""
    rate = ak.FILE_RATE
    up = signal.resample_poly(x, 4, 1)
    peaks = np.abs(up[: 4 * len(x)]).reshape(len(x), 4).max(axis=1)
    allowed = np.minimum(1, 10 ** (ceiling_db / 20) / np.maximum(peaks, 1e-12))
    if allowed.min() >= 1:
        return x
    a = max(int(attack * rate), 1)
    need = ndimage.minimum_filter1d(allowed, 2 * a + 1)
    gain = np.empty_like(need)
    recover = 1 - np.exp(-1 / (release * rate))
    g = 1.0
    for i, v in enumerate(need):
        g = min(v, g + (1 - g) * recover)
        gain[i] = g
    gain = np.convolve(gain, np.hanning(a + 2)[1:-1] / np.hanning(a + 2)[1:-1].sum(), "same")
    return x * np.minimum(gain, allowed)


def level(x, target, ceiling):
    """Bring x to the target loudness with its true peak under the ceiling:
    the gain that makes it loud enough once the limiter has taken its peaks
    off is found by bisection (loudness only grows with the gain)."""
    base = target - ak.loudness(x)

    def at(extra_db):
        return limit(x * 10 ** ((base + extra_db) / 20), ceiling - 0.3)

    lo, hi = 0.0, 30.0
    y = at(lo)
    for _ in range(40):
        if abs(ak.loudness(y) - target) < 0.05:
            break
        mid = (lo + hi) / 2
        y = at(mid)
        if ak.loudness(y) < target:
            lo = mid
        else:
            hi = mid
    if abs(ak.loudness(y) - target) > 0.1 or ak.true_peak(y) > ceiling - 0.1:
        raise RuntimeError("cannot bring the sound to %.1f LUFS under %.1f dBTP" % (target, ceiling))
    return y


def trim(x, floor=1e-3):
    idx = np.nonzero(np.abs(x) > floor * np.abs(x).max())[0]
    return x[idx[0]: idx[-1] + 1] if len(idx) else x


def finish(name, x):
    """From the synthesis (or soundfont) rate to a finished file signal."""
    rate = midi.RATE if name in MUSICAL else SR
    x = ak.to_file_rate(np.asarray(x, float), rate)
    file_sr = ak.FILE_RATE
    x = trim(x - np.mean(x))
    is_click = name in CLICKS
    if not is_click and len(x) > LONGEST * file_sr:
        x = x[: int(LONGEST * file_sr)]
        x[-int(0.6 * file_sr):] *= np.linspace(1, 0, int(0.6 * file_sr)) ** 2
    edge_in = int((0.0005 if is_click else 0.002) * file_sr)
    edge_out = int(min(0.05, len(x) / file_sr / 4) * file_sr)
    x[:edge_in] *= np.linspace(0, 1, edge_in)
    x[-edge_out:] *= np.linspace(1, 0, edge_out)
    if is_click:
        return level(x, ak.CLICK_LUFS, ak.CLICK_PEAK_DBTP)
    return level(x, ak.REWARD_LUFS, ak.PEAK_DBTP)


def write_wav(name, x):
    x = finish(name, x)
    data = np.round(np.clip(x, -1, 1) * 32767).astype("<i2")
    with wave.open(mk.out_path("wav", name + ".wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(ak.FILE_RATE)
        w.writeframes(data.tobytes())
    x = data / 32768.0
    return len(x) / ak.FILE_RATE, ak.loudness(x), ak.true_peak(x)


def main(names=None):
    for name, fn in SOUNDS.items():
        if names and name not in names:
            continue
        print("%-12s %.2f s %6.1f LUFS %6.1f dBTP" % ((name,) + write_wav(name, fn())))


if __name__ == "__main__":
    import sys
    main(sys.argv[1:])
