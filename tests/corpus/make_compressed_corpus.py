#!/usr/bin/env python3
"""Writes the seed inputs of the compressed stick file fuzz target.

compressed_file/ gets stick files as the robot stores them and damaged ones: a
VOLUME.CFG gzip member naming its file (lower-case digits, extra lines), one with a
comment and an extra field, two members in a row, a member followed by other bytes, an
empty member, one cut short, one whose CRC or length is wrong, a plain file and a plain
file that starts like gzip but is not deflate.

The output is the same on every run.

Usage: make_compressed_corpus.py   (writes next to this script)
"""
import struct
import zlib

from corpus_seeds import write_seeds

ROBOT_VOLUME = (b"0x8000 0x8000\r\n0xe700 0xe400\r\n0xf600 0xf300\r\n0xfe00 0xfb00\r\n"
                b"MIDI_Master_Tune:8\r\nPlaying_Rcg_Volume:0x8000\r\nDoInit_Wait_Time:16000\r\n\r\n\r\n")


def member(content, name=b"VOLUME.CFG", comment=None, extra=None):
    flags = (0x08 if name else 0) | (0x10 if comment else 0) | (0x04 if extra else 0)
    header = struct.pack("<BBBBIBB", 0x1F, 0x8B, 8, flags, 0, 0, 0)
    if extra:
        header += struct.pack("<H", len(extra)) + extra
    if name:
        header += name + b"\0"
    if comment:
        header += comment + b"\0"
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
    data = compressor.compress(content) + compressor.flush()
    return header + data + struct.pack("<II", zlib.crc32(content), len(content) & 0xFFFFFFFF)


def seeds():
    robot = member(ROBOT_VOLUME)
    return {
        "robot_volume": robot,
        "comment_and_extra": member(ROBOT_VOLUME, comment=b"robot", extra=b"AB\x02\x00xy"),
        "two_members": member(b"0x8000 0x8000\r\n") + member(b"0xE700 0xE400\r\n", name=None),
        "trailing_bytes": robot + b"\0\0junk",
        "empty_member": member(b""),
        "cut_short": robot[: len(robot) // 2],
        "bad_crc": robot[:-8] + struct.pack("<II", 0, len(ROBOT_VOLUME)),
        "bad_length": robot[:-4] + struct.pack("<I", len(ROBOT_VOLUME) + 1),
        "plain": ROBOT_VOLUME,
        "magic_not_deflate": b"\x1f\x8b\x07\x00plain text",
    }


if __name__ == "__main__":
    write_seeds("compressed_file", seeds())
