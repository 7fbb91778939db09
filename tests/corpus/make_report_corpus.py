#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets of the report readers and the line reader.

Each seed is one whole stick file, in the layouts the sample-stick generator writes:

versions_dump/     VERSION chunk files: a 16-byte header ("VERS", format version 1,
                   "COME", comment length L), L comment bytes, a version chunk ("VERS",
                   length 8, 8 payload bytes) and a language chunk ("CNCD", length 4, 4
                   payload bytes). Valid files, and files too short, of another format
                   version, with a wrong chunk length, and with comment lengths that move
                   the position far past the end or, as a negative offset, before the
                   start.
line_reader/       text read line by line: CR LF lines, LF-only lines, a last line
                   without a line end, a line longer than one read, a lone CR, and binary
                   bytes with NULs.
voice_commands/    ARRMAIN.BIN: "arrc" and 12 more header bytes, then records of a 16-byte
                   entry header (marker 0, 4 unused bytes, command id, item count) and
                   8-byte items whose first word holds the phoneme index, ended by a
                   header whose marker is not 0. Valid files, an item count of 0x7FFFFFFF,
                   a negative count, an item cut short, and a file without records.
custom_name/       custom\\comments.ini: a [CUSTOM] section with a NAME= line, in CR LF and
                   LF-only text, without a line end, with a name longer than one read,
                   with the name outside the section, and binary bytes.
custom_data_table/ CUS.CFG: a heading line and rows of six TAB-separated fields, in CR LF
                   and LF-only text, a last row without a line end, a row with four TABs,
                   a row longer than one read, and binary bytes.

All 32-bit fields are little-endian. Every replay rewrites a stick file per input, which
is slow under Wine, so each folder holds only a few seeds. The output is the same on
every run.

Usage: make_report_corpus.py   (writes next to this script)
"""
import struct

from corpus_seeds import write_seeds

AIBOMIND = bytes([0x00, 0x01, 0x70, 0xFF, 0x02, 0x01, 0x00, 0x00])
ENGLISH = 3
DOG_NAME = 1
OWNER_NAME = 256
END_MARKER = 0xFFFFFFFF
GARBAGE = bytes((i * 151 + 7) & 0xFF for i in range(200))


def u32(value):
    return struct.pack("<I", value & 0xFFFFFFFF)


def version_file(comment, comment_length=None, format_version=1, vers_length=8, cncd_length=4):
    length = len(comment) if comment_length is None else comment_length
    return (b"VERS" + u32(format_version) + b"COME" + u32(length) + comment
            + b"VERS" + u32(vers_length) + AIBOMIND
            + b"CNCD" + u32(cncd_length) + bytes([ENGLISH, 0, 0, 0]))


def versions_dump_seeds():
    valid = version_file(b"AiboMind 3 application\0")
    return {
        "with_comment": valid,
        "comment_length_zero": version_file(b""),
        "too_small": valid[:10],
        "format_version_2": version_file(b"", format_version=2),
        "vers_length_7": version_file(b"", vers_length=7),
        "cncd_length_5": version_file(b"", cncd_length=5),
        "comment_length_7fffffff": version_file(b"", comment_length=0x7FFFFFFF),
        "comment_length_80000000": version_file(b"", comment_length=0x80000000),
    }


def crlf(lines, last_line_end=True):
    text = "\r\n".join(lines) + ("\r\n" if last_line_end else "")
    return text.encode("ascii")


def lf(lines):
    return ("\n".join(lines) + "\n").encode("ascii")


def line_reader_seeds():
    settings = ["HOSTNAME=BISCUIT", "ESSID=SAMPLE-LAN", "DHCP=0", "IP=192.168.0.57"]
    return {
        "crlf_lines": crlf(settings),
        "lf_only_lines": lf(settings * 8),
        "last_line_without_line_end": crlf(settings, last_line_end=False),
        "line_longer_than_one_read": crlf(["ESSID=" + "x" * 300, "DHCP=1"]),
        "lone_cr": b"ESSID=dog\rXDHCP=1\r\n\r",
        "binary": GARBAGE,
    }


def entry_header(marker, command_id, items):
    return u32(marker) + u32(0) + u32(command_id) + u32(items)


def voice_file(records, end=True):
    data = b"arrc" + bytes(12)
    for command_id, phonemes in records:
        data += entry_header(0, command_id, len(phonemes))
        data += b"".join(u32(phoneme) + u32(0) for phoneme in phonemes)
    return data + (entry_header(END_MARKER, 0, 0) if end else b"")


def voice_commands_seeds():
    dog = (DOG_NAME, [9, 2, 27, 11, 18, 29, 0, 24, 14])
    owner = (OWNER_NAME, [32, 14, 43, 65535])
    valid = voice_file([dog, owner])
    return {
        "dog_and_owner": valid,
        "item_count_7fffffff": voice_file([], end=False) + entry_header(0, 300, 0x7FFFFFFF) + u32(2) + u32(0),
        "item_count_negative": voice_file([(65537, [])], end=False) + entry_header(0, 5, 0x80000000),
        "item_cut_short": valid[:16 + 16 + 8 * 9 + 16 + 8 + 3],
        "no_record": voice_file([]),
    }


def custom_name_seeds():
    name = "Clockwork Terrier"
    return {
        "crlf": crlf(["[CUSTOM]", "NAME=" + name]),
        "lf_only": lf(["[Custom]", "NAME=wrong", "[custom]", "name=" + name]),
        "without_line_end": crlf(["; comments", "[CUSTOM]", "NAME=" + name], last_line_end=False),
        "name_longer_than_one_read": crlf(["[CUSTOM]", "NAME=" + "R" * 200]),
        "name_outside_section": crlf(["NAME=" + name, "[CUSTOM]", "[OTHER]", "NAME=" + name]),
        "binary": b"[CUSTOM]\r\nNAME=\0" + GARBAGE,
    }


def table(rows):
    return ["\t".join(row) for row in rows]


def custom_data_table_seeds():
    rows = table([
        ["Group", "No", "Name", "Type", "Value", "Note"],
        ["Motion", "1", "TailWagSpeed", "int", "3", "how fast the tail wags"],
        ["Sound", "2", "BarkVolume", "int", "2", "volume step of a bark"],
    ])
    return {
        "crlf": crlf(rows),
        "lf_only": lf(rows),
        "last_row_without_line_end": crlf(rows, last_line_end=False),
        "row_with_four_tabs": crlf(rows[:2] + ["a\tb\tc\td\te"] + rows[2:]),
        "row_longer_than_one_read": crlf(rows[:1] + ["\t".join(["x" * 30] * 6)] + rows[1:]),
        "binary": rows[0].encode("ascii") + b"\r\n" + GARBAGE,
    }



def main():
    write_seeds("versions_dump", versions_dump_seeds())
    write_seeds("line_reader", line_reader_seeds())
    write_seeds("voice_commands", voice_commands_seeds())
    write_seeds("custom_name", custom_name_seeds())
    write_seeds("custom_data_table", custom_data_table_seeds())


if __name__ == "__main__":
    main()
