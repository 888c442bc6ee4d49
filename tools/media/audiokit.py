# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures and rate changes shared by the sound generator and its check:
loudness as listeners judge it (ITU-R BS.1770: K-weighting and gating), true
peak between samples (4x oversampling), what is left on a small loudspeaker
(a 300 Hz high-pass), and a steep low-pass for going down to the file rate."""
import numpy as np
from scipy import signal

FILE_RATE = 22050
SMALL_SPEAKER_HZ = 300
BLOCK, STEP = 0.4, 0.1  # gating blocks of 400 ms, overlapping by 75 %
REWARD_LUFS = -19.0  # every reward sound, so none startles and none disappoints
CLICK_LUFS = -32.0  # the interface clicks, well below the rewards
PEAK_DBTP = -1.0
CLICK_PEAK_DBTP = -6.0  # heard on every key press: no sharp edge


def _k_weighting(rate):
    """The two K-weighting biquads (head shelf, then low cut), made for any
    rate from their analogue prototypes by the bilinear transform."""
    k = np.tan(np.pi * 1681.974450955533 / rate)
    q = 0.7071752369554196
    vh = 10 ** (3.999843853973347 / 20)
    vb = vh ** 0.4996667741545416
    a0 = 1 + k / q + k * k
    shelf = ([(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0],
             [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    k = np.tan(np.pi * 38.13547087602444 / rate)
    q = 0.5003270373238773
    a0 = 1 + k / q + k * k
    low_cut = ([1, -2, 1], [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    return shelf, low_cut


def k_weight(x, rate):
    for b, a in _k_weighting(rate):
        x = signal.lfilter(b, a, x)
    return x


def block_powers(x, rate):
    """Mean square of the K-weighted signal in each gating block. A sound
    shorter than one block is measured as if followed by silence."""
    y = k_weight(np.asarray(x, float), rate)
    n, step = int(BLOCK * rate), int(STEP * rate)
    if len(y) < n:
        y = np.concatenate([y, np.zeros(n - len(y))])
    sq = np.concatenate([[0.0], np.cumsum(y * y)])
    starts = np.arange(0, len(y) - n + 1, step)
    return (sq[starts + n] - sq[starts]) / n


def _lufs(power):
    return -0.691 + 10 * np.log10(max(power, 1e-20))


def loudness(x, rate=FILE_RATE):
    """Integrated loudness in LUFS: blocks below -70 LUFS, then blocks more
    than 10 LU below the mean of the rest, do not count."""
    z = block_powers(x, rate)
    z = z[z > 10 ** ((-70 + 0.691) / 10)]
    if len(z) == 0:
        return -np.inf
    z = z[z > 10 ** ((_lufs(z.mean()) - 10 + 0.691) / 10)]
    return _lufs(z.mean())


def true_peak(x, rate=FILE_RATE):
    """Largest magnitude of the signal rebuilt at four times its rate, in dBTP."""
    up = signal.resample_poly(np.concatenate([np.zeros(64), x, np.zeros(64)]), 4, 1,
                              window=_lowpass(4 * rate, 0.45 * rate, 0.5 * rate, 80))
    return 20 * np.log10(max(np.abs(up).max(), 1e-12))


def small_speaker(x, rate=FILE_RATE):
    """What a laptop or tablet loudspeaker leaves: fourth-order high-pass at 300 Hz."""
    sos = signal.butter(4, SMALL_SPEAKER_HZ, "highpass", fs=rate, output="sos")
    return signal.sosfilt(sos, x)


def small_speaker_loss(x, rate=FILE_RATE):
    """LU lost through the small loudspeaker."""
    return loudness(x, rate) - loudness(small_speaker(x, rate), rate)


_FILTERS = {}


def _lowpass(rate, pass_hz, stop_hz, atten_db):
    key = (rate, pass_hz, stop_hz, atten_db)
    if key not in _FILTERS:
        taps, beta = signal.kaiserord(atten_db, (stop_hz - pass_hz) / (rate / 2))
        taps |= 1
        _FILTERS[key] = signal.firwin(taps, (pass_hz + stop_hz) / 2, window=("kaiser", beta), fs=rate)
    return _FILTERS[key]


def to_file_rate(x, rate):
    """Down to the file rate through a low-pass that passes 9.5 kHz and stops
    everything from the file's Nyquist frequency up by 100 dB, so nothing
    above it can fold back into the audible band."""
    factor = int(round(rate / FILE_RATE))
    assert factor * FILE_RATE == rate, "synthesis rate must be a multiple of the file rate"
    if factor == 1:
        return np.asarray(x, float)
    h = _lowpass(rate, 9500, FILE_RATE / 2, 100)
    return signal.resample_poly(x, 1, factor, window=h)
