#!/usr/bin/env python3
"""Draws Wayfinch.ico: a white question mark on a dark-green disc, at 32 x 32
and 16 x 16 pixels in the 16 standard colours, with a transparent corner mask.

The shapes are measured on a unit square and sampled 8 x 8 times per pixel,
so both sizes come from one drawing. Run it again after changing the picture
and commit the icon it writes beside itself:  python3 make_icon.py
"""
import math
import os
import struct

# The 16 standard colours, in the order Windows' 4-bit palette has them.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
DARK_GREEN, WHITE = 2, 15
SAMPLES = 8

DISC = (0.5, 0.5, 0.48)
HOOK_CENTRE, HOOK_RADIUS, STROKE = (0.5, 0.36), 0.17, 0.12
STEM_TOP, STEM_BOTTOM = 0.52, 0.66
DOT = (0.5, 0.80, 0.075)


def in_disc(x, y):
    cx, cy, r = DISC
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_mark(x, y):
    # The hook: a ring from the left, over the top, down to its bottom.
    dx, dy = x - HOOK_CENTRE[0], HOOK_CENTRE[1] - y
    angle = math.degrees(math.atan2(dy, dx))
    if abs(math.hypot(dx, dy) - HOOK_RADIUS) <= STROKE / 2 and (angle >= -90 and angle <= 165):
        return True
    if abs(x - 0.5) <= STROKE / 2 and STEM_TOP - STROKE / 2 <= y <= STEM_BOTTOM:
        return True
    cx, cy, r = DOT
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def coverage(test, px, py, size):
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if test((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def draw(size):
    """Rows top to bottom of (colour index, transparent)."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            if coverage(in_disc, px, py, size) < 0.5:
                row.append((0, True))
            elif coverage(in_mark, px, py, size) >= 0.45:
                row.append((WHITE, False))
            else:
                row.append((DARK_GREEN, False))
        rows.append(row)
    return rows


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def image(size):
    rows = draw(size)
    colour, mask = b"", b""
    for row in reversed(rows):  # bitmaps are stored bottom-up
        nibbles = bytes((row[i][0] << 4) | row[i + 1][0] for i in range(0, size, 2))
        colour += padded(nibbles)
        bits = bytearray((size + 7) // 8)
        for i, (_, clear) in enumerate(row):
            if clear:
                bits[i // 8] |= 0x80 >> (i % 8)
        mask += padded(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colour + mask


def main():
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Wayfinch.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
