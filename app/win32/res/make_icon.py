#!/usr/bin/env python3
"""Draws Morvane's program icon and writes it as a multi-size Windows icon.

The picture: a memory stick (a light card with a clipped corner, contacts at its foot
and an orange label) on a rounded dark-blue square. Shapes are described in a unit
square and sampled 4 x 4 times per pixel, so every size gets smooth edges.

Usage: python3 make_icon.py [OUTPUT]   (default: Morvane.ico beside this script)
"""
import os
import struct
import sys

SIZES = (16, 24, 32, 48)
SAMPLES = 4

BACKGROUND = (28, 52, 110)
STICK = (232, 236, 242)
LABEL = (240, 140, 30)
CONTACT = (150, 158, 170)


def in_rounded_square(x, y, radius=0.18):
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_stick(x, y):
    left, right, top, bottom = 0.28, 0.72, 0.12, 0.88
    clip = 0.14  # the clipped top-right corner
    if not (left <= x <= right and top <= y <= bottom):
        return False
    return not (x - (right - clip)) > (y - top)


def colour_at(x, y):
    """The colour of one sample point, or None outside the icon."""
    if not in_rounded_square(x, y):
        return None
    if in_stick(x, y):
        if 0.34 <= x <= 0.60 and 0.26 <= y <= 0.46:
            return LABEL
        if 0.74 <= y <= 0.84 and 0.33 <= x <= 0.67 and int((x - 0.33) / 0.0425) % 2 == 0:
            return CONTACT
        return STICK
    return BACKGROUND


def render(size):
    """Rows of (b, g, r, a) from top to bottom."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if colour is not None:
                        covered += 1
                        total = [t + c for t, c in zip(total, colour)]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                r, g, b = (round(t / covered) for t in total)
                row.append((b, g, r, round(255 * covered / SAMPLES ** 2)))
        rows.append(row)
    return rows


def bitmap_entry(size):
    """One icon image: a 32-bit DIB (height doubled for the mask) and its AND mask."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(channel for pixel in row for channel in pixel) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def icon_file(sizes):
    images = [bitmap_entry(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "Morvane.ico")
    with open(output, "wb") as out:
        out.write(icon_file(SIZES))


if __name__ == "__main__":
    main()
