#!/usr/bin/env python3
"""Draws src/res/check_images.bmp: the check tree's four 13 x 13 state images side by side.

0: silver and white alternating (never shown); 1: a two-pixel grey frame around a white 9 x 9
inside (unchecked); 2: the frame with a grey tick (partial); 3: the frame with a black tick
(checked). White is the mask colour.
A path given as the only argument is written instead of src/res/check_images.bmp.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
import bmp16  # noqa: E402

SIZE = 13
# Tick pixels of the 9 x 9 inside: row -> columns.
TICK = {1: [7], 2: [6, 7], 3: [1, 5, 6, 7], 4: [1, 2, 4, 5, 6], 5: [1, 2, 3, 4, 5], 6: [2, 3, 4], 7: [3]}


def pattern():
    return ["".join("s" if (x + y) % 2 == 0 else "w" for x in range(SIZE)) for y in range(SIZE)]


def box(tick=None):
    rows = []
    for y in range(SIZE):
        row = ""
        for x in range(SIZE):
            inside_x, inside_y = x - 2, y - 2
            if not (0 <= inside_x < 9 and 0 <= inside_y < 9):
                row += "g"
            elif tick and inside_x in TICK.get(inside_y, []):
                row += tick
            else:
                row += "w"
        rows.append(row)
    return rows


def main():
    images = [pattern(), box(), box("g"), box("k")]
    rows = ["".join(image[y] for image in images) for y in range(SIZE)]
    default = os.path.join(os.path.dirname(__file__), "..", "src", "res", "check_images.bmp")
    bmp16.write(sys.argv[1] if len(sys.argv) > 1 else default, rows)


if __name__ == "__main__":
    main()
