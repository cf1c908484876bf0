#!/usr/bin/env python3
"""Draws the control's two pictures as BMP files: the toolbox bitmap
(16 x 15, 24 bits per pixel, no colour table) and the design-time picture
(32 x 32, 16 colours). Both show a page of the log with a quill across it.

    make_pictures.py OUTPUT_DIR
"""
import struct
import sys
from pathlib import Path

# The 16 standard colours, in the order of the usual 4-bit palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
GREY, SILVER, WHITE, NAVY, TEAL, YELLOW, BLACK, MAROON = 8, 7, 15, 4, 6, 11, 0, 1


def draw(width, height):
    """The picture as rows of palette indices, top row first."""
    sx, sy = width / 32.0, height / 32.0
    pixels = [[SILVER] * width for _ in range(height)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * sy), max(int(y0 * sy) + 1, int(y1 * sy))):
            for x in range(int(x0 * sx), max(int(x0 * sx) + 1, int(x1 * sx))):
                if 0 <= x < width and 0 <= y < height:
                    pixels[y][x] = colour

    rect(5, 3, 25, 30, GREY)      # shadow of the page
    rect(4, 2, 24, 29, WHITE)     # the page
    rect(4, 2, 24, 6, NAVY)       # its title bar
    for line in range(9, 27, 4):  # entries on the page
        rect(7, line, 21, line + 1, TEAL)
    for step in range(14):        # the quill, from top right to the middle
        rect(28 - step, 4 + step * 1.5, 30 - step, 6 + step * 1.5, YELLOW)
    rect(15, 25, 17, 27, BLACK)   # its nib
    rect(29, 3, 31, 5, MAROON)
    return pixels


def bmp(width, height, bits, palette, row_bytes):
    stride = (len(row_bytes(0)) + 3) & ~3
    image = b"".join(row_bytes(y).ljust(stride, b"\0") for y in reversed(range(height)))
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image), 2835, 2835,
                       len(palette), 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + colours + image


def toolbox():
    pixels = draw(16, 15)

    def row(y):
        return b"".join(struct.pack("<BBB", *reversed(PALETTE[i])) for i in pixels[y])
    return bmp(16, 15, 24, [], row)


def design_picture():
    pixels = draw(32, 32)

    def row(y):
        r = pixels[y]
        return bytes((r[x] << 4) | r[x + 1] for x in range(0, 32, 2))
    return bmp(32, 32, 4, PALETTE, row)


if __name__ == "__main__":
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "toolbox.bmp").write_bytes(toolbox())
    (out / "design.bmp").write_bytes(design_picture())
