#!/usr/bin/env python3
"""The program's GB18030 codec writes and reads what Python's gb18030 codec does: every code point's bytes,
and every two-byte and four-byte sequence around the edges of the valid ones, read or refused alike.

Usage: gb18030_reference_test.py <Gb18030Probe program>
"""

import struct
import subprocess
import sys

PROBE = sys.argv[1]
CODE_POINTS = [*range(0xD800), *range(0xE000, 0x110000)]


def probe(mode, data):
    return subprocess.run([PROBE, mode], input=data, capture_output=True)


def python_reading(data):
    try:
        return data.decode("gb18030")
    except UnicodeDecodeError:
        return None


def check_encode(failures):
    text = "".join(map(chr, CODE_POINTS))
    run = probe("encode", text.encode("utf-16-le"))
    if run.returncode != 0 or run.stdout != text.encode("gb18030"):
        at, written = 0, run.stdout
        for code_point in CODE_POINTS:
            expected = chr(code_point).encode("gb18030")
            if written[at : at + len(expected)] != expected:
                failures.append(f"U+{code_point:04X} written as {written[at:at + 4].hex()}, not {expected.hex()}")
                return
            at += len(expected)
        failures.append(f"encode exited {run.returncode}")
    for lone in ("\ud800", "a\udc00b", "\udbff"):
        if probe("encode", lone.encode("utf-16-le", "surrogatepass")).returncode != 1:
            failures.append(f"an unpaired surrogate in {lone!r} was encoded")


def sequences():
    everything = "".join(map(chr, CODE_POINTS)).encode("gb18030")
    yield everything
    yield from (bytes([b]) for b in range(0x100))
    for lead in range(0x80, 0x100):
        yield from (bytes([lead, b]) for b in range(0x100))
        yield from (bytes([lead, d, b]) for d in (0x30, 0x39) for b in range(0x80, 0x100))
    for lead in (0x81, 0x84, 0x85, 0x8F, 0x90, 0xE3, 0xE4, 0xFD, 0xFE):
        for digit in range(0x2F, 0x3B):
            for third in range(0x80, 0x100):
                yield from (bytes([lead, digit, third, b]) for b in range(0x2F, 0x3B))


def check_decode(failures):
    cases = list(sequences())
    run = probe("decode", b"".join(struct.pack("<I", len(c)) + c for c in cases))
    out, at = run.stdout, 0
    for case in cases:
        valid = out[at] == 1
        (length,) = struct.unpack_from("<I", out, at + 1)
        text = out[at + 5 : at + 5 + 2 * length].decode("utf-16-le", "surrogatepass")
        at += 5 + 2 * length
        expected = python_reading(case)
        if valid != (expected is not None) or (valid and text != expected):
            failures.append(f"{case[:8].hex()} read as {text[:4]!r} (valid: {valid}), Python: {expected!r}"[:200])
            if len(failures) > 20:
                return


def main():
    failures = []
    check_encode(failures)
    check_decode(failures)
    print("\n".join(failures) or "the codec matches Python's gb18030")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
