#!/usr/bin/env python3
"""Writes the seed inputs of the editor and viewer fuzz targets.

volume_config/ gets VOLUME.CFG texts: the Default file with CR LF line ends, the four
pairs on one line, lower-case digits with tabs and lone LF, a pair whose companion is
wrong, three pairs only, an over-long number and an empty file.

color_table/ gets tr.ct files: a 1280-byte table of grey and coloured slices, the
1296-byte form the robot writes, and one cut to 1279 bytes.

face_database/ gets FIFDATA.BIN files: the 40-byte header with N = 0 (variants 2 and
6), two records with names and pictures, a name without a zero byte, a file one byte
too long, a wrong magic and a wrong variant.

The output is the same on every run.

Usage: make_dialog_corpus.py   (writes next to this script)
"""
import struct

from corpus_seeds import write_seeds

DEFAULT_PAIRS = ["0x8000 0x8000", "0xE700 0xE400", "0xF600 0xF300", "0xFE00 0xFB00"]


def volume_seeds():
    crlf = "\r\n".join(DEFAULT_PAIRS + ["MIDI_Master_Tune:8", "", ""])
    return {
        "default_crlf": crlf.encode(),
        "one_line": " ".join(DEFAULT_PAIRS).encode(),
        "lower_case_tabs": b"\t0x8000\t0x8000\n0xe780 0xe480\n0xc000\t0xbd00\n  0xff00 0xfc00\n",
        "bad_companion": b"0x9000 0x9000\r\n0xE700 0xE400\r\n0xF600 0xF300\r\n0xFE00 0xFB00\r\n",
        "three_pairs": "\r\n".join(DEFAULT_PAIRS[:3]).encode(),
        "long_number": b"0x0000000000008000 0x8000 0x1000000000 0x1 0xF600 0xF300 0xFE00 0xFB00",
        "empty": b"",
    }


def color_table(size):
    table = bytearray(1296)
    for k in range(8):
        for s in range(32):
            offset = 144 * (k + 1) + 4 * s
            if k == 0:
                table[offset:offset + 4] = bytes([128, 128, 128, 128])
            else:
                table[offset:offset + 4] = bytes([(k * 31 + s) % 256, (k * 17 + 3 * s) % 256,
                                                  (255 - k * 23) % 256, (s * 8) % 256])
    return bytes(table[:size])


def color_seeds():
    return {"table_1280": color_table(1280), "table_1296": color_table(1296), "table_1279": color_table(1279)}


def fif_header(variant, count):
    number = 72 if variant == 2 else 120
    return b"FIF2" + struct.pack("<9I", 256, 8, 6, variant, count, 696, 0, number, 30)


def face_record(name, shade):
    record = bytearray(728)
    record[16:16 + len(name)] = name
    record[137:137 + 432] = bytes((shade + i) % 256 for i in range(432))
    return bytes(record)


def face_seeds():
    two = fif_header(2, 2) + face_record(b"facem", 0) + face_record(b"d0", 100)
    nameless_end = fif_header(6, 1) + face_record(b"N" * 121, 50)
    return {
        "empty_variant_2": fif_header(2, 0),
        "empty_variant_6": fif_header(6, 0),
        "two_faces": two,
        "name_without_zero": nameless_end,
        "one_byte_too_long": two + b"\x00",
        "wrong_magic": b"FIF3" + two[4:],
        "wrong_variant": fif_header(2, 2)[:16] + struct.pack("<I", 4) + two[20:],
    }



def main():
    write_seeds("volume_config", volume_seeds())
    write_seeds("color_table", color_seeds())
    write_seeds("face_database", face_seeds())


if __name__ == "__main__":
    main()
