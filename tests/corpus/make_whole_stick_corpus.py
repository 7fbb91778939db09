#!/usr/bin/env python3
"""Writes the seed inputs of the whole-stick fuzz target from the sample stick.

whole_stick/ gets stick descriptions (records of file number, flags, 16-bit length and
bytes, in the order of the target's file table): the sample stick with plain files, the
same with every file compressed, the same with names in lower case and some files
compressed, a development stick (marker and system VERSION only) and an empty stick.
HMMDATA.BIN, which only its size matters for, is cut to a few bytes.

Usage: make_whole_stick_corpus.py SAMPLE_STICK   (e.g. build/native/sample-stick)
"""
import pathlib
import struct
import sys

from corpus_seeds import write_seeds

# The fuzz target's table of stick files, in its order.
STICK_FILES = [
    "MEMSTICK.IND", "OPEN-R/APP/VERSION", "OPEN-R/SYSTEM/VERSION", "OPEN-R/MW/VERSION",
    "OPEN-R/APP/DATA/P/CUSVER", "OPEN-R/APP/DATA/E/HMMDATA.BIN", "CUSTOM/COMMENTS.INI",
    "OPEN-R/APP/DATA/P/CUS.CFG", "OPEN-R/APP/DATA/P/FVAR", "OPEN-R/APP/DATA/P/GVAR",
    "OPEN-R/APP/DATA/P/RVAR", "OPEN-R/APP/DATA/P/DVAR", "OPEN-R/APP/DATA/P/ARRMAIN.BIN",
    "OPEN-R/APP/DATA/P/ESCENE.BIN", "OPEN-R/SYSTEM/DATA/P/AIBO-ID",
    "OPEN-R/SYSTEM/CONF/WLANDFLT.TXT", "OPEN-R/SYSTEM/CONF/WLANCONF.TXT",
    "OPEN-R/SYSTEM/CONF/WLAN/HTML/WLANDFLT.TXT", "OPEN-R/SYSTEM/CONF/WLAN/HTML/WLANCONF.TXT",
    "OPEN-R/MW/CONF/VOLUME.CFG", "OPEN-R/APP/DATA/P/TR.CT", "OPEN-R/APP/DATA/P/FIFDATA.BIN",
]
COMPRESSED, LOWER_CASE = 1, 2


def record(number, flags, data):
    data = data[:0xFFFF]
    return struct.pack("<BBH", number, flags, len(data)) + data


def stick(sample, flags_of):
    seed = b""
    for number, name in enumerate(STICK_FILES):
        path = sample / name
        if path.is_file():
            data = path.read_bytes()
            if name.endswith("HMMDATA.BIN"):
                data = data[:16]
            seed += record(number, flags_of(number), data)
    return seed


def main():
    sample = pathlib.Path(sys.argv[1])
    if not (sample / "MEMSTICK.IND").is_file():
        sys.exit(f"{sample} is no sample stick; build the native preset first")
    write_seeds("whole_stick", {
        "sample_plain": stick(sample, lambda number: 0),
        "sample_compressed": stick(sample, lambda number: COMPRESSED),
        "sample_lower_case": stick(sample, lambda number: LOWER_CASE | (number % 2)),
        "sdk_stick": record(0, 0, b"") + record(2, 0, b"any"),
        "empty": b"",
    })


if __name__ == "__main__":
    main()
