#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of the sound measures and of the generator's levelling and noise, on
signals whose right answers are known. Run: python3 -m unittest test_audiokit"""
import unittest

import numpy as np

import audiokit as ak
import sounds

RATE = ak.FILE_RATE


def tone(hz, seconds, amplitude=1.0, rate=RATE, phase=0.0):
    return amplitude * np.sin(2 * np.pi * hz * np.arange(int(seconds * rate)) / rate + phase)


class Loudness(unittest.TestCase):
    def test_reference_tone_reads_as_the_standard_says(self):
        # a 997 Hz tone at full scale is -3.01 LUFS at any rate; at -20 dBFS, -23.01
        for rate in (RATE, 48000, 88200):
            self.assertAlmostEqual(ak.loudness(tone(997, 3, rate=rate), rate), -3.01, delta=0.05)
        self.assertAlmostEqual(ak.loudness(tone(997, 3, 0.1)), -23.01, delta=0.05)

    def test_k_weighting_favours_presence_over_bass(self):
        # equal tones: 4 kHz sits on the shelf (+4 dB), 40 Hz on the low cut (about -3 dB)
        self.assertAlmostEqual(ak.loudness(tone(4000, 3)) - ak.loudness(tone(1000, 3)), 3.6, delta=0.5)
        self.assertLess(ak.loudness(tone(40, 3)) - ak.loudness(tone(1000, 3)), -2)

    def test_silence_and_quiet_stretches_do_not_count(self):
        # only the blocks straddling the end of the tone pull it down a little
        loud = tone(997, 3, 0.5)
        with_silence = np.concatenate([loud, np.zeros(8 * RATE)])
        with_murmur = np.concatenate([loud, tone(997, 8, 0.5 * 10 ** (-25 / 20))])
        self.assertAlmostEqual(ak.loudness(with_silence), ak.loudness(loud), delta=0.3)
        self.assertAlmostEqual(ak.loudness(with_murmur), ak.loudness(with_silence), delta=0.05)
        self.assertEqual(ak.loudness(np.zeros(RATE)), -np.inf)

    def test_a_sound_shorter_than_a_block_counts_as_a_block(self):
        click = tone(997, 0.04)
        self.assertAlmostEqual(ak.loudness(click), -3.01 + 10 * np.log10(0.04 / 0.4), delta=0.2)


class Peaks(unittest.TestCase):
    def test_true_peak_finds_the_peak_between_samples(self):
        # a quarter-rate tone sampled 45 degrees off its crests: samples reach only -3 dB
        x = tone(RATE / 4, 1, phase=np.pi / 4)[100:-100] * 0.5
        self.assertAlmostEqual(20 * np.log10(np.abs(x).max()), -9.03, delta=0.01)
        self.assertAlmostEqual(ak.true_peak(x), -6.02, delta=0.1)


class SmallSpeaker(unittest.TestCase):
    def test_bass_is_lost_and_the_middle_kept(self):
        self.assertGreater(ak.small_speaker_loss(tone(100, 2)), 20)
        self.assertLess(ak.small_speaker_loss(tone(1000, 2)), 0.1)
        self.assertGreater(ak.small_speaker_loss(tone(250, 2)), 3)


class Decimation(unittest.TestCase):
    def test_audible_band_passes_and_nothing_folds_back(self):
        rate = 4 * RATE
        kept = ak.to_file_rate(tone(1000, 1, rate=rate), rate)
        self.assertEqual(len(kept), RATE)
        self.assertAlmostEqual(np.abs(kept[2000:-2000]).max(), 1.0, delta=0.001)
        for hz in (11500, 13000, 35000):  # would fold to 10.55, 9.05 and 9.1 kHz
            folded = ak.to_file_rate(tone(hz, 1, rate=rate), rate)
            self.assertLess(20 * np.log10(np.abs(folded[2000:-2000]).max()), -90, hz)


class Levelling(unittest.TestCase):
    def test_spiky_sound_reaches_the_target_under_the_ceiling(self):
        # drum-like hits with a high crest factor need the limiter, not just a gain
        rng = np.random.default_rng(1)
        hit = rng.normal(size=int(0.1 * RATE)) * np.exp(-np.arange(int(0.1 * RATE)) / (0.01 * RATE))
        x = np.zeros(2 * RATE)
        for start in range(0, 2 * RATE - len(hit), RATE // 6):
            x[start:start + len(hit)] += hit
        plain = x * 10 ** ((ak.REWARD_LUFS - ak.loudness(x)) / 20)
        self.assertGreater(ak.true_peak(plain), 0)  # a gain alone would clip it
        y = sounds.level(x, ak.REWARD_LUFS, ak.PEAK_DBTP)
        self.assertAlmostEqual(ak.loudness(y), ak.REWARD_LUFS, delta=0.1)
        self.assertLessEqual(ak.true_peak(y), ak.PEAK_DBTP)

    def test_quiet_enough_sound_is_only_scaled(self):
        x = tone(997, 1, 0.3)
        y = sounds.level(x, -30, -1)
        steady = np.abs(x) > 0.01
        self.assertAlmostEqual(np.std(y[steady] / x[steady]), 0.0, delta=1e-9)


class NoiseAcrossRates(unittest.TestCase):
    def test_noise_is_the_same_in_the_audible_band_at_any_synthesis_rate(self):
        # the aliasing check compares renders at two rates; only aliasing may differ
        own = sounds.SR
        try:
            renders = []
            for rate in (4 * RATE, 8 * RATE):
                sounds.SR = rate
                renders.append(ak.to_file_rate(sounds.noise(np.random.default_rng(5), rate), rate))
                sounds.SR = own
        finally:
            sounds.SR = own
        a, b = renders
        diff = np.sqrt(np.mean((a - b)[500:-500] ** 2) / np.mean(a[500:-500] ** 2))
        self.assertLess(diff, 0.01)


if __name__ == "__main__":
    unittest.main()
