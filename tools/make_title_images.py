#!/usr/bin/env python3
"""Renders the two title pictures and writes them as 16-colour palette images in C++.

ImageMagick draws the word once per picture, white on black at its final size, so that every
grey level is how much of a pixel the letters cover. Everything after that happens here: the
word is centred, composed over its drop shadow and the ground, framed, and every pixel is
mapped to the fixed palette. Doing the composition ourselves keeps the frame exact and lets
the soft edges of the letters pick red shades and those of the shadow pick greys, which a
plain nearest-colour quantiser mixes up where red, black and white meet.
"""

import argparse
import os
import struct
import subprocess
import sys
import zlib

WORD = "Tessarin"

# The fixed palette, entry 0 first. Entry 15 is never used by the pictures.
PALETTE = [
    0x0B0808, 0x6E1A14, 0x4E4E4E, 0x7A7A7A, 0x078B00, 0xA70B09, 0xFB1F1F, 0xFF5353,
    0x949494, 0xB0B0B0, 0xFFAAAA, 0xCECECE, 0xF7DAD0, 0xFFE9DE, 0xFEFEFE, 0x000000,
]
SHADOW, FRAME, RED, GROUND = 0, 4, 6, 14

# Where the letters are, any red shade or the dark may stand; where only the shadow is, greys.
LETTER_ENTRIES = [0, 1, 5, 6, 7, 10, 12, 13, 14]
SHADOW_ENTRIES = [0, 2, 3, 8, 9, 11, 14]



class Picture:
    def __init__(self, name, width, height, frame, shadow, text_width, tracking):
        self.name = name
        self.width = width
        self.height = height
        self.frame = frame  # frame width in pixels
        self.shadow = shadow  # drop-shadow offset right and down, in pixels
        self.text_width = text_width  # widest the ink of the word may be, in pixels
        self.tracking = tracking  # extra space between letters, in pixels


# The shadow is a fifth to a quarter of a stem wide on both; the letters get a little air
# between them so that the shadow of one does not run into the next.
PICTURES = [
    Picture("kTitleLarge", 328, 100, 2, 3, 288, 2),
    Picture("kTitleSmall", 164, 50, 1, 2, 142, 1),
]


def rgb(entry):
    c = PALETTE[entry]
    return ((c >> 16) & 255, (c >> 8) & 255, c & 255)


def read_pgm(data):
    """Parses a binary 8-bit PGM as ImageMagick writes it; returns (width, height, bytes)."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while data[pos:pos + 1] != b"\n":
                pos += 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P5" or int(fields[3]) != 255:
        sys.exit("unexpected PGM from convert")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height]
    if len(pixels) != width * height:
        sys.exit("short PGM from convert")
    return width, height, pixels


class Mask:
    """The word in white on black at its final size: each grey level is the coverage of that
    pixel, with the font's own hinting, which keeps stems and bars crisp at these sizes."""

    def __init__(self, convert, font, pointsize, tracking):
        self.width = pointsize * (len(WORD) + 2)
        self.height = 2 * pointsize
        out = subprocess.run(
            [convert, "-size", "%dx%d" % (self.width, self.height), "xc:black",
             "-font", font, "-density", "72", "-pointsize", str(pointsize), "-fill", "white",
             "-antialias", "-kerning", str(tracking),
             "-annotate", "+%d+%d" % (pointsize // 2, pointsize * 3 // 2), WORD,
             "-colorspace", "Gray", "-depth", "8", "pgm:-"],
            check=True, stdout=subprocess.PIPE).stdout
        w, h, self.pixels = read_pgm(out)
        if (w, h) != (self.width, self.height):
            sys.exit("convert returned a picture of the wrong size")
        rows = [y for y in range(h) if any(self.pixels[y * w:(y + 1) * w])]
        if not rows:
            sys.exit("convert drew nothing; is the font there?")
        self.top, self.bottom = rows[0], rows[-1] + 1
        cols = [any(self.pixels[y * w + x] for y in range(self.top, self.bottom))
                for x in range(w)]
        self.left = cols.index(True)
        self.right = w - cols[::-1].index(True)
        if self.left == 0 or self.top == 0 or self.right == w or self.bottom == h:
            sys.exit("the word touches the edge of the render canvas")

    def ink_width(self):
        return self.right - self.left

    def ink_height(self):
        return self.bottom - self.top

    def at(self, x, y):
        """Coverage 0..1 at mask pixel (x, y); nothing outside the mask."""
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.pixels[y * self.width + x] / 255.0
        return 0.0


def fit_mask(convert, font, pic):
    """The largest point size whose ink is no wider than wanted."""
    size = 10
    mask = Mask(convert, font, size, pic.tracking)
    while True:
        bigger = Mask(convert, font, size + 1, pic.tracking)
        if bigger.ink_width() > pic.text_width:
            return mask
        size, mask = size + 1, bigger


def nearest(color, entries):
    # Weighted by how strongly the eye separates the channels ("redmean"), which keeps pale
    # pinks from turning grey and dark reds from turning black.
    best, best_d = None, None
    r, g, b = color
    for e in entries:
        pr, pg, pb = rgb(e)
        rm = (r + pr) / 2
        d = ((2 + rm / 256) * (r - pr) ** 2 + 4 * (g - pg) ** 2
             + (2 + (255 - rm) / 256) * (b - pb) ** 2)
        if best_d is None or d < best_d:
            best, best_d = e, d
    return best


def blend(under, over, a):
    return tuple(u + (o - u) * a for u, o in zip(under, over))


def render(convert, font, pic):
    """Returns the picture as rows (top row first) of palette entries, and the mask."""
    mask = fit_mask(convert, font, pic)
    inner_w = pic.width - 2 * pic.frame
    inner_h = pic.height - 2 * pic.frame
    # The letters are centred together with their shadow, which is what the eye weighs.
    left = pic.frame + (inner_w - mask.ink_width() - pic.shadow) // 2
    top = pic.frame + (inner_h - mask.ink_height() - pic.shadow) // 2
    # Picture pixel (x, y) shows mask pixel (x + dx, y + dy).
    dx, dy = mask.left - left, mask.top - top

    ground, dark, red = rgb(GROUND), rgb(SHADOW), rgb(RED)
    rows = []
    for y in range(pic.height):
        row = []
        for x in range(pic.width):
            if (x < pic.frame or y < pic.frame or x >= pic.width - pic.frame
                    or y >= pic.height - pic.frame):
                row.append(FRAME)
                continue
            a_l = mask.at(x + dx, y + dy)
            a_s = mask.at(x + dx - pic.shadow, y + dy - pic.shadow)
            color = blend(blend(ground, dark, a_s), red, a_l)
            if a_l > 0:
                row.append(nearest(color, LETTER_ENTRIES))
            elif a_s > 0:
                row.append(nearest(color, SHADOW_ENTRIES))
            else:
                row.append(GROUND)
        rows.append(row)
    return rows, mask


def encode(rows):
    """Palette bytes, then the rows bottom row first, two pixels per byte, left one high."""
    data = bytearray()
    for e in range(16):
        data.extend(rgb(e))
    width = len(rows[0])
    for row in reversed(rows):
        for i in range(0, width, 2):
            hi = row[i]
            lo = row[i + 1] if i + 1 < width else 0
            data.append(hi << 4 | lo)
    return bytes(data)


def decode(data, width, height):
    """Reads the encoded bytes back into RGB rows, top row first, as the program does."""
    palette = [tuple(data[3 * e:3 * e + 3]) for e in range(16)]
    stride = (width + 1) // 2
    rows = [None] * height
    for r in range(height):
        line = data[48 + r * stride:48 + (r + 1) * stride]
        row = []
        for x in range(width):
            byte = line[x // 2]
            row.append(palette[byte >> 4 if x % 2 == 0 else byte & 15])
        rows[height - 1 - r] = row
    return rows


def write_png(path, rows, scale):
    width, height = len(rows[0]) * scale, len(rows) * scale
    raw = bytearray()
    for row in rows:
        line = bytearray([0])
        for c in row:
            line.extend(bytes(c) * scale)
        for _ in range(scale):
            raw.extend(line)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


def cpp_array(name, data):
    lines = ["const unsigned char %s[%sBytes] = {" % (name, name)]
    for i in range(0, len(data), 16):
        lines.append("    " + ", ".join("0x%02X" % b for b in data[i:i + 16]) + ",")
    lines.append("};")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--convert", default="/usr/bin/convert")
    parser.add_argument("--font",
                        default="/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf")
    parser.add_argument("--output", required=True, help="the C++ file to write")
    parser.add_argument("--preview", help="folder for decoded previews, 3x, as PNG")
    args = parser.parse_args()

    arrays = []
    for pic in PICTURES:
        rows, mask = render(args.convert, args.font, pic)
        data = encode(rows)
        expected = 48 + (pic.width + 1) // 2 * pic.height
        if len(data) != expected:
            sys.exit("%s: %d bytes, expected %d" % (pic.name, len(data), expected))
        used = sorted({e for row in rows for e in row})
        counts = {e: sum(row.count(e) for row in rows) for e in used}
        print("%s: %dx%d, ink %dx%d, %d bytes, entries used %s" % (
            pic.name, pic.width, pic.height, mask.ink_width(), mask.ink_height(), len(data),
            counts))
        arrays.append(cpp_array(pic.name, data))
        if args.preview:
            os.makedirs(args.preview, exist_ok=True)
            write_png(os.path.join(args.preview, pic.name + ".png"),
                      decode(data, pic.width, pic.height), 3)

    text = ("// Generated by tools/make-title-images.sh; do not edit by hand, run the script again.\n"
            "// clang-format off\n"
            "#include \"game/images/TitleImages.h\"\n\n"
            + "\n\n".join(arrays) + "\n")
    with open(args.output, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
