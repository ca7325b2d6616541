#!/usr/bin/env python3
"""Draws the pictures of the framework's pop-up windows into the folder this script
lives in, with the standard library only, so that running it again gives the same
bytes. The pop-ups keep the combo box's dark-teal look: the drop-down's background is
#FF233D3D and its rows' text #FF59CCDA. Each pop-up's pictures are one section."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The drop-down's colours, as (R, G, B, A).
TEAL_GROOVE = (0x17, 0x2A, 0x2A, 0xFF)   # a shade darker than the drop-down's background
TEAL_THUMB = (0x59, 0xCC, 0xDA, 0xFF)    # the rows' text colour
TEAL_THUMB_EDGE = (0x3B, 0x8E, 0x98, 0xFF)
CLEAR = (0, 0, 0, 0)


# --- Files -------------------------------------------------------------------------

def output_path(name):
    path = os.path.join(HERE, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


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
    with open(output_path(name), "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        out.write(chunk(b"IEND", b""))


# --- Combo drop-down ---------------------------------------------------------------
# The drop-down's vertical bar is 10 pixels wide without arrow buttons; both pictures
# are stretched over the bar and the thumb, so they vary across and not along it.

BAR_WIDTH = 10
BAR_LENGTH = 40


def scroll_groove(x, y):
    # A four-pixel groove down the middle; the drop-down's background on either side.
    return TEAL_GROOVE if 3 <= x <= 6 else CLEAR


def scroll_thumb(x, y):
    # A six-pixel thumb over the groove, its long edges a little darker.
    if x in (2, 7):
        return TEAL_THUMB_EDGE
    return TEAL_THUMB if 3 <= x <= 6 else CLEAR


def combo_drop_down():
    write_png("弹窗/滚动条beijng.png", BAR_WIDTH, BAR_LENGTH, scroll_groove)
    write_png("弹窗/滚动条原始.png", BAR_WIDTH, BAR_LENGTH, scroll_thumb)


def main():
    combo_drop_down()


if __name__ == "__main__":
    main()
