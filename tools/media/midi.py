# SPDX-License-Identifier: GPL-3.0-or-later
"""Write small General MIDI files and render them with fluidsynth and the
General MIDI soundfont, for the musical sounds."""
import os
import struct
import subprocess
import tempfile
import wave

import numpy as np

SOUNDFONT = os.environ.get("CORVELLA_SF2", "/usr/share/sounds/sf2/FluidR3_GM.sf2")
RATE = 44100  # rendered at twice the file rate; the generator takes it down
PPQ = 480


def _varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append((n & 0x7F) | 0x80)
        n >>= 7
    return bytes(reversed(out))


def write(path, notes, programs, bpm=120, bends=()):
    """notes: (start_beat, length_beats, channel, key, velocity);
    programs: {channel: GM program number, 0-based};
    bends: (beat, channel, cents), with the default bend range of 200 cents."""
    events = [(0, bytes([0xFF, 0x51, 3]) + struct.pack(">I", int(60e6 / bpm))[1:])]
    for ch, prog in programs.items():
        events.append((0, bytes([0xC0 | ch, prog])))
        events.append((0, bytes([0xB0 | ch, 91, 40])))  # a little reverb
    for start, length, ch, key, vel in notes:
        on, off = int(start * PPQ), int((start + length) * PPQ)
        events.append((on, bytes([0x90 | ch, key, vel])))
        events.append((off, bytes([0x80 | ch, key, 0])))
    for beat, ch, cents in bends:
        value = int(round(8192 + 8191 * max(-1.0, min(1.0, cents / 200))))
        events.append((int(beat * PPQ), bytes([0xE0 | ch, value & 0x7F, value >> 7])))
    events.sort(key=lambda e: (e[0], e[1][0] & 0xF0 == 0x90))
    track, now = b"", 0
    for t, data in events:
        track += _varlen(t - now) + data
        now = t
    track += _varlen(PPQ * 2) + bytes([0xFF, 0x2F, 0])
    with open(path, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, PPQ))
        f.write(b"MTrk" + struct.pack(">I", len(track)) + track)


def render(notes, programs, bpm=120, bends=()):
    """Mono float samples at RATE."""
    with tempfile.TemporaryDirectory() as tmp:
        mid, wav = os.path.join(tmp, "p.mid"), os.path.join(tmp, "p.wav")
        write(mid, notes, programs, bpm, bends)
        subprocess.run(["fluidsynth", "-ni", "-q", "-g", "0.6", "-r", str(RATE), "-F", wav, SOUNDFONT, mid],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with wave.open(wav) as w:
            ch, n = w.getnchannels(), w.getnframes()
            data = np.frombuffer(w.readframes(n), dtype="<i2").astype(float) / 32768
    return data.reshape(-1, ch).mean(axis=1)
