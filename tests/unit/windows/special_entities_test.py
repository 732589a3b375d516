#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks every Code and Name text of the special characters table against HTML's own
table of character references, as Python's html.unescape applies it: each text, followed
by a space as in running text, must decode to the row's character and that space."""

import html
import subprocess
import sys

rows = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout.splitlines()
failures = 0
if len(rows) != 101:
    print(f"expected 101 rows, got {len(rows)}")
    failures += 1
for row in rows:
    code, code_text, name = row.split("\t")
    want = chr(int(code)) + " "
    for text in (code_text, name):
        got = html.unescape(text + " ")
        if got != want:
            print(f"{text!r} gives {got!r}, not {want!r}")
            failures += 1
print(f"{len(rows)} rows checked, {failures} wrong")
sys.exit(1 if failures else 0)
