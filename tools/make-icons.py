#!/usr/bin/env python3
"""Draws the game's icon and writes it where the program and the installed game take it.

The icon is a small board in the game's colours: a green board with a darker rim, fifteen
white tiles framed in black, one of them red, and the grey empty cell at the lower right. It
is drawn afresh for each size, on whole pixels, so that the tiles stay crisp down to 16 px;
only the rounded corners of the board are smoothed.

Writes
  dist/icons/hicolor/NxN/apps/tessarin.png  for N in 16, 32, 48, 64, 128 and 256
  src/game/GameIcon.cpp                     the 16 and 48 px pictures as ARGB numbers

Both are committed; run this only to change the drawing:  tools/make-icons.py
It needs nothing but Python 3: the PNG files are written by hand.
"""

import pathlib
import struct
import sys
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
PNG_SIZES = (16, 32, 48, 64, 128, 256)
COMPILED_SIZES = (16, 48)

RIM = (0x00, 0xAA, 0x00)
BOARD = (0x00, 0xFF, 0x00)
TILE = (0xFF, 0xFF, 0xFF)
MOVING_TILE = (0xFF, 0x00, 0x00)
EMPTY = (0xB7, 0xB7, 0xB7)
FRAME = (0x00, 0x00, 0x00)
LIGHT = (0xFF, 0xFF, 0xFF)
MOVING_INDEX = 14
EMPTY_INDEX = 15
SUBSAMPLES = 4


class Layout:
    """Where the parts lie at one size, in whole pixels."""

    def __init__(self, size):
        self.size = size
        self.radius = max(2, size // 8)
        self.rim = max(1, size // 24)
        self.gap = max(1, size // 32)
        inside = size - 2 * self.rim - 5 * self.gap
        self.tile = inside // 4
        self.first = self.rim + self.gap + (inside - 4 * self.tile) // 2
        # Tiles smaller than this show as plain squares: a frame would leave no inside.
        self.frame = max(1, size // 64) if self.tile >= 5 else 0

    def tile_origin(self, index):
        row, column = divmod(index, 4)
        pitch = self.tile + self.gap
        return self.first + column * pitch, self.first + row * pitch


def rounded_coverage(px, py, left, top, right, bottom, radius):
    """How much of pixel (px, py) lies inside the rounded rectangle, 0.0 to 1.0."""
    inside = 0
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            x = px + (sx + 0.5) / SUBSAMPLES
            y = py + (sy + 0.5) / SUBSAMPLES
            cx = min(max(x, left + radius), right - radius)
            cy = min(max(y, top + radius), bottom - radius)
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2:
                inside += 1
    return inside / SUBSAMPLES ** 2


def blend(under, over, amount):
    return tuple(round(u + (o - u) * amount) for u, o in zip(under, over))


def tile_colour(layout, index, dx, dy):
    """The colour of the pixel (dx, dy) inside tile `index`."""
    edge = layout.tile - layout.frame
    on_top_left = dx < layout.frame or dy < layout.frame
    on_bottom_right = dx >= edge or dy >= edge
    if index == EMPTY_INDEX:
        # Sunken, as the game draws its empty cell: dark above and left, light below and right.
        if on_top_left:
            return FRAME
        return LIGHT if on_bottom_right else EMPTY
    if on_top_left or on_bottom_right:
        return FRAME
    return MOVING_TILE if index == MOVING_INDEX else TILE


def draw(size):
    """The icon at one size: rows of (r, g, b, a)."""
    layout = Layout(size)
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    inner = layout.radius - layout.rim
    for py in range(size):
        for px in range(size):
            outer = rounded_coverage(px, py, 0, 0, size, size, layout.radius)
            if outer == 0:
                continue
            board = rounded_coverage(px, py, layout.rim, layout.rim, size - layout.rim,
                                     size - layout.rim, inner)
            pixels[py][px] = blend(RIM, BOARD, board) + (round(255 * outer),)
    for index in range(16):
        left, top = layout.tile_origin(index)
        for dy in range(layout.tile):
            for dx in range(layout.tile):
                pixels[top + dy][left + dx] = tile_colour(layout, index, dx, dy) + (255,)
    return pixels


def png_bytes(pixels):
    def chunk(tag, data):
        crc = zlib.crc32(tag + data) & 0xFFFFFFFF
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", crc)

    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(value for pixel in row for value in pixel) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def argb_array(name, pixels):
    size = len(pixels)
    numbers = ["0x%02X%02X%02X%02Xu" % (a, r, g, b) for row in pixels for (r, g, b, a) in row]
    lines = [", ".join(numbers[start:start + 7]) + "," for start in range(0, len(numbers), 7)]
    body = "\n".join("    " + line for line in lines)
    return "const std::uint32_t %s[%d * %d] = {\n%s\n};\n" % (name, size, size, body)


def cpp_source(pictures):
    parts = [
        "// Generated by tools/make-icons.py, which draws the installed icons (dist/icons/hicolor/)\n"
        "// from the same drawing: change the drawing there and run it again, not this file.\n"
        "#include \"game/GameIcon.h\"\n"
    ]
    for size in COMPILED_SIZES:
        parts.append("\n" + argb_array("kGameIcon%d" % size, pictures[size]))
    return "".join(parts)


def main():
    pictures = {size: draw(size) for size in PNG_SIZES}
    for size, pixels in pictures.items():
        path = ROOT / "dist" / "icons" / "hicolor" / ("%dx%d" % (size, size)) / "apps"
        path.mkdir(parents=True, exist_ok=True)
        (path / "tessarin.png").write_bytes(png_bytes(pixels))
    (ROOT / "src" / "game" / "GameIcon.cpp").write_text(cpp_source(pictures))
    print("Wrote %d PNG files under dist/icons/hicolor and src/game/GameIcon.cpp" % len(pictures))
    return 0


if __name__ == "__main__":
    sys.exit(main())
