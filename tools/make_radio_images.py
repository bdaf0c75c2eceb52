#!/usr/bin/env python3
"""Draws src/res/radio_images.bmp: the check list's three 20 x 20 radio images side by side.

0: solid silver (never shown); 1: radio off, a ring 12 pixels across at pixels 4 to 15 in both
directions: a grey outer ring, an inner edge black on the upper left and silver on the lower
right, white inside; 2: radio on, the same ring with a black dot in its middle. White is the mask
colour, so the inside of the ring shows the row's background.
A path given as the only argument is written instead of src/res/radio_images.bmp.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
import bmp16  # noqa: E402

SIZE = 20
RING_AT = 4  # the ring's 12 x 12 square starts at this row and column

# The ring's 12 x 12 square: O outer ring, I inner edge, . inside or outside.
RING = [
    "....OOOO....",
    "..OOIIIIOO..",
    ".OIIWWWWIIO.",
    ".OIWWWWWWIO.",
    "OIWWWWWWWWIO",
    "OIWWWWWWWWIO",
    "OIWWWWWWWWIO",
    "OIWWWWWWWWIO",
    ".OIWWWWWWIO.",
    ".OIIWWWWIIO.",
    "..OOIIIIOO..",
    "....OOOO....",
]

# Dot of the radio-on image, in the image's own rows and columns: row -> columns.
DOT = {8: [9, 10], 9: [8, 9, 10, 11], 10: [8, 9, 10, 11], 11: [9, 10]}


def ring_pixel(x, y):
    """Colour of pixel (x, y) of the ring's square."""
    part = RING[y][x]
    if part == "O":
        return "g"
    if part == "I":
        # The inner edge is black above the diagonal from lower left to upper right.
        return "k" if x + y <= 10 else "s"
    return "w"


def solid():
    return ["s" * SIZE for _ in range(SIZE)]


def radio(dot=False):
    rows = []
    for y in range(SIZE):
        row = ""
        for x in range(SIZE):
            rx, ry = x - RING_AT, y - RING_AT
            if dot and x in DOT.get(y, []):
                row += "k"
            elif 0 <= rx < 12 and 0 <= ry < 12:
                row += ring_pixel(rx, ry)
            else:
                row += "w"
        rows.append(row)
    return rows


def main():
    images = [solid(), radio(), radio(dot=True)]
    rows = ["".join(image[y] for image in images) for y in range(SIZE)]
    default = os.path.join(os.path.dirname(__file__), "..", "src", "res", "radio_images.bmp")
    bmp16.write(sys.argv[1] if len(sys.argv) > 1 else default, rows)


if __name__ == "__main__":
    main()
