#!/usr/bin/env python3
"""Draws the maker's logo for the About page as a GIF of 182 x 62 pixels:
a dark-green badge with a white rook's head (the corvid of Corvenna) beside
the name CORVENNA and the line SOFTWARE. No transparent colour: the page
shows it on its own face.

    make_logo.py OUTPUT_FILE
"""
import struct
import sys

WIDTH, HEIGHT = 182, 62

# Palette: index -> (r, g, b). Padded to 16 entries (4-bit colour table).
PALETTE = [
    (192, 192, 192),  # 0 page face (silver)
    (0, 96, 48),      # 1 badge green
    (255, 255, 255),  # 2 white
    (0, 0, 0),        # 3 black
    (0, 0, 128),      # 4 navy lettering
    (128, 128, 128),  # 5 shadow grey
    (255, 204, 0),    # 6 beak yellow
] + [(0, 0, 0)] * 9
FACE, GREEN, WHITE, BLACK, NAVY, GREY, YELLOW = range(7)

# A 5 x 7 capital alphabet, only the letters the logo needs.
FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "C": ["01111", "10000", "10000", "10000", "10000", "10000", "01111"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "V": ["10001", "10001", "10001", "10001", "01010", "01010", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "11011", "10001"],
}


def draw():
    pixels = [[FACE] * WIDTH for _ in range(HEIGHT)]

    def put(x, y, colour):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            pixels[y][x] = colour

    def disc(cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    put(x, y, colour)

    def text(word, left, top, scale, colour):
        x = left
        for letter in word:
            for row, bits in enumerate(FONT[letter]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        for dy in range(scale):
                            for dx in range(scale):
                                put(x + col * scale + dx, top + row * scale + dy, colour)
            x += 6 * scale

    # The badge with its shadow, and the rook's head on it: a white head, a
    # black eye and a yellow beak pointing right.
    disc(32, 32, 27, GREY)
    disc(30, 30, 27, GREEN)
    disc(26, 30, 14, WHITE)
    disc(30, 26, 3, BLACK)
    for step in range(12):
        for y in range(29 - (11 - step) // 3, 32 + (11 - step) // 3):
            put(38 + step, y, YELLOW)
    # The name in large letters, the line beneath in small ones.
    text("CORVENNA", 64, 12, 2, NAVY)
    for x in range(64, 176):
        put(x, 30, GREEN)
        put(x, 31, GREEN)
    text("SOFTWARE", 64, 38, 2, BLACK)
    return pixels


def lzw(indices, min_code_size):
    """GIF's variable-width LZW, as a byte string of sub-blocks."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    table = {(i,): i for i in range(clear)}
    next_code, width = end + 1, min_code_size + 1
    out, acc, nbits = bytearray(), 0, 0

    def emit(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    emit(clear)
    run = (indices[0],)
    for index in indices[1:]:
        longer = run + (index,)
        if longer in table:
            run = longer
            continue
        emit(table[run])
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code, width = end + 1, min_code_size + 1
        run = (index,)
    emit(table[run])
    emit(end)
    if nbits:
        out.append(acc & 0xFF)
    blocks = bytearray()
    for i in range(0, len(out), 255):
        chunk = out[i:i + 255]
        blocks += bytes([len(chunk)]) + chunk
    return bytes(blocks) + b"\0"


def gif(pixels):
    flat = [index for row in pixels for index in row]
    colours = b"".join(struct.pack("BBB", *rgb) for rgb in PALETTE)
    header = b"GIF89a" + struct.pack("<HHBBB", WIDTH, HEIGHT, 0x80 | (3 << 4) | 3, 0, 0)
    image = b"," + struct.pack("<HHHHB", 0, 0, WIDTH, HEIGHT, 0)
    return header + colours + image + bytes([4]) + lzw(flat, 4) + b";"


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(gif(draw()))
