#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the column grid's five 13 x 13 check-box pictures as XPM files.

Each picture is drawn row by row below: K black, G dark grey, S silver, W white.
Run from this folder; the output is committed.
"""

COLORS = {"K": "#000000", "G": "#808080", "S": "#C0C0C0", "W": "#FFFFFF"}

FRAME_TOP = ["GGGGGGGGGGGGG", "GKKKKKKKKKKKW", "GKWWWWWWWWWSW"]
FRAME_BOTTOM = ["GKWWWWWWWWWSW", "GKSSSSSSSSSSW", "GWWWWWWWWWWWW"]
PLAIN_EDGE = "KKKKKKKKKKKKK"

PICTURES = {
    "STANDARD_CB_ON": FRAME_TOP + [
        "GKWKKWWWKKWSW",
        "GKWKKKWKKKWSW",
        "GKWWKKKKKWWSW",
        "GKWWWKKKWWWSW",
        "GKWWKKKKKWWSW",
        "GKWKKKWKKKWSW",
        "GKWKKWWWKKWSW",
    ] + FRAME_BOTTOM,
    "STANDARD_CB_OFF": FRAME_TOP + ["GKWWWWWWWWWSW"] * 7 + FRAME_BOTTOM,
    "CHECKMARK_CB_ON": FRAME_TOP + [
        "GKWWWWWWWWWSW",
        "GKWWWWWWKKWSW",
        "GKWWWWWKKKWSW",
        "GKWKKWKKKWWSW",
        "GKWKKKKKWWWSW",
        "GKWKKKKWWWWSW",
        "GKWWKKWWWWWSW",
    ] + FRAME_BOTTOM,
    "PLAIN_CB_ON": [
        PLAIN_EDGE,
        "KWWWWWWWWWWWK",
        "KWKWWWWWWWKWK",
        "KWWKWWWWWKWWK",
        "KWWWKWWWKWWWK",
        "KWWWWKWKWWWWK",
        "KWWWWWKWWWWWK",
        "KWWWWKWKWWWWK",
        "KWWWKWWWKWWWK",
        "KWWKWWWWWKWWK",
        "KWKWWWWWWWKWK",
        "KWWWWWWWWWWWK",
        PLAIN_EDGE,
    ],
    "PLAIN_CB_OFF": [PLAIN_EDGE] + ["KWWWWWWWWWWWK"] * 11 + [PLAIN_EDGE],
}

for name, rows in PICTURES.items():
    assert len(rows) == 13 and all(len(r) == 13 for r in rows), name
    used = sorted(set("".join(rows)))
    lines = [f'"13 13 {len(used)} 1",'] + [f'"{c} c {COLORS[c]}",' for c in used]
    lines += [f'"{r}",' for r in rows]
    lines[-1] = lines[-1].rstrip(",")
    with open(f"{name}.xpm", "w") as out:
        out.write("/* XPM */\n")
        out.write(f"static const char* {name}[] = {{\n")
        out.write("\n".join(lines) + "\n};\n")
