#!/usr/bin/env python3
"""Draws every picture under skin/ into the folder this script lives in (or the folder
given as its first argument), and the program's icon resources into resources/ beside it
(or the folder given as the second argument), with the standard library only, so that running it again gives
the same bytes (a test draws them into a folder of its own and compares them with the
committed pictures). Colours and sizes are those of
STYLE.md beside this script; each window's pictures are one section. Later windows
add their sections and their calls in main()."""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = HERE
RESOURCES = os.path.join(os.path.dirname(HERE), "resources")

# The palette of STYLE.md, as (R, G, B, A).
NAVY = (0x00, 0x29, 0x71, 0xFF)
NAVY_DARK = (0x00, 0x29, 0x64, 0xFF)
DISC = (0x01, 0x15, 0x4C, 0xFF)
ACCENT = (0xD7, 0xF3, 0x34, 0xFF)
PASSED = (0x34, 0xF3, 0x5D, 0xFF)
LATE = (0x07, 0x8F, 0xD6, 0xFF)
ALARM = (0xFF, 0x00, 0x00, 0xFF)
ALARM_SOFT = (0xCA, 0x49, 0x3C, 0xFF)
MUTED = (0xA9, 0xB2, 0xB8, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
FRAME = (0x1E, 0x5B, 0xC6, 0xFF)
BUTTON_TOP = (0x15, 0x60, 0xD8, 0xFF)
BUTTON_BOTTOM = (0x0D, 0x47, 0xA8, 0xFF)
BUTTON_HOT_TOP = (0x2A, 0x7B, 0xF0, 0xFF)
RED_TOP = (0xE0, 0x60, 0x4F, 0xFF)
RED_HOT_TOP = (0xF0, 0x7A, 0x6A, 0xFF)
RED_BACK_TOP = (0x8E, 0x24, 0x1C, 0xFF)
DROP_DOWN_GROOVE = (0x1E, 0x3F, 0x7A, 0xFF)
CLEAR = (0, 0, 0, 0)

# Every sample of a pixel on a 4 x 4 grid: shapes get smooth edges, always the same.
SAMPLES = [((i + 0.5) / 4, (j + 0.5) / 4) for j in range(4) for i in range(4)]


# --- Files -------------------------------------------------------------------------

def output_path(name):
    path = os.path.join(OUTPUT, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def write_png(name, width, height, pixel, folder=None):
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    path = output_path(name) if folder is None else os.path.join(folder, *name.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        out.write(chunk(b"IEND", b""))


def lzw_codes(indexes, min_code_size):
    """The pixels as LZW codes that never grow past min_code_size + 1 bits: a clear
    code before every few literals keeps the table small. Larger than real
    compression, but short to write and read by every decoder."""
    clear = 1 << min_code_size
    end = clear + 1
    run = clear - 2
    codes = []
    for start in range(0, len(indexes), run):
        codes.append(clear)
        codes.extend(indexes[start:start + run])
    codes.append(end)
    width = min_code_size + 1
    data = bytearray()
    buffer = 0
    bits = 0
    for code in codes:
        buffer |= code << bits
        bits += width
        while bits >= 8:
            data.append(buffer & 0xFF)
            buffer >>= 8
            bits -= 8
    if bits:
        data.append(buffer & 0xFF)
    return bytes(data)


def write_gif(name, width, height, palette, frames, delay):
    """An endlessly looping GIF; palette: up to 8 (R, G, B), index 0 transparent;
    frames: functions (x, y) -> palette index; delay in hundredths of a second."""
    colours = list(palette) + [(0, 0, 0)] * (8 - len(palette))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0xF2, 0, 0)  # global table of 8 colours
    for r, g, b in colours:
        out += bytes((r, g, b))
    out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for frame in frames:
        out += b"\x21\xF9\x04" + struct.pack("<BHBB", 0x09, delay, 0, 0)  # restore to background, transparent 0
        out += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        indexes = [frame(x, y) for y in range(height) for x in range(width)]
        data = lzw_codes(indexes, 3)
        out.append(3)
        for start in range(0, len(data), 255):
            block = data[start:start + 255]
            out.append(len(block))
            out += block
        out.append(0)
    out += b"\x3B"
    with open(output_path(name), "wb") as f:
        f.write(bytes(out))


# --- Drawing -------------------------------------------------------------------------

def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


def over(top, bottom):
    """`top` drawn over `bottom`, straight (not premultiplied) alpha."""
    ta = top[3] / 255.0
    ba = bottom[3] / 255.0
    oa = ta + ba * (1 - ta)
    if oa == 0:
        return CLEAR
    rgb = [(top[i] * ta + bottom[i] * ba * (1 - ta)) / oa for i in range(3)]
    return tuple(int(round(c)) for c in rgb) + (int(round(oa * 255)),)


def coverage(x, y, inside):
    hits = sum(1 for dx, dy in SAMPLES if inside(x + dx, y + dy))
    return hits / len(SAMPLES)


def with_alpha(colour, amount):
    return colour[:3] + (int(round(colour[3] * amount)),)


def near_segment(px, py, ax, ay, bx, by, half_width):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
    qx, qy = ax + t * vx, ay + t * vy
    return (px - qx) ** 2 + (py - qy) ** 2 <= half_width ** 2


def in_rounded_rect(px, py, left, top, right, bottom, radius):
    if px < left or px > right or py < top or py > bottom:
        return False
    cx = min(max(px, left + radius), right - radius)
    cy = min(max(py, top + radius), bottom - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius ** 2


def rounded_button(width, height, top_colour, bottom_colour, border):
    """A rounded button face: a vertical gradient inside a one-pixel border."""
    def pixel(x, y):
        outer = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, width, height, 4))
        inner = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 1, 1, width - 1, height - 1, 3))
        fill = mix(top_colour, bottom_colour, y / max(1, height - 1))
        colour = over(with_alpha(fill, inner), with_alpha(border, outer))
        return colour
    return pixel


# --- Message box ---------------------------------------------------------------------

ICON_W, ICON_H = 47, 42
ICON_CX, ICON_CY, ICON_R = 23.5, 21.0, 19.0


def icon(disc_colour, glyph):
    """A round badge of the message box: a disc with a white glyph on it."""
    def pixel(x, y):
        disc = coverage(x, y, lambda px, py: (px - ICON_CX) ** 2 + (py - ICON_CY) ** 2 <= ICON_R ** 2)
        mark = coverage(x, y, glyph)
        return over(with_alpha(WHITE, mark), with_alpha(disc_colour, disc))
    return pixel


def glyph_information(px, py):
    dot = (px - ICON_CX) ** 2 + (py - 11.5) ** 2 <= 2.6 ** 2
    return dot or near_segment(px, py, ICON_CX, 17, ICON_CX, 31, 2.3)


def glyph_question(px, py):
    angle = math.atan2(py - 15.0, px - ICON_CX)
    radius = math.hypot(px - ICON_CX, py - 15.0)
    hook = 4.5 <= radius <= 8.8 and not (0.35 < angle < 2.6)
    stem = near_segment(px, py, ICON_CX + 2.0, 21.5, ICON_CX, 25.5, 2.2)
    dot = (px - ICON_CX) ** 2 + (py - 31.0) ** 2 <= 2.5 ** 2
    return hook or stem or dot


def glyph_success(px, py):
    return near_segment(px, py, 13.5, 21.5, 20.5, 28.5, 2.6) or near_segment(px, py, 20.5, 28.5, 33.5, 14.0, 2.6)


def glyph_failure(px, py):
    return near_segment(px, py, 16.0, 13.5, 31.0, 28.5, 2.6) or near_segment(px, py, 31.0, 13.5, 16.0, 28.5, 2.6)


def red_background(width, height):
    """The red layouts' background: dark red to alarm red, inside an alarm-red frame."""
    def pixel(x, y):
        if x == 0 or y == 0 or x == width - 1 or y == height - 1:
            return ALARM_SOFT
        return mix(RED_BACK_TOP, ALARM_SOFT, y / (height - 1))
    return pixel


def details_button(width, height):
    """The details button: an outlined face, darker than the other buttons, so that its
    text in the one-text box's button font fits the 70 pixels."""
    return rounded_button(width, height, NAVY_DARK, DISC, FRAME)


def message_box():
    write_png("MessageUI/图标（中）---提示.png", ICON_W, ICON_H, icon(LATE, glyph_information))
    write_png("MessageUI/图标（中）---询问.png", ICON_W, ICON_H, icon(BUTTON_TOP, glyph_question))
    write_png("MessageUI/图标（中）---操作成功.png", ICON_W, ICON_H, icon((0x1F, 0xB3, 0x46, 0xFF), glyph_success))
    write_png("MessageUI/图标（中）---操作失败.png", ICON_W, ICON_H, icon(ALARM_SOFT, glyph_failure))
    write_png("MessageUI/提示--弹窗背景-red.png", 400, 220, red_background(400, 220))
    write_png("MessageUI/确定取消原始_26.png", 88, 40, rounded_button(88, 40, BUTTON_TOP, BUTTON_BOTTOM, FRAME))
    write_png("MessageUI/确定取消经过.png", 88, 40, rounded_button(88, 40, BUTTON_HOT_TOP, BUTTON_TOP, WHITE))
    write_png("MessageUI/确定取消常态-red.png", 105, 39, rounded_button(105, 39, RED_TOP, ALARM_SOFT, ALARM_SOFT))
    write_png("MessageUI/确定取消经过按下状态-red.png", 105, 39,
              rounded_button(105, 39, RED_HOT_TOP, RED_TOP, WHITE))
    write_png("MessageUI/确定取消常态.png", 105, 39, rounded_button(105, 39, BUTTON_TOP, BUTTON_BOTTOM, FRAME))
    write_png("MessageUI/确定取消经过按下状态.png", 105, 39,
              rounded_button(105, 39, BUTTON_HOT_TOP, BUTTON_TOP, WHITE))
    write_png("ExaminationManagement/浏览原始.png", 70, 30, details_button(70, 30))


# --- Busy window -----------------------------------------------------------------------

SPINNER_SIZE = 64
SPINNER_DOTS = 8


def spinner_frame(step):
    """Eight dots on a ring; the lit dot moves one place a frame, the two behind it
    fade. Palette: 0 clear, 1 accent, 2 and 3 fading, 4 muted."""
    def index(x, y):
        for dot in range(SPINNER_DOTS):
            angle = 2 * math.pi * dot / SPINNER_DOTS - math.pi / 2
            cx = SPINNER_SIZE / 2 + 22 * math.cos(angle)
            cy = SPINNER_SIZE / 2 + 22 * math.sin(angle)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= 5.5 ** 2:
                behind = (step - dot) % SPINNER_DOTS
                return {0: 1, 1: 2, 2: 3}.get(behind, 4)
        return 0
    return index


def busy_window():
    palette = [(0, 0, 0), ACCENT[:3], (0x9C, 0xB8, 0x4A), (0x5E, 0x7A, 0x6E), MUTED[:3]]
    frames = [spinner_frame(step) for step in range(SPINNER_DOTS)]
    write_gif("LoadingGif/加载中.gif", SPINNER_SIZE, SPINNER_SIZE, palette, frames, 10)


# --- QR window -------------------------------------------------------------------------

QR_TEXT = b"PATROL-APP-DOWNLOAD-PLACEHOLDER"
QR_SIZE = 25          # version 2
QR_DATA_WORDS = 34    # error correction level L
QR_EC_WORDS = 10
QR_MODULE = 6
QR_QUIET = 4


def gf_tables():
    exp = [0] * 512
    log = [0] * 256
    value = 1
    for i in range(255):
        exp[i] = value
        log[value] = i
        value <<= 1
        if value & 0x100:
            value ^= 0x11D
    for i in range(255, 512):
        exp[i] = exp[i - 255]
    return exp, log


def reed_solomon(data, count):
    exp, log = gf_tables()
    generator = [1]
    for i in range(count):
        nxt = [0] * (len(generator) + 1)
        for j, coefficient in enumerate(generator):
            nxt[j] ^= coefficient
            if coefficient:
                nxt[j + 1] ^= exp[log[coefficient] + i]
        generator = nxt
    remainder = list(data) + [0] * count
    for i in range(len(data)):
        factor = remainder[i]
        if factor == 0:
            continue
        for j in range(1, len(generator)):
            if generator[j]:
                remainder[i + j] ^= exp[log[generator[j]] + log[factor]]
    return remainder[len(data):]


def qr_codewords(text):
    bits = [int(b) for b in format(0b0100, "04b") + format(len(text), "08b")]
    for byte in text:
        bits += [int(b) for b in format(byte, "08b")]
    bits += [0] * min(4, QR_DATA_WORDS * 8 - len(bits))
    bits += [0] * (-len(bits) % 8)
    words = [int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, len(bits), 8)]
    pad = [0xEC, 0x11]
    while len(words) < QR_DATA_WORDS:
        words.append(pad[(len(words) - len(bits) // 8) % 2])
    return words + reed_solomon(words, QR_EC_WORDS)


def qr_matrix(text):
    """The modules of a version 2-L QR code of the text, with mask 0 (True = dark)."""
    n = QR_SIZE
    dark = [[False] * n for _ in range(n)]
    fixed = [[False] * n for _ in range(n)]

    def put(r, c, value):
        dark[r][c] = value
        fixed[r][c] = True

    for top, left in ((0, 0), (0, n - 7), (n - 7, 0)):
        for r in range(-1, 8):
            for c in range(-1, 8):
                rr, cc = top + r, left + c
                if not (0 <= rr < n and 0 <= cc < n):
                    continue
                ring = max(abs(r - 3), abs(c - 3))
                put(rr, cc, ring != 2 and ring != 4)
    for r in range(16, 21):
        for c in range(16, 21):
            put(r, c, max(abs(r - 18), abs(c - 18)) != 1)
    for i in range(8, n - 8):
        put(6, i, i % 2 == 0)
        put(i, 6, i % 2 == 0)
    put(n - 8, 8, True)  # the dark module
    for i in range(9):
        fixed[8][i] = fixed[i][8] = True
    for i in range(8):
        fixed[8][n - 1 - i] = fixed[n - 1 - i][8] = True

    bits = []
    for word in qr_codewords(text):
        bits += [(word >> (7 - k)) & 1 for k in range(8)]
    position = 0
    column = n - 1
    upward = True
    while column > 0:
        if column == 6:
            column -= 1
        rows = range(n - 1, -1, -1) if upward else range(n)
        for r in rows:
            for c in (column, column - 1):
                if fixed[r][c]:
                    continue
                bit = bits[position] if position < len(bits) else 0
                position += 1
                dark[r][c] = bool(bit) != ((r + c) % 2 == 0)
        upward = not upward
        column -= 2

    # Format information: level L (01), mask 0 (000), BCH-protected and masked.
    data = 0b01000
    remainder = data << 10
    for shift in range(4, -1, -1):
        if remainder & (1 << (shift + 10)):
            remainder ^= 0b10100110111 << shift
    format_bits = ((data << 10) | remainder) ^ 0b101010000010010
    bit = [(format_bits >> i) & 1 for i in range(15)]
    first = [(0, 8), (1, 8), (2, 8), (3, 8), (4, 8), (5, 8), (7, 8), (8, 8), (8, 7), (8, 5), (8, 4), (8, 3),
             (8, 2), (8, 1), (8, 0)]
    second = [(8, n - 1), (8, n - 2), (8, n - 3), (8, n - 4), (8, n - 5), (8, n - 6), (8, n - 7), (8, n - 8),
              (n - 7, 8), (n - 6, 8), (n - 5, 8), (n - 4, 8), (n - 3, 8), (n - 2, 8), (n - 1, 8)]
    for i in range(15):
        for r, c in (first[i], second[i]):
            dark[r][c] = bool(bit[i])
    return dark


def qr_window():
    modules = qr_matrix(QR_TEXT)
    side = (QR_SIZE + 2 * QR_QUIET) * QR_MODULE

    def pixel(x, y):
        r = y // QR_MODULE - QR_QUIET
        c = x // QR_MODULE - QR_QUIET
        if 0 <= r < QR_SIZE and 0 <= c < QR_SIZE and modules[r][c]:
            return DISC
        return WHITE
    write_png("QRCode/下载APP二维码.png", side, side, pixel)


# --- Scroll bars (the time picker's lists) -----------------------------------------------

def scroll_thumb(colour):
    """A 6-pixel-wide rounded thumb, drawn stretched with corners of 3 kept."""
    return lambda x, y: with_alpha(colour, coverage(
        x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, 6, 24, 3)))


def scroll_bars():
    write_png("ScrollBar/滑块.png", 6, 24, scroll_thumb(MUTED))
    write_png("ScrollBar/滑块-经过.png", 6, 24, scroll_thumb(WHITE))


# --- Main frame (the pictures shown before the user's own are downloaded) ------------------

def default_photo(size):
    """A frame-coloured disc with a white head and shoulders, the shape of the cut photos."""
    centre = size / 2.0

    def person(px, py):
        head = (px - centre) ** 2 + (py - size * 0.38) ** 2 <= (size * 0.17) ** 2
        body = (px - centre) ** 2 / (size * 0.3) ** 2 + (py - size * 0.92) ** 2 / (size * 0.3) ** 2 <= 1
        return head or body

    def pixel(x, y):
        disc = coverage(x, y, lambda px, py: (px - centre) ** 2 + (py - centre) ** 2 <= (centre - 0.5) ** 2)
        mark = coverage(x, y, lambda px, py: person(px, py) and (px - centre) ** 2 + (py - centre) ** 2 <= (centre - 0.5) ** 2)
        return over(with_alpha(WHITE, mark), with_alpha(FRAME, disc))
    return pixel


def default_identity(size):
    """A small badge for an identity without an icon: an accent disc with a navy dot."""
    centre = size / 2.0

    def pixel(x, y):
        disc = coverage(x, y, lambda px, py: (px - centre) ** 2 + (py - centre) ** 2 <= (centre - 0.5) ** 2)
        dot = coverage(x, y, lambda px, py: (px - centre) ** 2 + (py - centre) ** 2 <= (size * 0.2) ** 2)
        return over(with_alpha(NAVY_DARK, dot), with_alpha(ACCENT, disc))
    return pixel


def main_frame():
    write_png("MainFrame/默认头像.png", 48, 48, default_photo(48))
    write_png("MainFrame/默认身份.png", 20, 20, default_identity(20))


# --- Combo drop-down ---------------------------------------------------------------------
# The drop-down's bar is 10 pixels wide without arrow buttons, on the drop-down's
# dark navy background; both pictures are stretched whole over the bar and the thumb, so they
# vary across the bar and not along it.

def drop_down_groove(x, y):
    # A four-pixel groove down the middle; the background shows on either side.
    return DROP_DOWN_GROOVE if 3 <= x <= 6 else CLEAR


def drop_down_thumb(x, y):
    # A six-pixel thumb over the groove, in the scroll bars' muted colour.
    return MUTED if 2 <= x <= 7 else CLEAR


def combo_drop_down():
    write_png("弹窗/滚动条beijng.png", 10, 40, drop_down_groove)
    write_png("弹窗/滚动条原始.png", 10, 40, drop_down_thumb)


# --- People and rights pages ---------------------------------------------------------
# The tick boxes of the people and rights dialogs (16 pixels, placed by the code), the
# rows' edit, view and delete buttons, and the chosen-user chip of the add-people dialog
# with its small delete cross.

def tick_box(border, ticked):
    def pixel(x, y):
        frame = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0.5, 0.5, 15.5, 15.5, 2)
                         and not in_rounded_rect(px, py, 1.5, 1.5, 14.5, 14.5, 1.5))
        colour = with_alpha(border, frame)
        if not ticked:
            return colour
        inside = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 1.5, 1.5, 14.5, 14.5, 1.5))
        fill = with_alpha(PASSED, inside)
        mark = coverage(x, y, lambda px, py: near_segment(px, py, 4, 8, 7, 11, 1.1)
                        or near_segment(px, py, 7, 11, 12, 5, 1.1))
        return over(with_alpha(WHITE, mark), over(colour, fill))
    return pixel


def pencil(colour):
    return lambda x, y: with_alpha(colour, coverage(
        x, y, lambda px, py: near_segment(px, py, 2, 10, 10, 2, 1.3) or near_segment(px, py, 1, 11, 3, 11, 0.8)))


def eye(colour):
    def inside(px, py):
        lens = ((px - 7.5) / 7) ** 2 + ((py - 8) / 4.5) ** 2 <= 1 and ((px - 7.5) / 5.5) ** 2 + ((py - 8) / 3) ** 2 >= 1
        pupil = (px - 7.5) ** 2 + (py - 8) ** 2 <= 3.2
        return lens or pupil
    return lambda x, y: with_alpha(colour, coverage(x, y, inside))


def bin_glyph(colour):
    def inside(px, py):
        lid = 1 <= py <= 2.5 and 0.5 <= px <= 10.5
        handle = 0 <= py <= 1.2 and 4 <= px <= 7
        body = 3.5 <= py <= 12.5 and 1.5 <= px <= 9.5 and not (5 <= py <= 11 and (3.5 <= px <= 4.5 or 6.5 <= px <= 7.5))
        return lid or handle or body
    return lambda x, y: with_alpha(colour, coverage(x, y, inside))


def cross(colour):
    return lambda x, y: over(
        with_alpha(WHITE, coverage(x, y, lambda px, py: near_segment(px, py, 4.5, 4.5, 10.5, 10.5, 1)
                                   or near_segment(px, py, 10.5, 4.5, 4.5, 10.5, 1))),
        with_alpha(colour, coverage(x, y, lambda px, py: (px - 7.5) ** 2 + (py - 7.5) ** 2 <= 7.5 ** 2)))


def user_chip(x, y):
    return with_alpha(BUTTON_BOTTOM, coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, 110, 30, 4)))


def people_pages():
    write_png("2巡更计划/未打钩原始.png", 16, 16, tick_box(MUTED, False))
    write_png("2巡更计划/未打钩经过.png", 16, 16, tick_box(WHITE, False))
    write_png("2巡更计划/已打勾原始.png", 16, 16, tick_box(PASSED, True))
    write_png("2巡更计划/已打勾经过.png", 16, 16, tick_box(WHITE, True))
    write_png("4设备管理/编辑原始.png", 12, 12, pencil(MUTED))
    write_png("4设备管理/编辑经过.png", 12, 12, pencil(WHITE))
    write_png("1首页/查看.png", 15, 16, eye(MUTED))
    write_png("1首页/查看经过.png", 15, 16, eye(WHITE))
    write_png("5人员管理/删除原始.png", 11, 13, bin_glyph(MUTED))
    write_png("5人员管理/删除经过.png", 11, 13, bin_glyph(ALARM_SOFT))
    write_png("弹窗/人员背景.png", 110, 30, user_chip)
    write_png("弹窗/删除原始.png", 15, 15, cross(MUTED))
    write_png("弹窗/删除经过.png", 15, 15, cross(ALARM_SOFT))

# --- Login window and address dialog ------------------------------------------------------

FIELD_W, FIELD_H = 300, 40


def glyph_person(px, py):
    head = (px - 20.0) ** 2 + (py - 15.5) ** 2 <= 4.6 ** 2
    body = (px - 20.0) ** 2 / 8.5 ** 2 + (py - 30.0) ** 2 / 7.0 ** 2 <= 1.0 and py <= 29.0
    return head or body


def glyph_lock(px, py):
    shackle = 4.0 <= math.hypot(px - 20.0, py - 17.0) <= 6.2 and py <= 17.0
    legs = (13.8 <= px <= 16.0 or 24.0 <= px <= 26.2) and 17.0 <= py <= 20.0
    box = in_rounded_rect(px, py, 12.0, 19.5, 28.0, 30.5, 2.0)
    return shackle or legs or box


def field(border, glyph, width=FIELD_W):
    """A field's frame: the navy face inside a rounded border of the state's colour, its
    glyph (when there is one) in the 40 pixels on the left."""
    def pixel(x, y):
        edge = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, width, FIELD_H, 4))
        face = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 1, 1, width - 1, FIELD_H - 1, 3))
        colour = over(with_alpha(NAVY, face), with_alpha(border, edge))
        if glyph is None:
            return colour
        return over(with_alpha(border, coverage(x, y, glyph)), colour)
    return pixel


def check_box(selected):
    def pixel(x, y):
        edge = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, 16, 16, 3))
        face = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 1, 1, 15, 15, 2))
        colour = over(with_alpha(BUTTON_TOP if selected else NAVY_DARK, face), with_alpha(FRAME, edge))
        if not selected:
            return colour
        tick = coverage(x, y, lambda px, py: near_segment(px, py, 4.0, 8.0, 7.0, 11.5, 1.3) or
                        near_segment(px, py, 7.0, 11.5, 12.5, 4.5, 1.3))
        return over(with_alpha(WHITE, tick), colour)
    return pixel


def login_window():
    for state, colour in (("normal", FRAME), ("hover", WHITE), ("error", ALARM_SOFT)):
        write_png("LoginWnd/账号-%s.png" % state, FIELD_W, FIELD_H, field(colour, glyph_person))
        write_png("LoginWnd/密码-%s.png" % state, FIELD_W, FIELD_H, field(colour, glyph_lock))
    write_png("LoginWnd/地址框.png", 336, FIELD_H, field(FRAME, None, 336))
    write_png("LoginWnd/勾选框.png", 16, 16, check_box(False))
    write_png("LoginWnd/勾选框-选中.png", 16, 16, check_box(True))


# --- Program icon (resource 101: the login window and the main frame) ---------------------

def program_icon():
    """A navy rounded square in the frame colour's border, with a patrol route on it:
    three checkpoints joined by a white path, the last one lit in the accent colour."""
    size = 64
    points = [(16.0, 46.0), (30.0, 20.0), (48.0, 40.0)]

    def pixel(x, y):
        face = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 2, 2, 62, 62, 12))
        inner = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 4, 4, 60, 60, 10))
        path = coverage(x, y, lambda px, py: near_segment(px, py, *points[0], *points[1], 2.2) or
                        near_segment(px, py, *points[1], *points[2], 2.2))
        dots = coverage(x, y, lambda px, py: any((px - cx) ** 2 + (py - cy) ** 2 <= 5.5 ** 2 for cx, cy in points[:2]))
        lit = coverage(x, y, lambda px, py: (px - points[2][0]) ** 2 + (py - points[2][1]) ** 2 <= 6.5 ** 2)
        colour = over(with_alpha(NAVY, inner), with_alpha(FRAME, face))
        colour = over(with_alpha(WHITE, max(path, dots)), colour)
        return over(with_alpha(ACCENT, lit), colour)
    write_png("icon/101.png", size, size, pixel, RESOURCES)


# --- Device page and reader dialog -------------------------------------------------------
# The list rows' delete glyphs (muted, soft alarm when hovered; the edit glyphs are the
# people and rights pages'), the camera glyph of a checkpoint's camera button, and the
# reader dialog's fingerprint tiles: an avatar and a round delete mark.

def device_glyph(width, height, colour, glyph):
    return lambda x, y: with_alpha(colour, coverage(x, y, glyph))


def glyph_bin(px, py):
    lid = near_segment(px, py, 0.8, 2.2, 10.2, 2.2, 0.8) or near_segment(px, py, 4.0, 0.8, 7.0, 0.8, 0.8)
    body = in_rounded_rect(px, py, 1.8, 3.8, 9.2, 12.6, 1.2) and not in_rounded_rect(px, py, 3.0, 4.8, 8.0, 11.4, 0.5)
    ribs = near_segment(px, py, 5.5, 5.5, 5.5, 10.5, 0.6)
    return lid or body or ribs


def glyph_camera(px, py):
    box = in_rounded_rect(px, py, 2.0, 5.0, 14.0, 15.0, 2.0)
    lens = (px - 8.0) ** 2 + (py - 10.0) ** 2 <= 2.4 ** 2
    side = 14.0 <= px <= 19.0 and abs(py - 10.0) <= (px - 13.0) * 0.9
    return (box and not lens) or side


def avatar(px, py):
    return (px - 14.0) ** 2 + (py - 14.0) ** 2 <= 14.0 ** 2


def avatar_person(px, py):
    head = (px - 14.0) ** 2 + (py - 10.5) ** 2 <= 5.0 ** 2
    shoulders = (px - 14.0) ** 2 + (py - 25.0) ** 2 <= 9.5 ** 2 and py <= 24.0
    return head or shoulders


def avatar_pixel(x, y):
    person = coverage(x, y, avatar_person)
    disc = coverage(x, y, avatar)
    return over(with_alpha(WHITE, min(person, disc)), with_alpha(LATE, disc))


def round_cross(disc_colour, cross_colour):
    def pixel(x, y):
        disc = coverage(x, y, lambda px, py: (px - 9.0) ** 2 + (py - 9.0) ** 2 <= 8.5 ** 2)
        cross = coverage(x, y, lambda px, py: near_segment(px, py, 5.5, 5.5, 12.5, 12.5, 1.1) or
                         near_segment(px, py, 12.5, 5.5, 5.5, 12.5, 1.1))
        return over(with_alpha(cross_colour, cross), with_alpha(disc_colour, disc))
    return pixel


def device_page():
    write_png("4设备管理/删除原始.png", 11, 13, device_glyph(11, 13, MUTED, glyph_bin))
    write_png("4设备管理/删除经过.png", 11, 13, device_glyph(11, 13, ALARM_SOFT, glyph_bin))
    write_png("4设备管理/摄像头.png", 20, 19, device_glyph(20, 19, MUTED, glyph_camera))
    write_png("4设备管理/头像.png", 28, 28, avatar_pixel)
    write_png("4设备管理/删除原始1.png", 18, 18, round_cross(NAVY_DARK, MUTED))
    write_png("4设备管理/删除经过1.png", 18, 18, round_cross(ALARM_SOFT, WHITE))

# --- Home page -----------------------------------------------------------------------------
# The dashboard's tree of today's plans: the fold arrows of a plan's row, the diamond before
# its name, the tag of its plan type at the row's right, the dot before a slot in the colour
# of its state, and the warning mark of a slot where something abnormal was reported.


def chevron(colour, pointing_up):
    def inside(px, py):
        tip, base = (1.5, 5.5) if pointing_up else (5.5, 1.5)
        return near_segment(px, py, 1.5, base, 7.0, tip, 1.0) or near_segment(px, py, 7.0, tip, 12.5, base, 1.0)
    return lambda x, y: with_alpha(colour, coverage(x, y, inside))


def diamond(x, y):
    return with_alpha(ACCENT, coverage(x, y, lambda px, py: abs(px - 8.0) + abs(py - 8.0) <= 6.0))


def time_point(colour, hollow):
    def pixel(x, y):
        disc = coverage(x, y, lambda px, py: (px - 7.5) ** 2 + (py - 7.5) ** 2 <= 7.0 ** 2)
        hole = coverage(x, y, lambda px, py: (px - 7.5) ** 2 + (py - 7.5) ** 2 <= 4.0 ** 2) if hollow else 0.0
        return with_alpha(colour, max(0.0, disc - hole))
    return pixel


def warning_mark(x, y):
    def triangle(px, py):
        return 1.0 <= py <= 12.5 and abs(px - 8.0) <= (py - 0.5) * 0.62
    def bar(px, py):
        return (abs(px - 8.0) <= 0.9 and 4.0 <= py <= 8.5) or (px - 8.0) ** 2 + (py - 10.5) ** 2 <= 0.9 ** 2
    return over(with_alpha(WHITE, coverage(x, y, bar)), with_alpha(ALARM, coverage(x, y, triangle)))


def home_page():
    write_png("20211029补充切图/右侧上拉原始拷贝.png", 14, 7, chevron(MUTED, True))
    write_png("20211029补充切图/右侧上拉经过拷贝.png", 14, 7, chevron(WHITE, True))
    write_png("20211029补充切图/右侧下拉原始.png", 14, 7, chevron(MUTED, False))
    write_png("20211029补充切图/右侧下拉经过.png", 14, 7, chevron(WHITE, False))
    write_png("1首页/小标题前面菱形.png", 16, 16, diamond)
    write_png("Quillmarsh补充切图1015/界面/未开始时间点.png", 15, 15, time_point(MUTED, True))
    write_png("Quillmarsh补充切图1015/界面/进行中时间点.png", 15, 15, time_point(ACCENT, False))
    write_png("Quillmarsh补充切图1015/界面/已结束时间点.png", 15, 15, time_point(WHITE, False))
    write_png("2巡更计划/具体详情/有故障.png", 16, 13, warning_mark)


# --- Result page -----------------------------------------------------------------------
# The results tab's "查看" button on each row: the people pages' eye, muted and hot.

def result_page():
    write_png("6结果查看/查看原始.png", 15, 16, eye(MUTED))
    write_png("6结果查看/查看经过_41.png", 15, 16, eye(WHITE))


# --- Plan page -------------------------------------------------------------------------
# The plan cards (324 x 239): a dark navy face in a one-pixel frame, with a band along the
# top in the colour of the plan's status (running: passed, not started: late, finished:
# muted); the people glyph of the announcer and people rows; the card's "more" button,
# three dots; and the type badges that the plan and route cards show beside a name, a
# pill in one colour per type with a white rim (drawn at the size the cards stretch them
# to, or the dest they give).

CARD_W, CARD_H = 324, 239
CARD_RADIUS = 6
CARD_BAND = 4
MISSED = (0xCC, 0x86, 0x00, 0xFF)


def card_background(band):
    def inside(px, py):
        return in_rounded_rect(px, py, 0, 0, CARD_W, CARD_H, CARD_RADIUS)

    def inner(px, py):
        return in_rounded_rect(px, py, 1, 1, CARD_W - 1, CARD_H - 1, CARD_RADIUS - 1)

    def pixel(x, y):
        near_corner = (x < CARD_RADIUS + 1 or x >= CARD_W - CARD_RADIUS - 1) and \
                      (y < CARD_RADIUS + 1 or y >= CARD_H - CARD_RADIUS - 1)
        if near_corner:
            outer, face = coverage(x, y, inside), coverage(x, y, inner)
        else:
            edge = x == 0 or y == 0 or x == CARD_W - 1 or y == CARD_H - 1
            outer, face = 1.0, 0.0 if edge else 1.0
        fill = band if y < CARD_BAND + 1 else NAVY_DARK
        return over(with_alpha(fill, face), with_alpha(FRAME if y >= CARD_BAND + 1 else band, outer))
    return pixel


def people_glyph(x, y):
    def disc(px, py):
        return (px - 12.0) ** 2 + (py - 12.0) ** 2 <= 11.5 ** 2

    def person(px, py):
        head = (px - 12.0) ** 2 + (py - 9.0) ** 2 <= 4.2 ** 2
        shoulders = (px - 12.0) ** 2 + (py - 21.0) ** 2 <= 8.0 ** 2 and py <= 20.0
        return head or shoulders
    d = coverage(x, y, disc)
    return over(with_alpha(WHITE, min(d, coverage(x, y, person))), with_alpha(BUTTON_TOP, d))


def more_dots(colour):
    def inside(px, py):
        return any((px - cx) ** 2 + (py - 2.0) ** 2 <= 1.8 ** 2 for cx in (3.0, 9.0, 15.0))
    return lambda x, y: with_alpha(colour, coverage(x, y, inside))


def type_badge(width, colour):
    height = 15

    def pixel(x, y):
        pill = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, width, height, 7.5))
        face = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 1, 1, width - 1, height - 1, 6.5))
        return over(with_alpha(colour, face), with_alpha(WHITE, pill))
    return pixel


def plan_page():
    write_png("2巡更计划/已启用背景.png", CARD_W, CARD_H, card_background(PASSED))
    write_png("2巡更计划/未开始背景.png", CARD_W, CARD_H, card_background(LATE))
    write_png("2巡更计划/已结束背景.png", CARD_W, CARD_H, card_background(MUTED))
    write_png("2巡更计划/管理员头像拷贝.png", 24, 24, people_glyph)
    write_png("2巡更计划/更多原始.png", 18, 4, more_dots(MUTED))
    write_png("2巡更计划/更多经过.png", 18, 4, more_dots(WHITE))
    write_png("1首页/校园安防.png", 54, 15, type_badge(54, LATE))
    write_png("1首页/设备.png", 30, 15, type_badge(30, BUTTON_TOP))
    write_png("1首页/消防.png", 30, 15, type_badge(30, ALARM_SOFT))
    write_png("Quillmarsh补充切图1015/界面/食堂.png", 32, 15, type_badge(32, MISSED))
    write_png("1首页/宿舍检查.png", 54, 15, type_badge(54, BUTTON_BOTTOM))
    write_png("Quillmarsh补充切图1015/界面/清洁卫生_49.png", 49, 15, type_badge(49, FRAME))
    write_png("1首页/考试自习.png", 54, 15, type_badge(54, DISC))


# --- Plan execution view -----------------------------------------------------------------
# The camera glyph of a checkpoint row's "监控" button, in the accent colour so that it
# reads on the list's rows (the header's type badge is the plan cards' one).

def glyph_video(px, py):
    return glyph_camera(px * 20.0 / 18.0, py)


def plan_execution_view():
    write_png("2巡更计划/具体详情/录像.png", 18, 19, device_glyph(18, 19, ACCENT, glyph_video))


# --- Route page ------------------------------------------------------------------------
# The route cards (324 x 260): a dark navy panel in the frame colour, with an accent band
# along the top when a plan uses the route; and a route checkpoint's square. The type
# badges and the "more" dots are the plan page's.

ROUTE_CARD_W, ROUTE_CARD_H = 324, 260


def route_card(band):
    def pixel(x, y):
        fill = band if band is not None and y < 6 else NAVY_DARK
        # Only the border and the round corners need sampling.
        if 6 <= x < ROUTE_CARD_W - 6 and 6 <= y < ROUTE_CARD_H - 6:
            return fill
        outer = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, ROUTE_CARD_W, ROUTE_CARD_H, 6))
        inner = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 1, 1, ROUTE_CARD_W - 1, ROUTE_CARD_H - 1, 5))
        return over(with_alpha(fill, inner), with_alpha(FRAME, outer))
    return pixel


def checkpoint_square(x, y):
    ring = coverage(x, y, lambda px, py: 7.0 ** 2 <= (px - 13.0) ** 2 + (py - 13.0) ** 2 <= 10.0 ** 2)
    dot = coverage(x, y, lambda px, py: (px - 13.0) ** 2 + (py - 13.0) ** 2 <= 3.0 ** 2)
    return over(with_alpha(MUTED, dot), with_alpha(MUTED, ring))


def route_page():
    write_png("Quillmarsh补充切图1015/界面/线路管理未使用背景.png", ROUTE_CARD_W, ROUTE_CARD_H, route_card(None))
    write_png("Quillmarsh补充切图1015/界面/线路管理使用中背景.png", ROUTE_CARD_W, ROUTE_CARD_H, route_card(ACCENT))
    write_png("3巡更线路/巡更点未检查.png", 26, 26, checkpoint_square)


# --- Plan dialog -------------------------------------------------------------------------
# A time slot's two buttons: a field's face (corners of 50 kept left and right by the
# code, so the picture is no wider than the two) with a clock at its right, which the
# code places at dest "69,7,85,23".

SLOT_W, SLOT_H = 100, 30


def slot_face(border):
    def pixel(x, y):
        edge = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 0, 0, SLOT_W, SLOT_H, 4))
        face = coverage(x, y, lambda px, py: in_rounded_rect(px, py, 1, 1, SLOT_W - 1, SLOT_H - 1, 3))
        return over(with_alpha(NAVY_DARK, face), with_alpha(border, edge))
    return pixel


def clock(colour):
    def inside(px, py):
        ring = 5.6 ** 2 <= (px - 8) ** 2 + (py - 8) ** 2 <= 7.2 ** 2
        hands = near_segment(px, py, 8, 8, 8, 3.8, 0.8) or near_segment(px, py, 8, 8, 11, 9.5, 0.8)
        return ring or hands
    return lambda x, y: with_alpha(colour, coverage(x, y, inside))


def plan_dialog():
    write_png("2巡更计划/搜索原始.png", SLOT_W, SLOT_H, slot_face(FRAME))
    write_png("2巡更计划/搜索经过.png", SLOT_W, SLOT_H, slot_face(WHITE))
    write_png("弹窗/时间图标原始.png", 16, 16, clock(MUTED))
    write_png("弹窗/时间图标经过.png", 16, 16, clock(WHITE))


if __name__ == "__main__":
    if len(sys.argv) > 1:
        OUTPUT = os.path.abspath(sys.argv[1])
        RESOURCES = os.path.join(os.path.dirname(OUTPUT), "resources")
    if len(sys.argv) > 2:
        RESOURCES = os.path.abspath(sys.argv[2])
    message_box()
    busy_window()
    qr_window()
    scroll_bars()
    main_frame()
    combo_drop_down()
    people_pages()
    program_icon()
    login_window()
    device_page()
    result_page()
    plan_page()
    home_page()
    plan_execution_view()
    route_page()
    plan_dialog()
