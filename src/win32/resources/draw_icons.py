#!/usr/bin/env python3
"""Draws the panel's icons and cursors and writes them as .ico and .cur files.

    draw_icons.py OUTPUT_DIR

Icons: panel.ico (the program, resource 107) and tray.ico (the notification area, 108): a small
remote control with a screen. Cursors: pointer.cur (over a button, 132), held.cur (a button
held down, 135), move.cur (the panel being dragged, 136).
"""
import struct
import sys
from pathlib import Path

SIZE = 32


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def fill_rect(px, x0, y0, x1, y1, color):
    for y in range(max(0, y0), min(SIZE, y1)):
        for x in range(max(0, x0), min(SIZE, x1)):
            px[y][x] = color


def fill_round(px, x0, y0, x1, y1, r, color):
    for y in range(y0, y1):
        for x in range(x0, x1):
            cx = min(max(x, x0 + r), x1 - 1 - r)
            cy = min(max(y, y0 + r), y1 - 1 - r)
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r and 0 <= x < SIZE and 0 <= y < SIZE:
                px[y][x] = color


def disc(px, cx, cy, r, color):
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r and 0 <= x < SIZE and 0 <= y < SIZE:
                px[y][x] = color


def remote_icon(accent):
    px = blank()
    fill_round(px, 7, 1, 25, 31, 5, (40, 44, 52))        # body
    fill_round(px, 8, 2, 24, 30, 4, (70, 76, 90))
    fill_rect(px, 10, 5, 22, 12, (14, 20, 16))           # LCD window
    fill_rect(px, 11, 6, 21, 11, (60, 200, 120))
    fill_rect(px, 13, 7, 15, 10, (14, 60, 30))           # "8" hint
    fill_rect(px, 17, 7, 19, 10, (14, 60, 30))
    disc(px, 16, 18, 3, accent)                          # power / main button
    for row in range(3):
        for col in range(3):
            fill_rect(px, 11 + col * 4, 23 + row * 2, 13 + col * 4, 24 + row * 2, (200, 205, 215))
    return px


def arrow_cursor(fill):
    # A classic arrow, outlined in black, hotspot at the tip.
    shape = [
        "X", "XX", "X.X", "X..X", "X...X", "X....X", "X.....X", "X......X", "X.......X",
        "X........X", "X.....XXXXX", "X..X..X", "X.X X..X", "XX  X..X", "X    X..X",
        "     X..X", "      XX",
    ]
    px = blank()
    for y, row in enumerate(shape):
        for x, ch in enumerate(row):
            if ch == "X":
                px[y][x] = (0, 0, 0)
            elif ch == ".":
                px[y][x] = fill
    return px


def move_cursor():
    px = blank()
    c = 15
    for d in range(-11, 12):
        fill_rect(px, c + d, c - 1, c + d + 1, c + 2, (0, 0, 0))
        fill_rect(px, c - 1, c + d, c + 2, c + d + 1, (0, 0, 0))
    for d in range(-10, 11):
        px[c][c + d] = (255, 255, 255)
        px[c + d][c] = (255, 255, 255)
    for k in range(1, 5):  # arrow heads
        for s in (-1, 1):
            for t in range(-k + 1, k):
                px[c + t][c + s * (12 - k)] = (0, 0, 0)
                px[c + s * (12 - k)][c + t] = (0, 0, 0)
    return px


def image_data(px):
    """BITMAPINFOHEADER + 32-bit BGRA rows bottom-up + 1-bit AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(SIZE - 1, -1, -1):
        for x in range(SIZE):
            c = px[y][x]
            xor += bytes((c[2], c[1], c[0], 255)) if c else b"\0\0\0\0"
    mask = bytearray()
    for y in range(SIZE - 1, -1, -1):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (0 if px[y][x] else 1)
        mask += struct.pack(">I", bits)
    return header + bytes(xor) + bytes(mask)


def write(path, px, kind, hotspot=(0, 0)):
    data = image_data(px)
    entry_a, entry_b = (1, 32) if kind == 1 else hotspot
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, entry_a, entry_b, len(data), 6 + 16)
    Path(path).write_bytes(directory + entry + data)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write(out / "panel.ico", remote_icon((230, 70, 60)), 1)
    write(out / "tray.ico", remote_icon((60, 160, 230)), 1)
    write(out / "pointer.cur", arrow_cursor((255, 255, 255)), 2, (0, 0))
    write(out / "held.cur", arrow_cursor((255, 200, 40)), 2, (0, 0))
    write(out / "move.cur", move_cursor(), 2, (15, 15))


if __name__ == "__main__":
    main()
