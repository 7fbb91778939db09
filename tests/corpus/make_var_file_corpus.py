#!/usr/bin/env python3
"""Writes the seed inputs of the variable-file fuzz targets.

scrambled_vars/ gets whole GVAR, RVAR and DVAR files: a four-byte magic naming the
layout, N data bytes and one checksum byte, the XOR of every byte before it. The data
bytes are arbitrary here, because the checksum covers the bytes as stored; the key pads
only decide which values they descramble to. Besides one valid file per layout there
are damaged ones: a wrong checksum, a file cut short inside the data, an AiboMind1 magic
with only 200 data bytes, trailing bytes after the checksum, and an empty file.

flash_vars/ gets FVAR files: "FVAR" and 64 little-endian signed 32-bit values (260
bytes), with trailing bytes, cut short, and with a wrong magic.

The output is the same on every run.

Usage: make_var_file_corpus.py   (writes next to this script)
"""
import functools
import operator
import struct

from corpus_seeds import write_seeds

LAYOUTS = {
    "gvar_aibomind1": (bytes([0x45, 0x8E, 0x4D, 0x0D]), 256),
    "gvar_aibomind2": (bytes([0x43, 0xFF, 0x55, 0x0D]), 512),
    "rvar": (bytes([0x53, 0xB9, 0xC9, 0x0D]), 128),
    "dvar": (bytes([0x40, 0xAF, 0x00, 0x2D]), 556),
}


def scrambled(magic, data_bytes):
    data = bytes((i * 37 + 11) & 0xFF for i in range(data_bytes))
    stored = magic + data
    return stored + bytes([functools.reduce(operator.xor, stored, 0)])


def scrambled_seeds():
    seeds = {name: scrambled(*layout) for name, layout in LAYOUTS.items()}
    gvar = seeds["gvar_aibomind1"]
    seeds["gvar_bad_checksum"] = gvar[:-1] + bytes([gvar[-1] ^ 0x01])
    seeds["gvar_trailing_bytes"] = gvar + b"\x01\x02\x03"
    seeds["dvar_cut_short"] = seeds["dvar"][:300]
    seeds["gvar_aibomind1_200_data_bytes"] = gvar[:4 + 200]
    seeds["empty"] = b""
    return seeds


def flash_seeds():
    values = [1, 0, 1, 10000, 3000, 5000, 0, 7500, -1, 0, 123456] + [0] * 52 + [-2147483648]
    fvar = b"FVAR" + struct.pack("<64i", *values)
    return {
        "fvar": fvar,
        "fvar_trailing_bytes": fvar + b"\xff",
        "fvar_cut_short": fvar[:259],
        "fvar_wrong_magic": b"FVAX" + fvar[4:],
    }



def main():
    write_seeds("scrambled_vars", scrambled_seeds())
    write_seeds("flash_vars", flash_seeds())


if __name__ == "__main__":
    main()
