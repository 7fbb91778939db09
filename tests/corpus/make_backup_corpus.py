#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz target of a backup's manifest, MORVANE-BACKUP.sha256.

backup_manifest/   sha256sum's format: per file 64 lower-case hexadecimal digits, two
                   blanks and the path with '/' between its parts, LF-ended. A manifest
                   as a backup writes it (paths with blanks and UTF-8 letters), one in
                   binary mode ('*' before the path) with CR LF lines and upper-case
                   digits, one whose second line has a digit too few, one whose path ends
                   in a carriage return before the CR LF, one whose path leads out of the
                   stick, an empty one, and binary bytes.

The output is the same on every run.

Usage: make_backup_corpus.py   (writes next to this script)
"""
from corpus_seeds import write_seeds

EMPTY = "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"
ABC = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"


def manifest_seeds():
    written = f"{EMPTY}  MEMSTICK.IND\n{ABC}  OPEN-R/APP/abc.txt\n{ABC}  Photos of M\u00fcller/a b.JPG\n"
    return {
        "as_written": written.encode("utf-8"),
        "binary_mode_crlf": f"{EMPTY.upper()} *MEMSTICK.IND\r\n{ABC} *OPEN-R/APP/abc.txt\r\n".encode(),
        "digit_missing": f"{EMPTY}  MEMSTICK.IND\n{ABC[1:]}  OPEN-R/APP/abc.txt\n".encode(),
        "path_ending_in_cr": f"{EMPTY.upper()} *\r\r\nba81t\r\n".encode(),
        "path_leaving_the_stick": f"{EMPTY}  MEMSTICK.IND\n{ABC}  OPEN-R/../../x\n".encode(),
        "empty": b"",
        "binary": bytes((i * 151 + 7) & 0xFF for i in range(200)),
    }


if __name__ == "__main__":
    write_seeds("backup_manifest", manifest_seeds())
