#!/usr/bin/env python3
"""Makes Kelvara's fourteen sound clips, res/sounds/4000.wav to 4013.wav.

Run by hand from anywhere; the clips are committed. Output is mono 16-bit PCM at
22050 Hz, faded in and out so no clip starts or ends with a click, and peaking at
about -6 dBFS (the very short ticks a little lower). The noise generator is seeded,
so running the script again gives the same bytes.
"""

import math
import os
import random
import struct
import wave

RATE = 22050
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "sounds")


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def note_hz(name):
    """Frequency of a note such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    octave = name[1:]
    if octave.startswith("#"):
        semitone, octave = semitone + 1, octave[1:]
    elif octave.startswith("b"):
        semitone, octave = semitone - 1, octave[1:]
    return 440.0 * 2 ** ((semitone + 12 * (int(octave) - 4)) / 12)


def tone(freq, seconds, partials=((1, 1.0),), attack=0.005, decay=None, release=0.02,
         glide_to=None, vibrato=0.0):
    """A tone of a few sine partials: linear attack, exponential decay (time constant
    `decay`, None = sustained), linear release at the end. `glide_to` sweeps the pitch
    exponentially; `vibrato` is a depth in semitones at 6 Hz."""
    n = int(seconds * RATE)
    top = max(freq, glide_to or 0) * 2 ** (vibrato / 12)
    partials = [(k, a) for k, a in partials if k * top < RATE / 2]  # no aliasing
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq
        if glide_to:
            f = freq * (glide_to / freq) ** (t / seconds)
        if vibrato:
            f *= 2 ** (vibrato * math.sin(2 * math.pi * 6 * t) / 12)
        phase += 2 * math.pi * f / RATE
        s = sum(a * math.sin(k * phase) for k, a in partials)
        env = min(1.0, t / attack) if attack > 0 else 1.0
        if decay:
            env *= math.exp(-t / decay)
        if t > seconds - release:
            env *= max(0.0, (seconds - t) / release)
        out.append(s * env)
    return out


def noise(seconds, seed, cutoff_from, cutoff_to=None, envelope=None):
    """Low-passed white noise whose cutoff sweeps from `cutoff_from` to `cutoff_to` Hz;
    `envelope(x)` with x from 0 to 1 shapes its level."""
    rnd = random.Random(seed)
    n = int(seconds * RATE)
    out = []
    low = 0.0
    low2 = 0.0
    for i in range(n):
        x = i / n
        cutoff = cutoff_from if cutoff_to is None else cutoff_from * (cutoff_to / cutoff_from) ** x
        k = 1 - math.exp(-2 * math.pi * cutoff / RATE)
        low += k * (rnd.uniform(-1, 1) - low)
        low2 += k * (low - low2)
        out.append(low2 * (envelope(x) if envelope else 1.0))
    return out


def mix(*parts):
    """Sums (offset in seconds, samples, gain) triples into one track."""
    length = max(int(off * RATE) + len(s) for off, s, _ in parts)
    out = [0.0] * length
    for off, samples, gain in parts:
        start = int(off * RATE)
        for i, s in enumerate(samples):
            out[start + i] += gain * s
    return out


def finish(samples, peak_db=-6.0, fade_in=0.002, fade_out=0.015):
    """Fades both ends, then normalises to the peak level."""
    n = len(samples)
    fi, fo = int(fade_in * RATE), int(fade_out * RATE)
    faded = []
    for i, s in enumerate(samples):
        env = 1.0
        if i < fi:
            env = i / fi
        if i >= n - fo:
            env = min(env, (n - 1 - i) / fo)
        faded.append(s * env)
    gain = 10 ** (peak_db / 20) / (max(abs(s) for s in faded) or 1.0)
    return [s * gain for s in faded]


BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4.2, 0.06))
SOFT = ((1, 1.0), (2, 0.2), (3, 0.05))
BRASS = ((1, 1.0), (2, 0.6), (3, 0.45), (4, 0.3), (5, 0.18), (6, 0.1))
ORGAN = ((1, 1.0), (2, 0.5), (4, 0.15))


def win_chime():
    """A rising bell arpeggio that rings out together: the game is won."""
    notes = ["C6", "E6", "G6", "C7"]
    parts = [(0.08 * i, tone(note_hz(n), 1.05 - 0.08 * i, BELL, decay=0.35, release=0.15), 1.0)
             for i, n in enumerate(notes)]
    parts.append((0.32, tone(note_hz("E7"), 0.73, BELL, decay=0.2, release=0.15), 0.35))
    return finish(mix(*parts))


def row_drop():
    """A soft, falling thud with a light wooden top: a guess lands on the board."""
    thud = tone(170, 0.16, ((1, 1.0), (2, 0.15)), attack=0.002, decay=0.045, glide_to=70)
    knock = tone(520, 0.05, ((1, 1.0),), attack=0.001, decay=0.012)
    rustle = noise(0.04, 1, 1800, 400, lambda x: (1 - x) ** 2)
    return finish(mix((0, thud, 1.0), (0, knock, 0.3), (0, rustle, 0.5)))


def new_game():
    """Two rising notes: off we go."""
    first = tone(note_hz("G5"), 0.14, SOFT, attack=0.008, decay=0.12, release=0.03)
    second = tone(note_hz("C6"), 0.26, SOFT, attack=0.008, decay=0.15, release=0.08)
    return finish(mix((0, first, 1.0), (0.12, second, 1.0)))


def tick():
    """A very short, soft tick: a letter is typed."""
    click = tone(2200, 0.03, ((1, 1.0), (1.5, 0.3)), attack=0.0008, decay=0.005, release=0.004)
    grain = noise(0.012, 2, 5000, 2000, lambda x: (1 - x) ** 3)
    return finish(mix((0, click, 1.0), (0, grain, 0.4)), peak_db=-10, fade_in=0.0005,
                  fade_out=0.004)


def reverse_tick():
    """The tick backwards and a little lower: it swells and stops. A letter is taken back."""
    forward = tone(1600, 0.05, ((1, 1.0), (1.5, 0.3)), attack=0.0008, decay=0.012, release=0.0)
    return finish(forward[::-1], peak_db=-10, fade_in=0.001, fade_out=0.006)


def dull_knock():
    """A dull, low knock: that key or click does nothing here."""
    body = tone(150, 0.13, ((1, 1.0), (2.3, 0.35), (3.1, 0.1)), attack=0.001, decay=0.03)
    thump = noise(0.05, 3, 700, 250, lambda x: (1 - x) ** 2)
    return finish(mix((0, body, 1.0), (0, thump, 0.6)))


def fanfare():
    """A small brass fanfare, ta-ta-ta-taa: the hall of fame."""
    parts = []
    at = 0.0
    for name, length in (("G4", 0.11), ("C5", 0.11), ("E5", 0.11), ("G5", 0.55)):
        horn = tone(note_hz(name), length, BRASS, attack=0.015, decay=0.6 if length > 0.2 else None,
                    release=0.05 if length < 0.2 else 0.2, vibrato=0.08 if length > 0.2 else 0.0)
        parts.append((at, horn, 1.0))
        at += length + 0.02
    parts.append((at - 0.57, tone(note_hz("C5"), 0.55, BRASS, attack=0.02, decay=0.6,
                                  release=0.2), 0.5))
    parts.append((at - 0.57, tone(note_hz("E5"), 0.55, BRASS, attack=0.02, decay=0.6,
                                  release=0.2), 0.4))
    return finish(mix(*parts))


def goodbye():
    """A falling bell arpeggio that settles: the program closes."""
    notes = ["C6", "G5", "E5", "C5"]
    parts = [(0.1 * i, tone(note_hz(n), 0.7 - 0.1 * i, BELL, decay=0.18, release=0.1), 1.0)
             for i, n in enumerate(notes)]
    return finish(mix(*parts), fade_out=0.05)


def window_open():
    """A soft rising swoosh that opens into a gentle major chord: a window opens."""
    swoosh = noise(0.35, 4, 300, 3000, lambda x: math.sin(math.pi * x) ** 2)
    chord = [tone(note_hz(n), 0.4, SOFT, attack=0.08, decay=0.25, release=0.12)
             for n in ("F5", "A5", "C6")]
    return finish(mix((0, swoosh, 0.8), (0.2, chord[0], 0.3), (0.2, chord[1], 0.3),
                      (0.2, chord[2], 0.3)))


def window_close():
    """A short falling swoosh with a soft low note: a window goes away."""
    swoosh = noise(0.22, 5, 2500, 300, lambda x: math.sin(math.pi * min(1.0, x * 1.3)) ** 2
                   if x < 0.77 else 0.0)
    low = tone(note_hz("C5"), 0.18, SOFT, attack=0.02, decay=0.07, release=0.05, glide_to=note_hz("G4"))
    return finish(mix((0, swoosh, 1.0), (0.05, low, 0.25)), fade_out=0.03)


def question():
    """Two tones going up, like a raised voice: are you sure?"""
    low = tone(note_hz("E5"), 0.16, ORGAN, attack=0.01, release=0.04)
    high = tone(note_hz("A5"), 0.26, ORGAN, attack=0.01, decay=0.3, release=0.1)
    return finish(mix((0, low, 1.0), (0.17, high, 1.0)))


def sly_question():
    """A sneaky tiptoe figure in minor ending on a bent, wobbly question: shall we cheat?"""
    parts = []
    for i, name in enumerate(("E5", "D#5", "E5", "G5")):
        pluck = tone(note_hz(name), 0.09, ((1, 1.0), (2, 0.4), (3, 0.2)), attack=0.002,
                     decay=0.035, release=0.02)
        parts.append((0.09 * i, pluck, 0.9))
    bend = tone(note_hz("A#5"), 0.32, ORGAN, attack=0.02, decay=0.4, release=0.1,
                glide_to=note_hz("B5"), vibrato=0.35)
    parts.append((0.38, bend, 0.8))
    return finish(mix(*parts))


def sound_on():
    """A small quick blip upwards: sound is on."""
    blip = tone(700, 0.08, SOFT, attack=0.004, release=0.02, glide_to=1400)
    return finish(blip, fade_out=0.02)


def about_chord():
    """A warm major-seventh chord, gently spread: about the program."""
    notes = ["C5", "E5", "G5", "B5", "E6"]
    parts = [(0.05 * i, tone(note_hz(n), 0.9 - 0.05 * i, BELL, attack=0.01, decay=0.4,
                             release=0.2), 1.0) for i, n in enumerate(notes)]
    return finish(mix(*parts))


CLIPS = {
    4000: win_chime,
    4001: row_drop,
    4002: new_game,
    4003: tick,
    4004: reverse_tick,
    4005: dull_knock,
    4006: fanfare,
    4007: goodbye,
    4008: window_open,
    4009: window_close,
    4010: question,
    4011: sly_question,
    4012: sound_on,
    4013: about_chord,
}


def write_wave(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, round(s * 32767))))
                                 for s in samples))


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for clip_id, make in CLIPS.items():
        samples = make()
        write_wave(os.path.join(OUT_DIR, f"{clip_id}.wav"), samples)
        print(f"{clip_id}.wav  {len(samples) / RATE:.3f} s  {make.__doc__.splitlines()[0]}")


if __name__ == "__main__":
    main()
