#!/usr/bin/env python3
"""Synthesizes the game's four sound files into assets/.

    python3 tools/make_sounds.py [output folder]

The files are committed; run this only to change a sound. Everything is built from decaying
sines, a little filtered noise and a small room echo, with a fixed random seed, so every run
writes the same bytes. Each file is 16-bit PCM mono; the effects peak at -3 dBFS (the refusal
tone at -9), the music at -14 so it stays behind them.
"""

import cmath
import math
import random
import sys
import wave
from pathlib import Path

EFFECT_RATE = 44100
MUSIC_RATE = 22050
PEAK = 10 ** (-3 / 20)
# The music stays well behind the effects, and the refusal tone need not shout.
MUSIC_PEAK = 10 ** (-14 / 20)
REFUSAL_PEAK = 10 ** (-9 / 20)


# ---------------------------------------------------------------- building blocks


def decaying_sine(freq, amp, tau, count, rate, bend=None):
    """amp * exp(-t/tau) * sin(2 pi freq t), starting at zero so the onset does not click.

    `bend`, if given, is a list of extra phase (radians) for the first samples, for a pitch
    that settles after the attack; its last value stays in force afterwards.
    """
    step = cmath.exp(complex(-1.0 / (tau * rate), 2 * math.pi * freq / rate))
    z = complex(amp, 0)
    out = [0.0] * count
    bent = len(bend) if bend else 0
    for k in range(min(bent, count)):
        out[k] = (z * cmath.exp(1j * bend[k])).imag
        z *= step
    if bent:
        z *= cmath.exp(1j * bend[-1])
    for k in range(bent, count):
        out[k] = z.imag
        z *= step
    return out


def band_pass(signal, freq, q, rate):
    """A constant-gain band-pass biquad, for shaping noise."""
    w = 2 * math.pi * freq / rate
    alpha = math.sin(w) / (2 * q)
    a0 = 1 + alpha
    b0, b2 = alpha / a0, -alpha / a0
    a1, a2 = -2 * math.cos(w) / a0, (1 - alpha) / a0
    x1 = x2 = y1 = y2 = 0.0
    out = [0.0] * len(signal)
    for k, x in enumerate(signal):
        y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2
        out[k] = y
        x2, x1 = x1, x
        y2, y1 = y1, y
    return out


def noise_burst(rng, tau, count, rate):
    """White noise dying away with time constant tau."""
    decay = math.exp(-1.0 / (tau * rate))
    out = [0.0] * count
    level = 1.0
    for k in range(count):
        out[k] = rng.uniform(-1.0, 1.0) * level
        level *= decay
    return out


def mix(target, start, source, gain=1.0):
    """Adds source into target from index start, ignoring what falls past the end."""
    end = min(len(target), start + len(source))
    for k in range(start, end):
        target[k] += gain * source[k - start]


def raised_cosine(k, length):
    """0 -> 1 over length samples with smooth ends."""
    return 0.5 - 0.5 * math.cos(math.pi * min(max(k / length, 0.0), 1.0))


def fade_edges(signal, rate, fade_in, fade_out):
    """Smooth start and end, so that the sound neither starts nor stops with a click."""
    n_in = max(1, int(fade_in * rate))
    n_out = max(1, int(fade_out * rate))
    for k in range(min(n_in, len(signal))):
        signal[k] *= raised_cosine(k, n_in)
    for k in range(min(n_out, len(signal))):
        signal[-1 - k] *= raised_cosine(k, n_out)


class Reverb:
    """A small Schroeder room: four damped combs in parallel, two all-passes in series."""

    def __init__(self, rate, room=0.78, damping=0.35):
        scale = rate / 44100
        self.combs = [[0.0] * int(d * scale) for d in (1116, 1188, 1277, 1356)]
        self.comb_pos = [0] * 4
        self.comb_low = [0.0] * 4
        self.passes = [[0.0] * int(d * scale) for d in (556, 341)]
        self.pass_pos = [0] * 2
        self.room = room
        self.damping = damping

    def run(self, signal):
        out = [0.0] * len(signal)
        room, damp = self.room, self.damping
        for k, x in enumerate(signal):
            y = 0.0
            for i, line in enumerate(self.combs):
                p = self.comb_pos[i]
                delayed = line[p]
                self.comb_low[i] = delayed * (1 - damp) + self.comb_low[i] * damp
                line[p] = x * 0.25 + self.comb_low[i] * room
                self.comb_pos[i] = (p + 1) % len(line)
                y += delayed
            for i, line in enumerate(self.passes):
                p = self.pass_pos[i]
                delayed = line[p]
                line[p] = y + delayed * 0.5
                self.pass_pos[i] = (p + 1) % len(line)
                y = delayed - y
            out[k] = y
        return out


def centre(signal):
    """Takes out the small net offset left by decaying low modes. The correction is one slow
    hump over the whole sound, far below hearing, and leaves the silent edges silent."""
    hump = [1 - math.cos(2 * math.pi * k / len(signal)) for k in range(len(signal))]
    offset = sum(signal) / sum(hump)
    return [x - offset * h for x, h in zip(signal, hump)]


def normalize(signal, peak=PEAK):
    """Scales the loudest sample to the given level (-3 dBFS unless told)."""
    top = max(abs(x) for x in signal)
    return [x * peak / top for x in signal]


def finish(signal, rate, fade_in, fade_out, peak=PEAK):
    """A sound effect ready to write: edges faded to exact silence, centred, level set."""
    fade_edges(signal, rate, fade_in, fade_out)
    return normalize(centre(signal), peak)


def write_wav(path, signal, rate):
    frames = bytearray()
    for x in signal:
        value = max(-32768, min(32767, round(x * 32767)))
        frames += value.to_bytes(2, "little", signed=True)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(bytes(frames))


# ---------------------------------------------------------------- the effects


def piece_click(rng):
    """A piece set down firmly on a thick wooden board: a hard tick, then a short woody ring."""
    rate = EFFECT_RATE
    count = int(0.2 * rate)
    # Modes of piece and board, lowest first: a dull thump from the board, the hollow knock
    # that makes it sound like wood, and bright short modes that give the sharp edge. The
    # strongest mode has a twin a little above it, as piece and board never ring quite alike.
    modes = [
        (190, 0.020, 0.25),
        (640, 0.018, 0.45),
        (1180, 0.024, 1.00),
        (1205, 0.019, 0.45),
        (1730, 0.016, 0.60),
        (2470, 0.012, 0.45),
        (3350, 0.008, 0.35),
        (4600, 0.005, 0.25),
        (6200, 0.003, 0.18),
    ]
    out = [0.0] * count
    for freq, tau, gain in modes:
        mix(out, 0, decaying_sine(freq, gain, tau, count, rate))
    tick = band_pass(noise_burst(rng, 0.0006, int(0.004 * rate), rate), 4500, 0.6, rate)
    mix(out, 0, tick, 3.0)
    return finish(out, rate, 0.0002, 0.03)


def soft_note(freq, seconds, rate):
    """A mellow held tone: a few harmonics, two voices a few cents apart, gentle ends."""
    count = int(seconds * rate)
    out = [0.0] * count
    for harmonic, amp in ((1, 1.0), (2, 0.35), (3, 0.18), (4, 0.07), (5, 0.04)):
        for cents in (-6, 6):
            f = freq * harmonic * 2 ** (cents / 1200)
            mix(out, 0, decaying_sine(f, amp, 0.18 / harmonic**0.5, count, rate))
    fade_edges(out, rate, 0.012, 0.05)
    return out


def refusal():
    """Two soft low notes falling a fourth: 'that will not do'."""
    rate = EFFECT_RATE
    out = [0.0] * int(0.32 * rate)
    mix(out, 0, soft_note(293.66, 0.15, rate))  # D4
    mix(out, int(0.13 * rate), soft_note(220.00, 0.19, rate))  # A3
    # Long and steady, it would sound louder than the click at the same peak.
    return finish(out, rate, 0.002, 0.02, REFUSAL_PEAK)


def bell(freq, seconds, rate):
    """A small bright bell: inharmonic partials, the higher ones dying first, each paired
    with a twin a hair away so that it shimmers."""
    count = int(seconds * rate)
    out = [0.0] * count
    partials = ((1.0, 1.0, 0.30), (2.0, 0.40, 0.20), (2.76, 0.22, 0.11), (4.07, 0.10, 0.07),
                (5.40, 0.06, 0.05))
    for ratio, amp, tau in partials:
        for twin in (0.0, 1.3):
            f = freq * ratio + twin
            if f < rate * 0.45:
                mix(out, 0, decaying_sine(f, amp * 0.5, tau, count, rate))
    fade_edges(out, rate, 0.0015, 0.01)
    return out


def chime():
    """Two bell strokes rising a fifth, in a small room."""
    rate = EFFECT_RATE
    out = [0.0] * int(0.6 * rate)
    mix(out, 0, bell(880.0, 0.6, rate))  # A5
    mix(out, int(0.09 * rate), bell(1318.5, 0.51, rate), 0.8)  # E6
    wet = Reverb(rate, room=0.7).run(out)
    mix(out, 0, wet, 0.25)
    return finish(out, rate, 0.001, 0.15)


# ---------------------------------------------------------------- the music

# One loop: 8 bars of 4/4 at 72 beats a minute, 26 2/3 seconds. At 22050 Hz a beat is exactly
# 18375 samples, so the loop has a whole number of samples and no drift.
BEAT = MUSIC_RATE * 60 // 72
BARS = 8
LOOP = BARS * 4 * BEAT

NOTE = {"G2": 98.00, "A2": 110.00,
        "D3": 146.83, "E3": 164.81, "G3": 196.00, "A3": 220.00, "B3": 246.94,
        "D4": 293.66, "E4": 329.63, "G4": 392.00, "A4": 440.00, "B4": 493.88,
        "D5": 587.33, "E5": 659.26}

# The tune in the yo scale on D (D E G A B): (note or None for a rest, beats), bar by bar.
MELODY = [
    [("A4", 1), ("B4", 0.5), ("A4", 0.5), ("G4", 1), ("E4", 1)],
    [("D4", 1.5), ("E4", 0.5), ("G4", 2)],
    [("A4", 1), ("D5", 1), ("B4", 0.5), ("A4", 0.5), ("G4", 1)],
    [("A4", 3), (None, 1)],
    [("D5", 1), ("E5", 0.5), ("D5", 0.5), ("B4", 1), ("A4", 1)],
    [("G4", 1.5), ("A4", 0.5), ("B4", 1), ("G4", 1)],
    [("E4", 1), ("G4", 1), ("A4", 0.5), ("G4", 0.5), ("E4", 1)],
    [("D4", 3), (None, 1)],
]

# Open chords without thirds, as the scale has no F sharp or C: root, fifth, ninth.
CHORDS = [("D3", "A3", "E4"), ("D3", "A3", "E4"), ("G2", "D3", "A3"), ("A2", "E3", "B3"),
          ("G2", "D3", "B3"), ("E3", "B3", "D4"), ("A2", "E3", "B3"), ("D3", "A3", "E4")]

# Low plucks under the tune: the chord's root on beat 1, its fifth on beat 3 (beats count
# from 0 here); the last bar climbs in eighths towards the first note of the tune.
BASS = [[(0, c[0]), (2, c[1])] for c in CHORDS]
BASS[-1] = [(0, "D3"), (2, "E3"), (2.5, "G3"), (3, "A3"), (3.5, "B3")]


def koto(freq, rate, rng):
    """A plucked silk string: bright at the pluck, mellowing as the upper partials die, with
    the small fall in pitch of a string just released by the pick."""
    seconds = 3.0
    count = int(seconds * rate)
    settle = int(0.2 * rate)
    depth, bend_tau = 0.008, 0.03
    bend = [2 * math.pi * freq * depth * bend_tau * (1 - math.exp(-k / (bend_tau * rate)))
            for k in range(settle)]
    ring = 1.5 * math.sqrt(196 / freq)
    out = [0.0] * count
    for h in range(1, 13):
        f = h * freq * math.sqrt(1 + 0.0003 * h * h)
        if f > rate * 0.42:
            break
        amp = abs(math.sin(h * math.pi * 0.22)) / h**1.1
        tau = ring / (1 + 0.6 * (h - 1))
        mix(out, 0, decaying_sine(f, amp, tau, count, rate, [h * b for b in bend]))
    pick = band_pass(noise_burst(rng, 0.0015, int(0.006 * rate), rate), 2800, 1.2, rate)
    mix(out, 0, pick, 0.25)
    fade_edges(out, rate, 0.001, 0.5)
    return out


def pad(chord, seconds, rate):
    """A soft held chord, fading in and out slowly, like a distant reed organ."""
    count = int(seconds * rate)
    out = [0.0] * count
    for name in chord:
        for harmonic, amp in ((1, 1.0), (2, 0.30), (3, 0.12), (4, 0.05)):
            for cents in (-4, 5):
                f = NOTE[name] * harmonic * 2 ** (cents / 1200)
                # A ring time far longer than the chord: a held, not a dying, tone.
                mix(out, 0, decaying_sine(f, amp / len(chord), 60.0, count, rate))
    fade_edges(out, rate, 1.2, 1.8)
    return out


def background_music(rng):
    """The calm loop under the game. Every sound that rings past the end of the loop is
    folded back onto its start, so that the end runs straight into the beginning."""
    rate = MUSIC_RATE
    tail = 4 * rate
    dry = [0.0] * (LOOP + tail)
    for bar, notes in enumerate(MELODY):
        beat = 0.0
        for name, length in notes:
            if name:
                accent = 1.0 if beat == 0 else 0.85 if beat == 2 else 0.75
                mix(dry, round((bar * 4 + beat) * BEAT), koto(NOTE[name], rate, rng), accent)
            beat += length
    for bar, plucks in enumerate(BASS):
        for beat, name in plucks:
            mix(dry, round((bar * 4 + beat) * BEAT), koto(NOTE[name], rate, rng), 0.45)
    bar_samples = 4 * BEAT
    for bar, chord in enumerate(CHORDS):
        if bar > 0 and chord == CHORDS[bar - 1]:
            continue
        bars = 2 if bar + 1 < BARS and CHORDS[bar + 1] == chord else 1
        # Each chord swells in a little before its bar and dies away into the next one.
        start = bar * bar_samples - rate // 2
        sound = pad(chord, bars * 4 * BEAT / rate + 2.0, rate)
        for k, x in enumerate(sound):
            dry[(start + k) % LOOP] += 0.22 * x
    for k in range(LOOP, len(dry)):
        dry[k - LOOP] += dry[k]
    loop = dry[:LOOP]
    # The room is run over two passes of the loop and the second is kept: it already carries
    # the echo of the first, just as it will when the game plays the loop again.
    wet = Reverb(rate).run(loop + loop)[LOOP:]
    mix(loop, 0, wet, 0.3)
    # A loop has no silent edges, so any DC offset is taken out directly.
    mean = sum(loop) / LOOP
    return normalize([x - mean for x in loop], MUSIC_PEAK)


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "assets"
    target.mkdir(parents=True, exist_ok=True)
    rng = random.Random(1996)
    sounds = [("駒打音.wav", lambda: piece_click(rng), EFFECT_RATE),
              ("禁止.wav", refusal, EFFECT_RATE),
              ("その他.wav", chime, EFFECT_RATE),
              ("BGM.wav", lambda: background_music(rng), MUSIC_RATE)]
    for name, make, rate in sounds:
        write_wav(target / name, make(), rate)
        print(f"wrote {target / name}")


if __name__ == "__main__":
    main()
