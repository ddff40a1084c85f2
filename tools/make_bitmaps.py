#!/usr/bin/env python3
"""Draws the three sample BMP files of the gallery: one each of 24, 8 and 4 bits per pixel.

Each is a small scene on black, so that drawing it with black as transparent shows the window
through the sky: a sun setting into the sea (24 bits, smooth colours), a rainbow over a hill
(8 bits, a 256-entry palette) and a house under the moon (4 bits, exactly 16 palette entries,
an odd width so the rows end on half a byte). The files are classic uncompressed BMPs with
the 40-byte info header, rows bottom first, each row padded to 4 bytes.
"""

import argparse
import colorsys
import math
import os
import struct


def bmp_bytes(width, height, depth, rows, palette=()):
    """rows: top row first; a pixel is (r, g, b) at 24 bits, else a palette index."""
    row_bytes = (width * depth + 31) // 32 * 4
    data = bytearray()
    for row in reversed(rows):
        if depth == 24:
            packed = bytearray(b for r, g, b_ in row for b in (b_, g, r))
        elif depth == 8:
            packed = bytearray(row)
        else:
            padded = list(row) + [0] * (len(row) % 2)
            packed = bytearray(padded[i] << 4 | padded[i + 1] for i in range(0, len(padded), 2))
        data += packed + bytes(row_bytes - len(packed))
    colours = bytearray()
    for r, g, b in palette:
        colours += bytes((b, g, r, 0))
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, depth, 0, len(data), 2835, 2835,
                       len(palette), 0)
    return header + info + colours + data


def sunset(width=48, height=40):
    horizon = 26
    sun_x, sun_y, radius = width / 2, horizon - 2, 11.5
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            d = math.hypot(x + 0.5 - sun_x, y + 0.5 - sun_y)
            if y < horizon:
                if d <= radius:
                    t = d / radius
                    row.append((255, int(235 - 120 * t), int(120 - 110 * t)))
                else:
                    row.append((0, 0, 0))
            else:
                depth = (y - horizon) / (height - horizon)
                # The sun's broken reflection: bright dashes that narrow towards the viewer.
                half = radius * (1 - 0.6 * depth)
                if abs(x + 0.5 - sun_x) < half and (y - horizon) % 3 == 0:
                    row.append((255, int(200 - 80 * depth), 60))
                elif (x + 2 * y) % 7 == 0:
                    row.append((0, 0, 0))
                else:
                    row.append((0, int(60 + 60 * depth), int(140 + 100 * depth)))
        rows.append(row)
    return rows


def rainbow_palette():
    """Entry 0 black; 1-200 a hue ring from red to violet; 201-255 greens for the hill."""
    palette = [(0, 0, 0)]
    for i in range(200):
        r, g, b = colorsys.hsv_to_rgb(i / 200 * 0.8, 1.0, 1.0)
        palette.append((round(r * 255), round(g * 255), round(b * 255)))
    for i in range(55):
        palette.append((20 + i, 90 + 2 * i, 20 + i // 2))
    return palette


def rainbow(width=64, height=48):
    centre_x, centre_y = width / 2, height + 6
    outer, inner = 44.0, 30.0
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            d = math.hypot(x + 0.5 - centre_x, y + 0.5 - centre_y)
            if y >= height - 14 + 6 * math.sin(x / width * math.pi * 1.3):
                row.append(201 + min(54, int((height - y) * 3)))
            elif inner <= d < outer:
                row.append(1 + int((outer - d) / (outer - inner) * 199.999))
            else:
                row.append(0)
        rows.append(row)
    return rows


HOUSE_PALETTE = [
    (0, 0, 0), (128, 0, 0), (200, 40, 30), (120, 70, 30), (250, 220, 60), (0, 0, 160),
    (90, 150, 255), (30, 150, 40), (10, 80, 20), (255, 255, 255), (128, 128, 128),
    (200, 200, 200), (240, 230, 200), (190, 120, 60), (255, 160, 0), (80, 40, 120),
]
BLACK, DARK_RED, RED, BROWN, YELLOW, BLUE, SKY, GREEN, DARK_GREEN, WHITE, GREY, LIGHT_GREY, \
    CREAM, TAN, ORANGE, PURPLE = range(16)


def house(width=61, height=45):
    grid = [[BLACK] * width for _ in range(height)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(height, y1)):
            for x in range(max(0, x0), min(width, x1)):
                grid[y][x] = colour

    fill(0, 38, width, height, GREEN)
    fill(0, 43, width, height, DARK_GREEN)
    for y in range(3, 10):  # the moon, a crescent
        for x in range(45, 56):
            if math.hypot(x - 50, y - 6) < 3.6 and math.hypot(x - 52, y - 5) >= 3.2:
                grid[y][x] = CREAM
    fill(8, 22, 38, 38, TAN)  # walls
    for y in range(8, 22):  # roof
        half = (y - 8) * 17 // 14
        fill(23 - half, y, 24 + half, y + 1, RED if y % 3 else DARK_RED)
    fill(30, 10, 34, 17, GREY)  # chimney
    fill(30, 9, 34, 10, LIGHT_GREY)
    fill(20, 29, 26, 38, BROWN)  # door
    grid[33][24] = YELLOW
    for x0 in (11, 29):  # windows with a cross
        fill(x0, 25, x0 + 6, 31, YELLOW)
        fill(x0 + 2, 25, x0 + 3, 31, ORANGE)
        fill(x0, 27, x0 + 6, 28, ORANGE)
    fill(47, 28, 50, 38, BROWN)  # tree
    for y in range(16, 31):
        for x in range(41, 57):
            if math.hypot(x - 48.5, y - 23) < 7.2:
                grid[y][x] = DARK_GREEN if (x + y) % 4 == 0 else GREEN
    for x, y in ((4, 4), (14, 2), (27, 5), (38, 3), (58, 12), (3, 14)):  # stars
        grid[y][x] = WHITE
    grid[12][40] = SKY
    grid[2][20] = BLUE
    grid[7][6] = PURPLE
    grid[38][5] = WHITE
    return grid


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", default=os.path.join(root, "Data"),
                        help="folder for the three files (default: Data/)")
    args = parser.parse_args()
    os.makedirs(args.output, exist_ok=True)
    files = {
        "gallery-24bit.bmp": bmp_bytes(48, 40, 24, sunset()),
        "gallery-8bit.bmp": bmp_bytes(64, 48, 8, rainbow(), rainbow_palette()),
        "gallery-4bit.bmp": bmp_bytes(61, 45, 4, house(), HOUSE_PALETTE),
    }
    for name, data in files.items():
        with open(os.path.join(args.output, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
