#!/usr/bin/env python3
"""Writes placeholder key pads for the scrambled variable files (GVAR, RVAR, DVAR).

The robot's own pads are not part of this repository. These placeholders have the same
shape, 1452 bytes: the GVAR pad of the 64-value layout (64 words), the GVAR pad of the
128-value layout (128 words), the RVAR pad (32 words) and the DVAR pad (139 words), each
word little-endian. Every byte is non-zero, so a missing descramble step changes every
value and the tests catch it. The output is the same on every run.

Usage: make_key_pads.py OUTPUT   (the repository keeps the result as data/key_pads.bin)
"""
import sys

PAD_WORDS = (64, 128, 32, 139)


def xorshift32(state):
    state ^= (state << 13) & 0xFFFFFFFF
    state ^= state >> 17
    state ^= (state << 5) & 0xFFFFFFFF
    return state


def pad_bytes(seed, words):
    state = seed
    out = bytearray()
    while len(out) < words * 4:
        state = xorshift32(state)
        byte = state & 0xFF
        if byte != 0:
            out.append(byte)
    return bytes(out)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    data = b"".join(pad_bytes(0x4D4F5256 + index, words) for index, words in enumerate(PAD_WORDS))
    assert len(data) == 1452
    with open(sys.argv[1], "wb") as output:
        output.write(data)


if __name__ == "__main__":
    main()
