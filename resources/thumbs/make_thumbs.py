#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the slide bar's thumb bitmaps and their masks as XPM files, which Qt reads natively.

Each thumb is a bevelled shape in the classic 16-colour set: white on its top-left edge,
black on its bottom-right edge, gray just inside that, silver in between. Outside the shape
the thumb is black and the mask white; inside, the mask is black. The bar draws a thumb by
ANDing the mask onto the background and ORing the thumb over it, so these two conventions
are what keep the outside transparent.

Run from anywhere: python3 make_thumbs.py (writes next to this script).
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

BLACK, GRAY, SILVER, WHITE = "#000000", "#808080", "#C0C0C0", "#FFFFFF"


def rect(w, h):
    return lambda x, y: True


def circle(w, h):
    cx, cy, r = (w - 1) / 2, (h - 1) / 2, w / 2
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def diamond(w, h):
    cx, cy = (w - 1) / 2, (h - 1) / 2
    r = w / 2 if w % 2 == 0 else (w - 1) / 2
    return lambda x, y: abs(x - cx) + abs(y - cy) <= r


def pointed(w, h, down=False, up=False, left=False, right=False, tip=6):
    """A bar with a triangular point of `tip` pixels at the chosen ends."""
    cx, cy = (w - 1) / 2, (h - 1) / 2

    def inside(x, y):
        if down and y > h - 1 - tip and abs(x - cx) > (h - 1 - y):
            return False
        if up and y < tip and abs(x - cx) > y:
            return False
        if left and x < tip and abs(y - cy) > x + 0.5:
            return False
        if right and x > w - 1 - tip and abs(y - cy) > (w - 1 - x) + 0.5:
            return False
        return True

    return inside


# name, width, height, shape, mask height (a mask may carry a spare row)
THUMBS = [
    ("Bar1", 5, 10, rect, 10),
    ("Bar2", 6, 12, rect, 12),
    ("Bar3", 10, 5, rect, 5),
    ("Bar4", 12, 6, rect, 6),
    ("Circle1", 8, 8, circle, 8),
    ("Square1", 8, 8, rect, 8),
    ("Diamond1", 8, 8, diamond, 8),
    ("Diamond2", 12, 12, diamond, 12),
    ("Diamond3", 9, 9, diamond, 9),
    ("Diamond4", 11, 11, diamond, 11),
    ("StdDown", 13, 26, lambda w, h: pointed(w, h, down=True), 27),
    ("StdUp", 13, 26, lambda w, h: pointed(w, h, up=True), 26),
    ("StdVBar", 13, 26, rect, 26),
    ("StdUpDown", 13, 26, lambda w, h: pointed(w, h, up=True, down=True), 26),
    ("StdLeft", 26, 12, lambda w, h: pointed(w, h, left=True), 12),
    ("StdRight", 26, 12, lambda w, h: pointed(w, h, right=True), 12),
    ("StdHBar", 26, 13, rect, 13),
    ("StdLeftRight", 26, 12, lambda w, h: pointed(w, h, left=True, right=True), 12),
]


def shade(inside, w, h):
    def ins(x, y):
        return 0 <= x < w and 0 <= y < h and inside(x, y)

    def dark_edge(x, y):
        return not (ins(x + 1, y) and ins(x, y + 1))

    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            if not ins(x, y):
                row.append(BLACK)
            elif dark_edge(x, y):
                row.append(BLACK)
            elif not (ins(x - 1, y) and ins(x, y - 1)):
                row.append(WHITE)
            elif dark_edge(x + 1, y) or dark_edge(x, y + 1):
                row.append(GRAY)
            else:
                row.append(SILVER)
        rows.append(row)
    return rows


def write_xpm(path, name, rows, symbols):
    h, w = len(rows), len(rows[0])
    colours = sorted({c for row in rows for c in row})
    with open(path, "w") as f:
        f.write("/* XPM */\n")
        f.write(f"static const char *const {name}[] = {{\n")
        f.write(f'"{w} {h} {len(colours)} 1",\n')
        for c in colours:
            f.write(f'"{symbols[c]} c {c}",\n')
        lines = ['"' + "".join(symbols[c] for c in row) + '"' for row in rows]
        f.write(",\n".join(lines) + "\n};\n")


def main():
    thumb_symbols = {BLACK: ".", GRAY: "g", SILVER: "s", WHITE: "w"}
    mask_symbols = {BLACK: "#", WHITE: " "}
    for name, w, h, shape, mask_h in THUMBS:
        inside = shape(w, h)
        write_xpm(os.path.join(HERE, name + ".xpm"), name, shade(inside, w, h), thumb_symbols)
        mask = [[BLACK if y < h and inside(x, y) else WHITE for x in range(w)] for y in range(mask_h)]
        write_xpm(os.path.join(HERE, name + "Mask.xpm"), name + "Mask", mask, mask_symbols)


if __name__ == "__main__":
    main()
