#!/usr/bin/env python3
"""Draws the program icons: a small board of coloured cells, as .ico files.

    make-icon.py board OUT.ico       the board program's icon
    make-icon.py setup OUT.ico       the installer's icon (the board with an arrow)
"""
import struct
import sys

SIZES = (16, 24, 32, 48, 64, 256)
GREY, BLACK, BLUE = (240, 240, 240), (20, 20, 20), (108, 166, 205)
GREEN, RED, WHITE = (0, 200, 0), (230, 30, 30), (255, 255, 255)


def draw(n, kind):
    """Returns n x n RGBA pixels, top row first."""
    px = [[(0, 0, 0, 0)] * n for _ in range(n)]
    m = max(1, n // 16)
    for y in range(m, n - m):
        for x in range(m, n - m):
            px[y][x] = GREY + (255,)
    inner = n - 2 * m
    rows = 4
    cell_h = (inner - (rows + 1) * m) // rows
    label_w = (inner - 3 * m) * 2 // 5
    for r in range(rows):
        top = m + m + r * (cell_h + m)
        colour = (BLUE, BLUE, GREEN, RED)[r]
        for y in range(top, top + cell_h):
            for x in range(2 * m, 2 * m + label_w):
                px[y][x] = BLACK + (255,)
            for x in range(3 * m + label_w, n - 2 * m):
                px[y][x] = colour + (255,)
    if kind == "setup":
        # a white arrow pointing down over the value column
        cx = (3 * m + label_w + n - 2 * m) // 2
        half = max(2, n // 6)
        for y in range(n // 5, n - n // 5):
            for x in range(cx - half // 3, cx + half // 3 + 1):
                px[y][x] = WHITE + (255,)
        tip = n - n // 5
        for d in range(half + 1):
            y = tip - half + d
            for x in range(cx - (half - d), cx + (half - d) + 1):
                px[y][x] = WHITE + (255,)
    return px


def bmp_image(n, px):
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    data = bytearray()
    for row in reversed(px):
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    mask_row = ((n + 31) // 32) * 4
    data += bytes(mask_row * n)
    return header + bytes(data)


def main():
    kind, out = sys.argv[1], sys.argv[2]
    images = [bmp_image(n, draw(n, kind)) for n in SIZES]
    offset = 6 + 16 * len(images)
    head = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    for n, img in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(head + entries + b"".join(images))


if __name__ == "__main__":
    main()
