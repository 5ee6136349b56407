#!/usr/bin/env python3
"""Writes the game's two short sounds as 16-bit mono PCM WAV files.

Microwave.wav: the end-of-turn "ding", a bell tone that dies away.
OK3.wav: the new-high-score chime, three rising notes.

Both are synthesised here from sine waves, so they are our own; running the
script again gives the same bytes.
"""
import math
import os
import struct
import wave

RATE = 22050
HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sounds")


def tone(freq, seconds, decay, partials=((1.0, 1.0),)):
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t) * min(1.0, i / (0.005 * RATE))
        v = sum(a * math.sin(2 * math.pi * freq * m * t) for m, a in partials)
        out.append(env * v)
    return out


def write(name, samples):
    peak = max(abs(s) for s in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(round(s / peak * 0.8 * 32767))) for s in samples)
    with wave.open(os.path.join(HERE, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    os.makedirs(HERE, exist_ok=True)
    bell = ((1.0, 1.0), (2.76, 0.35), (5.4, 0.12))
    write("Microwave.wav", tone(1320, 0.9, 5.0, bell))
    chime = []
    for freq in (660, 880, 1320):
        chime += tone(freq, 0.16, 9.0, ((1.0, 1.0), (2.0, 0.2)))
    chime += tone(1320, 0.25, 8.0, ((1.0, 1.0), (2.0, 0.2)))
    write("OK3.wav", chime)


if __name__ == "__main__":
    main()
