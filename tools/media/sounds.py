#!/usr/bin/env python3
"""Every sound of the program: short interface clicks and the reward sounds
played on the results screen. Musical ones are General MIDI phrases rendered
with fluidsynth; the rest are synthesised here. Applause and crowds are built
from many short individual claps and voices, as real ones are. All are brought
to one loudness and written as 16-bit mono PCM at 22050 Hz."""
import wave

import numpy as np

import mediakit as mk
import midi

SR = midi.RATE
RNG = np.random.default_rng(2024)


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


def place(total, parts):
    """Mix (start_second, samples) parts into one buffer of total seconds."""
    out = np.zeros(int(total * SR))
    for start, x in parts:
        i = int(start * SR)
        n = min(len(x), len(out) - i)
        if n > 0:
            out[i:i + n] += x[:n]
    return out


def reverb(x, length=0.6, mix=0.25, seed=1):
    rng = np.random.default_rng(seed)
    n = int(length * SR)
    ir = rng.normal(size=n) * np.exp(-np.arange(n) / (n / 5))
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


def trim(x, floor=1e-3):
    idx = np.nonzero(np.abs(x) > floor * np.abs(x).max())[0]
    return x[idx[0]: idx[-1] + 1] if len(idx) else x


# ---------------------------------------------------------------- building blocks
def clap(seed):
    """One hand clap: a few ms of noise ringing in the hollow of the hands."""
    rng = np.random.default_rng(seed)
    n = int(0.06 * SR)
    x = rng.normal(size=n) * env(n, 0.0007, 0.006 + 0.008 * rng.random())
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
    n = len(x)
    tt = np.arange(n) / SR
    x *= np.minimum(tt / max(swell, 0.05), 1) * np.clip((seconds + 0.2 - tt) / 0.6, 0, 1)
    return reverb(x, 0.5, 0.2, seed)


def voice(f0, formants, seconds, breath=0.05, seed=0):
    """Additive vocal tone: harmonics of f0(t) shaped by formants(t) -> [(F, B, gain)]."""
    rng = np.random.default_rng(seed)
    t = t_axis(seconds)
    f = f0(t) * (1 + 0.012 * np.sin(2 * np.pi * rng.uniform(4.5, 6) * t + rng.random() * 6))
    phase = 2 * np.pi * np.cumsum(f) / SR
    fm = formants(t)
    out = np.zeros_like(t)
    for k in range(1, 48):
        fk = k * f
        amp = np.zeros_like(t)
        for F, B, g in fm:
            amp += g / (1 + ((fk - F) / B) ** 2)
        amp *= (fk < SR / 2 - 500) / k ** 0.6
        out += amp * np.sin(k * phase + rng.random() * 6)
    hiss = fft_filter(rng.normal(size=len(t)), lo=1500, hi=6000) * breath
    return out + hiss * np.abs(out).max()


def lerp_formants(a, b, t0, t1):
    def fm(t):
        w = np.clip((t - t0) / (t1 - t0), 0, 1)
        return [(Fa + (Fb - Fa) * w, Ba + (Bb - Ba) * w, ga + (gb - ga) * w)
                for (Fa, Ba, ga), (Fb, Bb, gb) in zip(a, b)]
    return fm


OO = [(320, 80, 1.0), (800, 90, 0.5), (2300, 150, 0.15)]
AY = [(620, 90, 1.0), (1800, 110, 0.6), (2500, 160, 0.3)]
EE = [(380, 80, 1.0), (2100, 120, 0.5), (2900, 180, 0.25)]
AH = [(750, 100, 1.0), (1200, 110, 0.6), (2500, 160, 0.2)]


def shout(kind, rng, seed):
    """One person's cheer, child or adult: 'hoo-ray', 'yay' or 'woo'."""
    child = rng.random() < 0.6
    base = rng.uniform(240, 340) if child else rng.uniform(130, 210)
    scale = rng.uniform(1.1, 1.2) if child else rng.uniform(0.95, 1.05)
    sc = lambda fm: [(F * scale, B, g) for F, B, g in fm]
    if kind == "hooray":
        dur = rng.uniform(0.75, 1.0)
        f0 = lambda t: base * (0.95 + 0.35 * np.exp(-((t - 0.4) / 0.2) ** 2) - 0.1 * t)
        fm = lerp_formants(sc(OO), sc(AY), 0.22, 0.36)
    elif kind == "yay":
        dur = rng.uniform(0.5, 0.9)
        f0 = lambda t: base * (1.2 - 0.25 * t)
        fm = lerp_formants(sc(EE), sc(AY), 0.02, 0.15)
    else:
        dur = rng.uniform(0.7, 1.3)
        f0 = lambda t: base * (1 + 0.5 * np.sin(np.clip(t / dur, 0, 1) * np.pi) - 0.2 * t)
        fm = lerp_formants(sc(OO), sc(OO), 0, 1)
    x = voice(f0, fm, dur, breath=0.12, seed=seed)
    n = len(x)
    return x * np.minimum(np.arange(n) / (0.04 * SR), 1) * np.clip((n - np.arange(n)) / (0.2 * SR), 0, 1)


def crowd_cheer(seconds, people, kinds, spread, seed):
    rng = np.random.default_rng(seed)
    parts = []
    for p in range(people):
        kind = kinds[rng.integers(len(kinds))]
        parts.append((rng.uniform(0, spread), shout(kind, rng, seed * 1000 + p) * rng.uniform(0.4, 1.0)))
    return place(seconds, parts)


def partials(freqs, decays, amps, seconds, attack=0.002):
    t = t_axis(seconds)
    out = np.zeros_like(t)
    for f, d, a in zip(freqs, decays, amps):
        if f < SR / 2 - 200:
            out += a * np.sin(2 * np.pi * f * t + RNG.random() * 6) * np.exp(-t / d)
    return out * np.minimum(t / attack, 1)


# ---------------------------------------------------------------- the sounds
def click():
    n = int(0.03 * SR)
    body = partials([1900, 3400], [0.004, 0.002], [1.0, 0.5], 0.03, attack=0.0003)
    tick = fft_filter(RNG.normal(size=n), lo=2000) * env(n, 0.0002, 0.0015)
    return body + 0.6 * tick


def typekey():
    hit = fft_filter(RNG.normal(size=int(0.02 * SR)), lo=1200, centre=3000, q=1.5) * env(int(0.02 * SR), 0.0003, 0.003)
    thock = partials([420, 1100, 2300], [0.012, 0.006, 0.004], [0.8, 0.5, 0.3], 0.04, attack=0.0005)
    back = fft_filter(RNG.normal(size=int(0.015 * SR)), lo=1500) * env(int(0.015 * SR), 0.0003, 0.002) * 0.35
    return place(0.065, [(0, hit), (0.001, thock), (0.042, back)])


def thud3():
    # a soft wooden "tock", pitched high enough for small loudspeakers
    t = t_axis(0.2)
    f = 150 + 110 * np.exp(-t / 0.02)
    body = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / 0.035)
    body += 0.35 * partials([420, 730], [0.02, 0.012], [1, 0.6], 0.2)
    knock = fft_filter(RNG.normal(size=len(t)), lo=200, hi=1800) * env(len(t), 0.0005, 0.01) * 0.5
    return body + knock


def halleluj():
    # Handel's "Hal-le-lu-jah" twice, choir with strings and a trumpet, in D.
    chords = [((62, 66, 69, 74), 50, 1.0), ((57, 62, 66, 69), 38, 0.75), ((59, 62, 67, 71), 43, 0.25),
              ((57, 62, 66, 69), 50, 1.0)]
    notes, beat = [], 0.0
    for rep in range(2):
        for keys, bass, length in chords:
            held = length * (1.6 if (rep == 1 and length == 1.0 and keys[0] == 57) else 0.95)
            for k in keys:
                notes.append((beat, held, 0, k, 100))
                notes.append((beat, held, 1, k, 70))
            notes.append((beat, held, 0, bass, 95))
            notes.append((beat, held, 2, keys[-1], 70))
            beat += length
        if rep == 0:
            notes.append((0, 0.5, 9, 47, 90))
            beat += 0.5
    notes += [(0, 0.5, 3, 38, 110), (3.0, 0.3, 3, 38, 90), (5.75, 1, 3, 38, 115)]
    return midi.render(notes, {0: 52, 1: 48, 2: 56, 3: 47}, bpm=132)


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


def coin(seed):
    rng = np.random.default_rng(seed)
    base = rng.uniform(2500, 4200)
    return partials([base, base * 1.52, base * 2.31], [0.06, 0.04, 0.025], [1, 0.6, 0.4], 0.15, attack=0.0005)


def slot_payoff():
    dings = [(0.1 * k, 0.09, 0, 84 if k % 2 == 0 else 88, 110) for k in range(24)]
    bells = midi.render(dings, {0: 14}, bpm=60)
    rng = np.random.default_rng(7)
    times = np.sort(rng.uniform(0.05, 2.3, 70) ** 1.2)
    coins = place(3.0, [(t, coin(i) * rng.uniform(0.3, 1)) for i, t in enumerate(times)])
    n = max(len(bells), len(coins))
    out = np.zeros(n)
    out[: len(bells)] += bells * 2.0
    out[: len(coins)] += coins * 0.25
    return out


def crowd():
    cheer = crowd_cheer(3.4, 40, ["woo", "yay", "hooray"], 0.6, seed=5)
    clap = applause(3.2, 30, seed=3)
    n = max(len(cheer), len(clap))
    out = np.zeros(n)
    out[: len(cheer)] += cheer / np.abs(cheer).max()
    out[: len(clap)] += 0.8 * clap / np.abs(clap).max()
    return reverb(out, 0.7, 0.25, 4)


def cheer2():
    shouts = crowd_cheer(1.6, 24, ["hooray"], 0.12, seed=9)
    return reverb(shouts, 0.5, 0.22, 6)


def klaxon():
    def ahooga(seconds):
        f0 = lambda t: 120 + 90 * np.clip(t / 0.35, 0, 1) ** 0.7
        fm = lambda t: [(500 + 500 * np.sin(np.clip(t / seconds, 0, 1) * np.pi), 160, 1.0),
                        (1400 - 500 * np.sin(np.clip(t / seconds, 0, 1) * np.pi), 220, 0.8), (2600, 300, 0.5)]
        x = voice(f0, fm, seconds, breath=0.02, seed=1)
        return np.tanh(3 * x / np.abs(x).max())
    one = fade(ahooga(0.6), 0.01, 0.08)
    return place(1.5, [(0, one), (0.8, one)])


def flute():
    run = [79, 81, 83, 84, 86]
    notes = [(k * 0.25, 0.24, 0, key, 100) for k, key in enumerate(run)]
    notes += [(1.25 + k * 0.125, 0.12, 0, 86 if k % 2 == 0 else 88, 95) for k in range(8)]
    notes += [(2.25, 1.5, 0, 91, 105), (2.25, 1.5, 1, 79, 60), (2.25, 1.5, 1, 83, 60)]
    return midi.render(notes, {0: 73, 1: 48}, bpm=120)


def gong():
    ratios = [1.0, 1.47, 1.93, 2.42, 2.87, 3.35, 3.9, 4.6, 5.3, 6.1, 7.2, 8.6]
    f0 = 98
    freqs = [f0 * r * RNG.uniform(0.99, 1.01) for r in ratios]
    decays = [3.0, 2.4, 2.0, 1.6, 1.3, 1.1, 0.9, 0.8, 0.6, 0.5, 0.4, 0.3]
    amps = [1.0, 0.7, 0.8, 0.6, 0.55, 0.5, 0.4, 0.35, 0.3, 0.25, 0.2, 0.15]
    body = partials(freqs, decays, amps, 3.8, attack=0.004)
    t = t_axis(3.8)
    shimmer = partials([f * 1.004 for f in freqs[2:]], decays[2:], amps[2:], 3.8) * (0.5 + 0.5 * np.sin(2 * np.pi * 0.7 * t))
    strike = fft_filter(RNG.normal(size=len(t)), hi=3000) * env(len(t), 0.001, 0.03) * 0.5
    return fade(body + 0.4 * shimmer + strike, 0.001, 0.4)


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
    x[int(1.95 * SR) - int(0.0 * SR):][: len(tail)] += 0.7 * tail[: len(x) - int(1.95 * SR)]
    return reverb(x, 0.4, 0.2, 8)


def drumroll():
    roll = [(k / 16, 0.05, 9, 38, min(127, 45 + k * 3)) for k in range(28)]
    hits = [(28 / 16, 1.5, 9, 49, 127), (28 / 16, 0.5, 9, 36, 127), (28 / 16, 1.5, 9, 57, 100)]
    return midi.render(roll + hits, {}, bpm=60)


def laser2():
    def pew(length, f_hi, f_lo):
        t = t_axis(length)
        f = f_lo + (f_hi - f_lo) * np.exp(-t / (length / 3.5))
        ph = 2 * np.pi * np.cumsum(f) / SR
        x = np.sin(ph) + 0.35 * np.sign(np.sin(ph)) + 0.2 * np.sin(3 * ph)
        return x * env(len(t), 0.002, length / 2.2)
    return place(1.3, [(0, pew(0.2, 2200, 300)), (0.24, pew(0.2, 2000, 280)), (0.48, pew(0.2, 2400, 320)),
                       (0.75, pew(0.45, 2600, 150))])


def whizz():
    t = t_axis(1.2)
    f = 700 * (2600 / 700) ** (t / 1.2)
    whistle = np.sin(2 * np.pi * np.cumsum(f) / SR) * (0.6 + 0.4 * np.sin(2 * np.pi * 23 * t))
    hiss = fft_filter(RNG.normal(size=len(t)), lo=2000, hi=7000) * 0.35
    rise = (whistle + hiss) * np.minimum(t / 0.08, 1)
    rng = np.random.default_rng(3)
    sparks = [(1.2 + rng.exponential(0.18), fft_filter(rng.normal(size=300), lo=2500) * env(300, 0.0002, 0.002) * rng.uniform(0.3, 1))
              for _ in range(45)]
    pop = fft_filter(RNG.normal(size=int(0.1 * SR)), hi=2500) * env(int(0.1 * SR), 0.0005, 0.02)
    return fade(place(2.0, [(0, fade(rise, 0.01, 0.03)), (1.2, pop * 0.8)] + sparks), 0.001, 0.1)


def clown():
    def honk(pitch, seconds):
        f0 = lambda t: pitch * (0.9 + 0.1 * np.minimum(t / 0.03, 1))
        fm = lambda t: [(900, 250, 1.0), (1700, 300, 0.7), (3000, 400, 0.4)]
        x = voice(f0, fm, seconds, breath=0.05, seed=int(pitch))
        return fade(np.tanh(4 * x / np.abs(x).max()), 0.005, 0.04)
    t = t_axis(0.9)
    slide_f = 500 + 1300 * np.sin(np.clip(t / 0.9, 0, 1) * np.pi * 0.5) ** 2 * (1 - 0.3 * (t > 0.6))
    slide = np.sin(2 * np.pi * np.cumsum(slide_f * (1 + 0.01 * np.sin(2 * np.pi * 6 * t))) / SR)
    slide = fade(slide * 1.4, 0.05, 0.2)
    return place(2.2, [(0, honk(420, 0.22)), (0.32, honk(420, 0.22)), (0.9, slide), (1.85, honk(360, 0.3))])


SOUNDS = {"click": click, "typekey": typekey, "thud3": thud3, "halleluj": halleluj, "fanf2": fanf2,
          "fanf3": fanf3, "fanf4": fanf4, "slot_payoff": slot_payoff, "crowd": crowd, "cheer2": cheer2,
          "klaxon": klaxon, "flute": flute, "gong": gong, "clap2": clap2, "drumroll": drumroll,
          "laser2": laser2, "whizz": whizz, "clap3": clap3, "clown": clown}


# ---------------------------------------------------------------- levels and files
def loudness(x):
    """RMS of the louder part after a rough ear weighting (bass counts less,
    presence more), in dBFS, so different sounds seem equally loud."""
    w = fft_filter(x, lo=100)
    w = w + 0.6 * fft_filter(w, centre=3000, q=1.0)
    block = max(int(0.05 * SR), 1)
    n = len(w) // block
    if n == 0:
        return 20 * np.log10(np.sqrt(np.mean(w ** 2)) + 1e-12)
    rms = np.sqrt(np.mean(w[: n * block].reshape(n, block) ** 2, axis=1))
    loud = rms[rms > rms.max() * 0.1]
    return 20 * np.log10(np.sqrt(np.mean(loud ** 2)) + 1e-12)


TARGET_DB = -17.0
PEAK = 0.89  # -1 dBFS


def level(x):
    x = x - np.mean(x)
    x = x * 10 ** ((TARGET_DB - loudness(x)) / 20)
    peak = np.abs(x).max()
    if peak > PEAK:  # soft-limit the few loud peaks rather than turn the sound down
        x = np.where(np.abs(x) > 0.7, np.sign(x) * (0.7 + (PEAK - 0.7) * np.tanh((np.abs(x) - 0.7) / (PEAK - 0.7))), x)
    return x


CLICKS = ("click", "typekey", "thud3")
LONGEST = 3.9  # rewards stay within four seconds


def write_wav(name, x):
    x = trim(x)
    if name not in CLICKS and len(x) > LONGEST * SR:
        x = fade(x[: int(LONGEST * SR)], 0, 0.6)
    x = level(x)
    x = fade(x, 0.0005 if name in CLICKS else 0.002, min(0.05, len(x) / SR / 4))
    data = (np.clip(x, -1, 1) * 32767).astype("<i2")
    with wave.open(mk.out_path("wav", name + ".wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(data.tobytes())
    return len(x) / SR


def main(names=None):
    for name, fn in SOUNDS.items():
        if names and name not in names:
            continue
        print("%-12s %.2f s" % (name, write_wav(name, fn())))


if __name__ == "__main__":
    import sys
    main(sys.argv[1:])
