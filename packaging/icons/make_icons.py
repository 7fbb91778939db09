#!/usr/bin/env python3
"""Writes Morvane's icon for Linux and macOS from the drawing of the Windows icon.

The picture is the one app/win32/res/make_icon.py draws for Morvane.ico; this script
only stores it in other forms: morvane-48.png and morvane-256.png for the freedesktop
icon theme, and Morvane.icns for the macOS bundle (PNG images typed ic07, ic08 and ic09:
128, 256 and 512 pixels).

Usage: python3 make_icons.py [FOLDER]   (default: the folder of this script)
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "win32", "res"))
import make_icon  # noqa: E402  (the drawing, shared with the Windows icon)

PNG_SIZES = (48, 256)
ICNS_TYPES = ((b"ic07", 128), (b"ic08", 256), (b"ic09", 512))


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_file(size):
    """The icon at `size` pixels as an 8-bit RGBA PNG."""
    raw = b"".join(b"\0" + bytes(channel for b, g, r, a in row for channel in (r, g, b, a))
                   for row in make_icon.render(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def icns_file():
    """An icns container: its header, then one PNG element per size."""
    elements = b"".join(kind + struct.pack(">I", 8 + len(png)) + png
                        for kind, png in ((kind, png_file(size)) for kind, size in ICNS_TYPES))
    return b"icns" + struct.pack(">I", 8 + len(elements)) + elements


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for size in PNG_SIZES:
        with open(os.path.join(folder, f"morvane-{size}.png"), "wb") as out:
            out.write(png_file(size))
    with open(os.path.join(folder, "Morvane.icns"), "wb") as out:
        out.write(icns_file())


if __name__ == "__main__":
    main()
