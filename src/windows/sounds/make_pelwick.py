#!/usr/bin/env python3
"""Writes pelwick.wav, the short chime the About window plays.

Two bell-like notes, G5 then C6, each with a soft attack and a gentle
decay: 16-bit mono PCM at 22050 Hz, about 0.8 seconds. The output is the
same on every run, so the committed file can be checked against it.

Usage: make_pelwick.py [OUTPUT]   (default: pelwick.wav beside this script)
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.8  # seconds
NOTES = [  # (start in seconds, frequency in Hz, loudness)
    (0.00, 783.99, 0.55),
    (0.16, 1046.50, 0.45),
]
PARTIALS = [(1.0, 1.0), (2.0, 0.25), (3.01, 0.08)]  # bell colour: (ratio, level)
ATTACK = 0.006
DECAY = 5.5  # per second


def note_sample(t, frequency, loudness):
    if t < 0:
        return 0.0
    envelope = min(1.0, t / ATTACK) * math.exp(-DECAY * t)
    tone = sum(level * math.sin(2 * math.pi * frequency * ratio * t) for ratio, level in PARTIALS)
    return loudness * envelope * tone


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "pelwick.wav")
    count = int(RATE * LENGTH)
    fade = int(RATE * 0.05)
    frames = bytearray()
    for i in range(count):
        t = i / RATE
        value = sum(note_sample(t - start, f, loud) for start, f, loud in NOTES)
        if i > count - fade:
            value *= (count - i) / fade  # end in silence, without a click
        value = max(-1.0, min(1.0, value * 0.8))
        frames += struct.pack("<h", int(round(value * 32767)))
    with wave.open(out, "wb") as wav:
        wav.setnchannels(1)
        wav.setsampwidth(2)
        wav.setframerate(RATE)
        wav.writeframes(bytes(frames))


if __name__ == "__main__":
    main()
