#!/usr/bin/env python3
"""Draws the sample skin's pictures into the folder this script lives in. The tests
look for these colours on the screen, so keep them in step with
tests/tools/skin-preview/PreviewColours.h."""
import os
import struct
import zlib

ORANGE = (0xF0, 0x80, 0x20, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
RED = (0xD0, 0x3A, 0x2E, 0xFF)
FRAME = (0x7F, 0xA7, 0xD0, 0xFF)
CLEAR = (0, 0, 0, 0)


def write_png(name, width, height, pixel):
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), name), "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        out.write(chunk(b"IEND", b""))


def logo(x, y):
    # An orange badge with a white ring two pixels in from its edge.
    if x in (2, 21) or y in (2, 21):
        return WHITE if 2 <= x <= 21 and 2 <= y <= 21 else ORANGE
    return ORANGE


def system_buttons(x, y):
    # Four 40x40 cells: minimise, maximise, restore, close. Glyphs are white; only
    # the close cell has a background.
    cell, cx, cy = x // 40, x % 40, y % 40
    inside = 14 <= cx <= 25 and 14 <= cy <= 25
    if cell == 0:
        glyph = 19 <= cy <= 20 and 14 <= cx <= 25
    elif cell == 1:
        glyph = inside and (cx in (14, 25) or cy in (14, 15, 25))
    elif cell == 2:
        glyph = inside and (cx in (14, 22) or cy in (17, 25)) and cx <= 22 and cy >= 17
        glyph = glyph or (17 <= cx <= 25 and 14 <= cy <= 22 and (cx == 25 or cy == 14))
    else:
        glyph = inside and (cx - 14 == cy - 14 or cx - 14 == 25 - cy)
    if glyph:
        return WHITE
    return RED if cell == 3 else CLEAR


def tile(x, y):
    # A white panel in a three-pixel frame, drawn as a nine-grid.
    return FRAME if min(x, y, 31 - x, 31 - y) < 3 else WHITE


if __name__ == "__main__":
    write_png("logo.png", 24, 24, logo)
    write_png("sysbtn.png", 160, 40, system_buttons)
    write_png("tile.png", 32, 32, tile)
