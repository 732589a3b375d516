#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The catalogues are complete and sound against the sources as they are now.

    check_catalogues.py LUPDATE SOURCE-LIST TS-FILE...

Each catalogue is first brought up to date in a copy (lupdate, as update_translations runs
it), so that a text added to the sources and not yet translated counts as unfinished. Then
every message must be finished, and its translation must keep the source's placeholders
(%1...), its mnemonic (&) and its HTML tags, which the program relies on.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?\d")
TAG = re.compile(r"<[^>]*>")


def mnemonics(text):
    return len(re.findall(r"(?<!&)&(?!&)[^&\s]", text.replace("&&", "")))


def problems(ts):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = (translation.text or "") if translation is not None else ""
            where = f"{ts.name}: {name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind is not None:
                found.append(f"{where} is {kind}")
                continue
            if not text:
                found.append(f"{where} has an empty translation")
            if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                found.append(f"{where} loses or adds a placeholder: {text!r}")
            if mnemonics(source) != mnemonics(text):
                found.append(f"{where} loses or adds a mnemonic: {text!r}")
            if TAG.findall(source) != TAG.findall(text):
                found.append(f"{where} changes its HTML tags: {text!r}")
    return found


def main():
    lupdate, source_list, catalogues = sys.argv[1], sys.argv[2], [Path(p) for p in sys.argv[3:]]
    root = Path(__file__).resolve().parents[2]
    found = []
    with tempfile.TemporaryDirectory() as folder:
        copies = []
        for ts in catalogues:
            copy = Path(folder) / ts.name
            shutil.copy(ts, copy)
            copies.append(copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-I", str(root),
                        "-tr-function-alias", "translate+=Translate", "@" + source_list, "-ts",
                        *map(str, copies)], check=True)
        for copy in copies:
            found += problems(copy)
    for problem in found:
        print(problem)
    print(f"{len(catalogues)} catalogues, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
