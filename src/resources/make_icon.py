#!/usr/bin/env python3
"""Draws the component's icon: a white note sending two orange waves, on a blue rounded tile.

Writes tunesignal.ico beside this file with two 16 x 16 images, one in 24-bit colour (transparency
through the mask) and one in 32-bit colour with an alpha channel. Run it again after changing the
drawing; the .ico is kept in the tree so that the build does not need Python.
"""
import pathlib
import struct

SIZE = 16

# Foreground over the tile: W the note, O the waves, . the tile itself.
DRAWING = [
    "................",
    "................",
    ".....WWW........",
    ".....WW.W.......",
    ".....WW..W..O...",
    ".....WW......O..",
    ".....WW...O...O.",
    ".....WW....O..O.",
    ".....WW....O..O.",
    "...WWWW....O..O.",
    "..WWWWW...O...O.",
    "..WWWWW......O..",
    "...WWW......O...",
    "................",
    "................",
    "................",
]

WHITE = (255, 255, 255)
ORANGE = (255, 160, 32)
TOP = (58, 130, 230)
BOTTOM = (22, 70, 160)
EDGE = (14, 44, 110)
RADIUS = 3.0


def coverage(x, y):
    """How much of pixel (x, y) the rounded tile covers, sampled 4 x 4 times."""
    inside = 0
    for sy in range(4):
        for sx in range(4):
            px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
            cx = min(max(px, RADIUS), SIZE - RADIUS)
            cy = min(max(py, RADIUS), SIZE - RADIUS)
            if (px - cx) ** 2 + (py - cy) ** 2 <= RADIUS ** 2:
                inside += 1
    return inside / 16


def on_edge(x, y):
    return coverage(x, y) > 0 and any(
        coverage(nx, ny) == 0
        for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))
        if 0 <= nx < SIZE and 0 <= ny < SIZE) or (
        coverage(x, y) > 0 and (x in (0, SIZE - 1) or y in (0, SIZE - 1)))


def pixel(x, y):
    """(red, green, blue, alpha) of one pixel, row 0 at the top."""
    alpha = round(255 * coverage(x, y))
    if alpha == 0:
        return (0, 0, 0, 0)
    mark = DRAWING[y][x]
    if mark == "W":
        colour = WHITE
    elif mark == "O":
        colour = ORANGE
    elif on_edge(x, y):
        colour = EDGE
    else:
        t = y / (SIZE - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))
    return colour + (alpha,)


def mask_rows():
    """The AND mask, bottom row first, each row padded to 32 bits: 1 where the tile is absent."""
    rows = []
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            if pixel(x, y)[3] < 128:
                bits |= 0x8000 >> x
        rows.append(struct.pack(">H", bits) + b"\0\0")
    return b"".join(rows)


def image(bit_count):
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bit_count, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(SIZE)):
        row = b""
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            if bit_count == 24:
                row += bytes((b, g, r)) if a >= 128 else b"\0\0\0"
            else:
                row += bytes((b, g, r, a))
        row += b"\0" * (-len(row) % 4)
        rows.append(row)
    return header + b"".join(rows) + mask_rows()


def icon_file():
    images = [(24, image(24)), (32, image(32))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for bit_count, data in images:
        out += struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, bit_count, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


if __name__ == "__main__":
    target = pathlib.Path(__file__).with_name("tunesignal.ico")
    target.write_bytes(icon_file())
    print(f"wrote {target}")
