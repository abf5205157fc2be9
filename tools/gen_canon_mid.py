#!/usr/bin/env python3
"""Writes data/Sounds/SoftMusic/Canon.mid: the ground bass and a simple upper voice of Pachelbel's canon
(in the public domain), played softly on a piano, about half a minute long."""
import pathlib
import struct

TICKS = 480  # per quarter note
BASS = [50, 45, 47, 42, 43, 38, 43, 45]  # D A B F# G D G A, one half note each
UPPER = [78, 76, 74, 73, 71, 69, 71, 73]  # F# E D C# B A B C#


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def track(events):
    data = b"".join(var_len(delta) + body for delta, body in events) + b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def voice(channel, notes, length, velocity, rounds):
    events = [(0, bytes([0xC0 | channel, 0]))]  # acoustic grand piano
    for _ in range(rounds):
        for note in notes:
            events.append((0, bytes([0x90 | channel, note, velocity])))
            events.append((length, bytes([0x80 | channel, note, 0])))
    return events


tempo = [(0, b"\xff\x51\x03" + (1_000_000).to_bytes(3, "big"))]  # 60 quarter notes a minute
header = b"MThd" + struct.pack(">IHHH", 6, 1, 3, TICKS)
song = header + track(tempo) + track(voice(0, BASS, 2 * TICKS, 60, 2)) + track(voice(1, UPPER, 2 * TICKS, 50, 2))
out = pathlib.Path(__file__).resolve().parent.parent / "data/Sounds/SoftMusic/Canon.mid"
out.write_bytes(song)
