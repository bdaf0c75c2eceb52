"""Writes 16-colour (4 bits per pixel) Windows bitmaps from rows of characters, one per pixel.

Each character names a colour of the standard 16-colour palette (below); the picture is given
top row first. The library's bitmaps are drawn this way so that their pixels can be read and
reviewed as text.
"""
import struct

# The standard 16-colour palette, in its usual order, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Characters for the colours the pictures use.
COLOURS = {
    "k": (0, 0, 0),          # black
    "g": (128, 128, 128),    # grey
    "s": (192, 192, 192),    # silver
    "w": (255, 255, 255),    # white (the mask colour)
}


def write(path, rows, colours=COLOURS):
    height = len(rows)
    width = len(rows[0])
    assert all(len(r) == width for r in rows), "rows differ in length"
    index = {ch: PALETTE.index(rgb) for ch, rgb in colours.items()}
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray(stride)
        for x, ch in enumerate(row):
            value = index[ch]
            line[x // 2] |= value << 4 if x % 2 == 0 else value
        pixels += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header_size = 14 + 40 + len(palette)
    with open(path, "wb") as out:
        out.write(struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size))
        out.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0))
        out.write(palette)
        out.write(pixels)
