#!/usr/bin/env python3
"""Draws the program's artwork into resources/ as PNG files.

The pictures are our own: the About window's emblem (71 x 126, 24-bit colour on
the window's light grey), the main window's icon (32 x 32, 16 colours: a tear-off
calendar block with a grey binding and a large red 9) and the link's hand pointer
(32 x 32, white with a black outline, the fingertip at the hot spot (0, 0)), and the
same calendar block for the desktop in larger sizes (icons/, 16 to 256 pixels).
Only the standard library is used, so the files can be redrawn on any machine:

    python3 scripts/make_artwork.py
"""

import math
import struct
import zlib
from pathlib import Path

RESOURCES = Path(__file__).resolve().parent.parent / "resources"


# --- PNG output ----------------------------------------------------------------

def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def write_rgb_png(path, width, height, pixels):
    """pixels: rows of (r, g, b) tuples; written as 24-bit colour."""
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    _write_png(path, [(b"IHDR", header), (b"IDAT", zlib.compress(raw, 9))])


def write_rgba_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples; written as 32-bit colour with alpha."""
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    _write_png(path, [(b"IHDR", header), (b"IDAT", zlib.compress(raw, 9))])


def write_palette_png(path, width, height, palette, indexes, transparent=None):
    """indexes: rows of palette indexes; written 4 bits a pixel (up to 16 colours)."""
    assert len(palette) <= 16
    raw = b""
    for row in indexes:
        padded = list(row) + [0] * (len(row) % 2)
        raw += b"\0" + bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    header = struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0)
    chunks = [(b"IHDR", header), (b"PLTE", bytes(c for rgb in palette for c in rgb))]
    if transparent is not None:
        # Every entry up to the transparent one needs an alpha value.
        chunks.append((b"tRNS", bytes(0 if i == transparent else 255 for i in range(transparent + 1))))
    chunks.append((b"IDAT", zlib.compress(raw, 9)))
    _write_png(path, chunks)


def _write_png(path, chunks):
    data = b"\x89PNG\r\n\x1a\n" + b"".join(_chunk(k, d) for k, d in chunks) + _chunk(b"IEND", b"")
    path.write_bytes(data)
    print(f"wrote {path.relative_to(RESOURCES.parent)} ({len(data)} bytes)")


def from_art(art, legend):
    """Turns rows of characters into rows of palette indexes, padded to 32 x 32."""
    rows = [[legend[ch] for ch in line.ljust(32)] for line in art]
    rows += [[legend[" "]] * 32 for _ in range(32 - len(rows))]
    assert all(len(r) == 32 for r in rows) and len(rows) == 32
    return rows


# --- The hand pointer ------------------------------------------------------------

HAND = [
    " ###",
    "#ooo#",
    "#ooo#",
    "#ooo#",
    "#ooo#",
    "#ooo#",
    "#ooo#",
    "#ooo###",
    "#ooo#oo###",
    "#ooo#oo#oo###",
    "#ooo#oo#oo#oo##",
    "#ooo#oo#oo#oo#o#",
    "#ooo#oo#oo#oo#o#   ###",
    "#oooooooooooooooo##ooo#",
    "#oooooooooooooooooooo#",
    "#ooooooooooooooooooo#",
    "#oooooooooooooooooo#",
    " #oooooooooooooooo#",
    " #ooooooooooooooo#",
    "  #oooooooooooooo#",
    "  #ooooooooooooo#",
    "   #oooooooooooo#",
    "   #oooooooooooo#",
    "   ##############",
]


def draw_hand():
    palette = [(0, 0, 0), (0, 0, 0), (255, 255, 255)]
    legend = {" ": 0, "#": 1, "o": 2}
    write_palette_png(RESOURCES / "hand.png", 32, 32, palette, from_art(HAND, legend), transparent=0)


# --- The window icon ---------------------------------------------------------------

# The 16 colours of the classic palette, the first one given up for transparency.
ICON_PALETTE = [
    (0, 0, 0), (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
    (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 0), (255, 255, 255),
]

# The block: a binding with rings over a stack of sheets, 30 pixels wide.
ICON_BLOCK = [
    "",
    "     k      k      k      k",
    "  ###k######k######k######k###",
    " #ssskssssssksssssskssssssksss#",
    " #sssDssssssDssssssDssssssDsss#",
    " #gggggggggggggggggggggggggggg#",
    " #gggggggggggggggggggggggggggg#",
    " ##############################",
] + [" #wwwwwwwwwwwwwwwwwwwwwwwwwwww#"] * 17 + [
    " #sssssssssssssssssssssssssssg#",
    " #wwwwwwwwwwwwwwwwwwwwwwwwwwwg#",
    " #sssssssssssssssssssssssssssg#",
    " #wwwwwwwwwwwwwwwwwwwwwwwwwwwg#",
    " ##############################",
]

# The red 9 on the top sheet.
ICON_NINE = [
    "..########..",
    ".##########.",
    "####....####",
    "###......###",
    "###......###",
    "####....####",
    ".###########",
    "..######.###",
    ".........###",
    ".........###",
    "........####",
    "###....####.",
    "###########.",
    ".#########..",
    "...#####....",
]
NINE_LEFT, NINE_TOP = 10, 9


def icon_art():
    rows = [list(line) for line in ICON_BLOCK]
    for dy, line in enumerate(ICON_NINE):
        for dx, ch in enumerate(line):
            if ch == "#":
                rows[NINE_TOP + dy][NINE_LEFT + dx] = "R"
    return ["".join(r) for r in rows]


def draw_icon():
    legend = {" ": 0, "#": 1, "k": 1, "D": 9, "g": 9, "s": 8, "w": 15, "R": 10}
    write_palette_png(RESOURCES / "calendar-icon.png", 32, 32, ICON_PALETTE,
                      from_art(icon_art(), legend), transparent=0)


# --- The desktop icon in larger sizes ------------------------------------------------

# The same block as the window icon, drawn from shapes on a 32-unit grid so that it
# stays sharp at any size: binding with rings, the top sheet with a red 9, the edges
# of the sheets below.
ICON_SIZES = (16, 24, 48, 64, 128, 256)
OUTLINE = (40, 40, 40)
SILVER = (192, 192, 192)
STEEL = (128, 128, 128)
PAPER = (255, 255, 255)
NINE_RED = (220, 20, 20)


def _in_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def _in_nine(x, y):
    """The red 9: an oval bowl, a right-hand stem and a hook curling to the left."""
    bowl = _in_ellipse(x, y, 16, 13, 6, 4.2) and not _in_ellipse(x, y, 16, 13, 3.4, 1.9)
    stem = 19.2 <= x <= 22 and 13 <= y <= 19
    hook = (y >= 19 and _in_ellipse(x, y, 16, 19, 6, 4.6) and not _in_ellipse(x, y, 16, 19, 3.3, 2.2)
            and (x >= 13.5 or y >= 21))
    return bowl or stem or hook


def _icon_colour(x, y):
    """The colour at a point of the icon, or None where it is transparent."""
    colour = None
    if _in_round_rect(x, y, 1, 2, 31, 31, 1.5):
        colour = OUTLINE
    if _in_round_rect(x, y, 2, 3, 30, 30, 0.8):
        if y < 5:
            colour = SILVER
        elif y < 7:
            colour = STEEL
        elif y < 8:
            colour = OUTLINE
        elif y < 25:
            colour = PAPER
        else:
            colour = SILVER if int(y - 25) % 2 == 0 else PAPER   # edges of the sheets below
        if y >= 25 and x >= 29:
            colour = STEEL
    if 8.5 <= y <= 24.5 and _in_nine(x, y):
        colour = NINE_RED
    for ring in (5.5, 12.5, 19.5, 26.5):
        if _in_round_rect(x, y, ring - 0.7, 0.5, ring + 0.7, 5.5, 0.7):
            colour = OUTLINE
    return colour


def draw_large_icons():
    folder = RESOURCES / "icons"
    folder.mkdir(exist_ok=True)
    for size in ICON_SIZES:
        samples = 4 if size >= 64 else 8
        unit = 32 / size
        pixels = []
        for py in range(size):
            row = []
            for px in range(size):
                total, cover = [0, 0, 0], 0
                for sy in range(samples):
                    for sx in range(samples):
                        c = _icon_colour((px + (sx + 0.5) / samples) * unit, (py + (sy + 0.5) / samples) * unit)
                        if c is not None:
                            total = [t + v for t, v in zip(total, c)]
                            cover += 1
                alpha = round(255 * cover / samples ** 2)
                row.append(tuple(round(t / cover) for t in total) + (alpha,) if cover else (0, 0, 0, 0))
            pixels.append(row)
        write_rgba_png(folder / f"ortelana-{size}.png", size, size, pixels)


# --- The emblem --------------------------------------------------------------------

EMBLEM_W, EMBLEM_H = 71, 126
GREY = (224, 224, 224)
NAVY = (24, 40, 110)
DEEP = (60, 90, 170)
GOLD = (236, 176, 40)
WHITE = (255, 255, 255)
RED = (200, 30, 30)
INK = (90, 90, 110)


def _in_round_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and left <= x <= right and top <= y <= bottom


def _emblem_colour(x, y):
    """The colour at a point of the emblem, later layers over earlier ones."""
    colour = GREY
    # A tall shield in two blues, framed in gold.
    if _in_round_rect(x, y, 3, 3, 68, 123, 14):
        colour = GOLD
    if _in_round_rect(x, y, 6, 6, 65, 120, 11):
        t = (y - 6) / 114
        colour = tuple(round(a + (b - a) * t) for a, b in zip(NAVY, DEEP))
    # The sun over the calendar: a disc and twelve rays, one for each month.
    sx, sy = 35.5, 31.0
    r = math.hypot(x - sx, y - sy)
    angle = math.atan2(y - sy, x - sx)
    if 13 <= r <= 21 and abs(((angle * 12 / (2 * math.pi)) % 1) - 0.5) > 0.32:
        colour = GOLD
    if r <= 10:
        colour = GOLD
    # A calendar leaf with a red header, two rings and a grid of days.
    if _in_round_rect(x, y, 14, 58, 57, 108, 3):
        colour = WHITE
        if y < 68:
            colour = RED
        elif 72 <= y:
            col, row = (x - 17) / 8, (y - 72) / 8
            if 0 <= col < 5 and 0 <= row < 4 and (x - 17) % 8 < 5 and (y - 72) % 8 < 5:
                colour = RED if int(col) == 4 else INK
    for rx in (24.5, 46.5):
        if math.hypot(x - rx, y - 58) <= 2.5:
            colour = GREY
    return colour


def draw_emblem():
    samples = 4
    pixels = []
    for py in range(EMBLEM_H):
        row = []
        for px in range(EMBLEM_W):
            total = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = _emblem_colour(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples)
                    total = [t + v for t, v in zip(total, c)]
            row.append(tuple(round(t / samples ** 2) for t in total))
        pixels.append(row)
    write_rgb_png(RESOURCES / "emblem.png", EMBLEM_W, EMBLEM_H, pixels)


if __name__ == "__main__":
    draw_hand()
    draw_icon()
    draw_large_icons()
    draw_emblem()
