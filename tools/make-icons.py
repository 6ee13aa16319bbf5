#!/usr/bin/env python3
"""Draws Rokan's two 32x32 256-colour icons (the application's and the About
box's own) and writes them as .ico files. Run once when the art changes; the
.ico files are kept in src/win32/res."""
import struct
import sys
from pathlib import Path

SIZE = 32

# 5x7 letters, one string per row.
GLYPHS = {
    "R": ["1111.", "1...1", "1...1", "1111.", "1.1..", "1..1.", "1...1"],
    "i": ["..1..", ".....", ".11..", "..1..", "..1..", "..1..", ".111."],
}


def canvas(colour):
    return [[colour] * SIZE for _ in range(SIZE)]


def disc(img, cx, cy, r, colour):
    for y in range(SIZE):
        for x in range(SIZE):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                img[y][x] = colour


def rounded_square(img, margin, radius, colour):
    lo, hi = margin, SIZE - margin
    for y in range(lo, hi):
        for x in range(lo, hi):
            dx = max(lo + radius - x - 0.5, 0, x + 0.5 - (hi - radius))
            dy = max(lo + radius - y - 0.5, 0, y + 0.5 - (hi - radius))
            if dx * dx + dy * dy <= radius * radius:
                img[y][x] = colour


def glyph(img, letter, left, top, scale, colour):
    for row, bits in enumerate(GLYPHS[letter]):
        for col, bit in enumerate(bits):
            if bit == "1":
                for y in range(scale):
                    for x in range(scale):
                        img[top + row * scale + y][left + col * scale + x] = colour


def arc(img, cx, cy, r, colour):
    """A right-facing quarter ring: the sound waves beside the letter."""
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if abs(d - r) < 0.75 and x + 0.5 > cx and abs(y + 0.5 - cy) < (x + 0.5 - cx):
                img[y][x] = colour


def write_ico(path, img, palette):
    """One 32x32 image, 8 bits per pixel, colour 0 transparent."""
    pal = [palette[i] if i < len(palette) else (0, 0, 0) for i in range(256)]
    xor = b"".join(bytes(img[y]) for y in reversed(range(SIZE)))
    mask_rows = []
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if img[y][x] == 0 else 0)
        mask_rows.append(struct.pack(">I", bits))
    and_mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(and_mask), 0, 0, 256, 0)
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    image = header + palette_bytes + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22)
    Path(path).write_bytes(directory + image)


def main(out_dir):
    out = Path(out_dir)
    # 0 transparent, 1 navy, 2 white, 3 sky, 4 gold, 5 dark brown
    palette = [(0, 0, 0), (22, 52, 110), (255, 255, 255), (120, 190, 255), (242, 190, 40), (90, 60, 10)]

    app = canvas(0)
    rounded_square(app, 1, 6, 1)
    glyph(app, "R", 4, 7, 3, 2)
    for r in (4, 7, 10):
        arc(app, 18, 16, r, 3)
    write_ico(out / "rokan.ico", app, palette)

    about = canvas(0)
    disc(about, 16, 16, 15, 4)
    disc(about, 16, 16, 12.5, 2)
    glyph(about, "i", 8, 5, 3, 5)
    write_ico(out / "about.ico", about, palette)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/win32/res")
