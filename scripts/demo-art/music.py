#!/usr/bin/env python3
"""Writes the demo game's two soundtracks as Standard MIDI Files.

night.mid: a slow sea waltz in D minor for the stormy night, over the sound
of the sea. dawn.mid: a brighter tune in D major for the morning.
Usage: music.py OUTPUT_FOLDER
"""
import os
import struct
import sys

TICKS = 480  # per quarter note


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append((n & 0x7F) | 0x80)
        n >>= 7
    return bytes(reversed(out))


class Track:
    """Collects timed events and writes them as one MTrk chunk."""

    def __init__(self, channel, program, volume=100, name=""):
        self.channel = channel
        self.events = []  # (tick, order, bytes)
        if name:
            data = name.encode("ascii")
            self.events.append((0, 0, b"\xFF\x03" + vlq(len(data)) + data))
        self.events.append((0, 1, bytes([0xC0 | channel, program])))
        self.events.append((0, 1, bytes([0xB0 | channel, 7, volume])))

    def note(self, start_beats, length_beats, key, velocity):
        on = int(start_beats * TICKS)
        off = int((start_beats + length_beats) * TICKS) - 10
        self.events.append((on, 3, bytes([0x90 | self.channel, key, velocity])))
        self.events.append((off, 2, bytes([0x80 | self.channel, key, 0])))

    def chunk(self):
        data = b""
        now = 0
        for tick, _, body in sorted(self.events, key=lambda e: (e[0], e[1])):
            data += vlq(tick - now) + body
            now = tick
        data += vlq(0) + b"\xFF\x2F\x00"
        return b"MTrk" + struct.pack(">I", len(data)) + data


def tempo_track(bpm, numerator):
    t = Track(15, 0, name="tempo")
    t.events = [
        (0, 0, b"\xFF\x51\x03" + int(60_000_000 / bpm).to_bytes(3, "big")),
        (0, 0, b"\xFF\x58\x04" + bytes([numerator, 2, 24, 8])),
    ]
    return t


def write(path, tracks):
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS)
    with open(path, "wb") as f:
        f.write(header + b"".join(t.chunk() for t in tracks))


NOTE = {"C": 0, "C#": 1, "Db": 1, "D": 2, "D#": 3, "Eb": 3, "E": 4, "F": 5, "F#": 6,
        "Gb": 6, "G": 7, "G#": 8, "Ab": 8, "A": 9, "A#": 10, "Bb": 10, "B": 11}

CHORDS = {
    "Dm": ("D", "F", "A"), "Bb": ("Bb", "D", "F"), "C": ("C", "E", "G"), "Gm": ("G", "Bb", "D"),
    "A": ("A", "C#", "E"), "F": ("F", "A", "C"), "D": ("D", "F#", "A"), "Bm": ("B", "D", "F#"),
    "G": ("G", "B", "D"), "Em": ("E", "G", "B"),
}


def key(name, octave):
    return 12 * (octave + 1) + NOTE[name]


def melody(track, bars, beats_per_bar, start_bar, velocity, transpose=0):
    """bars: one list per bar of (note name with octave or None, beats)."""
    for b, bar in enumerate(bars):
        beat = (start_bar + b) * beats_per_bar
        for pitch, length in bar:
            if pitch:
                name, octave = pitch[:-1], int(pitch[-1])
                track.note(beat, length, key(name, octave) + transpose, velocity)
            beat += length


def accompany(pad, bass, harp, chords, beats_per_bar, start_bar, arpeggio):
    for b, chord in enumerate(chords):
        beat = (start_bar + b) * beats_per_bar
        root, third, fifth = CHORDS[chord]
        for n, octave in ((root, 3), (third, 3), (fifth, 3)):
            k = key(n, octave)
            if k < key("F", 3):
                k += 12
            pad.note(beat, beats_per_bar, k, 52)
        bass.note(beat, beats_per_bar * 0.75, key(root, 2), 80)
        if arpeggio:
            notes = [key(root, 4), key(fifth, 4), key(third, 5), key(fifth, 4)]
            steps = beats_per_bar * 2
            for i in range(steps):
                harp.note(beat + i * 0.5, 0.9, notes[i % len(notes)], 56)


def night(path):
    chords = ["Dm", "Dm", "Bb", "C", "Dm", "Gm", "A", "A",
              "F", "C", "Dm", "Bb", "Gm", "A", "Dm", "Dm"]
    tune = [
        [("A4", 2), ("D5", 1)], [("C5", 1), ("A4", 1), ("F4", 1)], [("G4", 2), ("F4", 1)], [("E4", 3)],
        [("A4", 2), ("D5", 1)], [("E5", 1), ("D5", 1), ("Bb4", 1)], [("A4", 1.5), ("G4", 0.5), ("E4", 1)],
        [("A4", 3)],
        [("C5", 2), ("A4", 1)], [("G4", 1.5), ("A4", 0.5), ("G4", 1)], [("F4", 1), ("E4", 1), ("D4", 1)],
        [("F4", 2), ("D4", 1)], [("G4", 1), ("Bb4", 1), ("D5", 1)], [("C#5", 2), ("A4", 1)], [("D5", 3)],
        [(None, 3)],
    ]
    flute = Track(0, 73, 92, "flute")
    pad = Track(1, 48, 70, "strings")
    bass = Track(2, 32, 90, "bass")
    harp = Track(3, 46, 80, "harp")
    sea = Track(4, 122, 70, "sea")
    melody(flute, tune, 3, 0, 84)
    melody(flute, tune, 3, 16, 92)
    accompany(pad, bass, harp, chords, 3, 0, False)
    accompany(pad, bass, harp, chords, 3, 16, True)
    sea.note(0, 96, key("C", 4), 70)
    write(path, [tempo_track(84, 3), flute, pad, bass, harp, sea])


def dawn(path):
    chords = ["D", "A", "Bm", "G", "D", "G", "A", "A",
              "G", "D", "Em", "A", "D", "G", "A", "D"]
    tune = [
        [("A4", 1), ("D5", 1), ("F#5", 2)], [("E5", 2), ("C#5", 1), ("A4", 1)],
        [("B4", 1.5), ("C#5", 0.5), ("D5", 2)], [("B4", 4)],
        [("A4", 1), ("D5", 1), ("F#5", 1), ("A5", 1)], [("G5", 2), ("F#5", 1), ("E5", 1)],
        [("E5", 1), ("F#5", 1), ("E5", 1), ("C#5", 1)], [("A4", 4)],
        [("B4", 2), ("D5", 2)], [("F#5", 2), ("A5", 2)], [("G5", 1.5), ("F#5", 0.5), ("E5", 2)],
        [("C#5", 2), ("E5", 2)], [("F#5", 1), ("E5", 1), ("D5", 2)], [("B4", 2), ("D5", 1), ("B4", 1)],
        [("C#5", 2), ("E5", 2)], [("D5", 4)],
    ]
    flute = Track(0, 73, 96, "flute")
    pad = Track(1, 48, 64, "strings")
    bass = Track(2, 32, 85, "bass")
    harp = Track(3, 46, 84, "harp")
    melody(flute, tune, 4, 0, 90)
    accompany(pad, bass, harp, chords, 4, 0, True)
    write(path, [tempo_track(96, 4), flute, pad, bass, harp])


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    night(os.path.join(out, "night.mid"))
    dawn(os.path.join(out, "dawn.mid"))
