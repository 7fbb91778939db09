#!/usr/bin/env python3
"""Writes the seed inputs of the VERSION-file fuzz targets.

Each seed is a whole VERSION chunk file: a 16-byte header ("VERS", format version,
"COME", comment length L), L comment bytes, a 16-byte version chunk ("VERS", length 8,
8-byte payload) and a 12-byte language chunk ("CNCD", length 4, 4-byte payload), all
32-bit fields little-endian. The seeds cover the valid layouts and the damaged ones
that readers must refuse without reading outside the file. The chunk-parser target
(version_chunk/) gets them all. The detection target (detection/) gets those that
exercise reading through the stick's files: valid files, short reads and seeks far past
the end. Each of its runs costs file system calls (half a millisecond under Wine), so
its corpus stays small enough for the replay test. The output is the same on every
run.

Usage: make_version_corpus.py   (writes next to this script)
"""
import pathlib
import struct

AIBOMIND = bytes([0x00, 0x01, 0x70, 0xFF, 0x02, 0x01, 0x00, 0x00])
RCODE = bytes([0x00, 0x01, 0x74, 0xFF, 0x01, 0x00, 0x00, 0x00])
REMOTE_FRAMEWORK = bytes([0x00, 0x01, 0x76, 0xFF, 0x00, 0x00, 0x00, 0x00])
UNKNOWN = bytes([0x00, 0x01, 0x71, 0xFF, 0x00, 0x00, 0x00, 0x00])
ENGLISH = 3
JAPANESE = 2


def header(comment_length, format_version=1):
    return b"VERS" + struct.pack("<I", format_version) + b"COME" + struct.pack("<I", comment_length)


def version_chunk(payload):
    return b"VERS" + struct.pack("<I", len(payload)) + payload


def language_chunk(code, length=4):
    return b"CNCD" + struct.pack("<I", length) + bytes([code]) + bytes(length - 1)


def version_file(comment, payload, language=None, format_version=1):
    data = header(len(comment), format_version) + comment + version_chunk(payload)
    if language is not None:
        data += language_chunk(language)
    return data


def seeds():
    aibomind = version_file(b"AiboMind 3 application\0", AIBOMIND, ENGLISH)
    return {
        "aibomind_with_comment": aibomind,
        "comment_length_zero": version_file(b"", RCODE, JAPANESE),
        "no_language_chunk": version_file(b"Remote Framework\0", REMOTE_FRAMEWORK),
        "language_chunk_length_5": version_file(b"", AIBOMIND) + language_chunk(ENGLISH, 5),
        "unknown_signature": version_file(b"", UNKNOWN, ENGLISH),
        "truncated_in_version_chunk": aibomind[:len(aibomind) - 20],
        "format_version_2": version_file(b"comment", AIBOMIND, ENGLISH, format_version=2),
        # 16 + L lands on the largest signed 32-bit offset, one past it, and past 4 GiB.
        "comment_length_7fffffef": header(0x7FFFFFEF) + version_chunk(AIBOMIND) + language_chunk(ENGLISH),
        "comment_length_7ffffff0": header(0x7FFFFFF0) + version_chunk(AIBOMIND) + language_chunk(ENGLISH),
        "comment_length_fffffff0": header(0xFFFFFFF0) + version_chunk(AIBOMIND) + language_chunk(ENGLISH),
        "empty": b"",
    }


DETECTION_SEEDS = (
    "aibomind_with_comment",
    "comment_length_zero",
    "no_language_chunk",
    "truncated_in_version_chunk",
    "format_version_2",
    "comment_length_7fffffef",
    "comment_length_7ffffff0",
    "comment_length_fffffff0",
)


def write_seeds(directory, names):
    directory.mkdir(exist_ok=True)
    for name, data in seeds().items():
        if name in names:
            (directory / name).write_bytes(data)


def main():
    here = pathlib.Path(__file__).resolve().parent
    write_seeds(here / "version_chunk", seeds().keys())
    write_seeds(here / "detection", DETECTION_SEEDS)


if __name__ == "__main__":
    main()
