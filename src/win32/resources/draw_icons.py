#!/usr/bin/env python3
"""Draws the panel's icons and cursors and writes them as .ico and .cur files.

    draw_icons.py OUTPUT_DIR

Icons: panel.ico (the program, resource 107) and tray.ico (the notification area, 108): a small
remote control with a screen; tv.ico (1324) and radio.ico (1325), the entries of the channel
list for TV and radio channels. Cursors: pointer.cur (over a button, 132), held.cur (a button
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


def tv_icon():
    px = blank()
    fill_rect(px, 12, 2, 14, 8, (40, 44, 52))            # antenna
    fill_rect(px, 18, 2, 20, 8, (40, 44, 52))
    fill_round(px, 2, 7, 30, 27, 4, (40, 44, 52))        # cabinet
    fill_round(px, 5, 10, 24, 24, 3, (60, 140, 220))     # screen
    fill_rect(px, 8, 13, 14, 17, (150, 210, 250))        # glare
    disc(px, 27, 13, 1, (230, 200, 60))                  # knobs
    disc(px, 27, 19, 1, (230, 200, 60))
    fill_rect(px, 6, 27, 10, 30, (40, 44, 52))           # feet
    fill_rect(px, 22, 27, 26, 30, (40, 44, 52))
    return px


def radio_icon():
    px = blank()
    for i in range(10):                                  # antenna, slanted
        fill_rect(px, 20 + i // 2, 1 + i, 22 + i // 2, 2 + i, (40, 44, 52))
    fill_round(px, 2, 10, 30, 29, 4, (150, 60, 40))      # body
    disc(px, 10, 19, 6, (40, 44, 52))                    # speaker
    disc(px, 10, 19, 3, (90, 90, 96))
    fill_rect(px, 19, 13, 28, 17, (240, 220, 150))       # dial
    fill_rect(px, 23, 13, 24, 17, (200, 40, 30))
    disc(px, 23, 23, 2, (230, 200, 60))                  # tuning knob
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
    write(out / "tv.ico", tv_icon(), 1)
    write(out / "radio.ico", radio_icon(), 1)
    write(out / "pointer.cur", arrow_cursor((255, 255, 255)), 2, (0, 0))
    write(out / "held.cur", arrow_cursor((255, 200, 40)), 2, (0, 0))
    write(out / "move.cur", move_cursor(), 2, (15, 15))


if __name__ == "__main__":
    main()
