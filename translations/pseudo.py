#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the pseudo-language catalogue from the English one: every text in brackets, its
letters accented and about a third longer, so that a window under LANGUAGE=en_XA shows at a
glance a text that was clipped (the closing bracket is cut off) or never translated (no
brackets). Placeholders (%1), mnemonics (&), HTML tags and entities are kept as they are.

    pseudo.py ENGLISH.ts OUT.ts
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "àƀçđéƒĝĥîĵķĺɱñöþǫŕšţûṽŵẋýžÀƁÇĐÉƑĜĤÎĴĶĹṀÑÖÞǪŔŠŢÛṼŴẊÝŽ"))

# What must reach the program unchanged: HTML tags and entities, placeholders, a doubled
# ampersand (a shown "&"), a mnemonic with its letter, and escapes such as a line break.
KEPT = re.compile(r"<[^>]*>|&[A-Za-z]+;|&#\d+;|%L?\d|&&|&.|\n")
PADDING = "ŵôŕđšƒîļļéŕ"


def accent(plain):
    return "".join(ACCENTED.get(c, c) for c in plain)


def pseudo(text):
    out = []
    letters = 0
    position = 0
    for kept in KEPT.finditer(text):
        plain = text[position:kept.start()]
        out.append(accent(plain))
        letters += sum(c.isalpha() for c in plain)
        # A mnemonic keeps its plain letter, so that its key still works.
        token = kept.group()
        if token.startswith("&") and len(token) == 2 and token != "&&":
            letters += 1
        out.append(token)
        position = kept.end()
    plain = text[position:]
    out.append(accent(plain))
    letters += sum(c.isalpha() for c in plain)
    extra = (letters + 2) // 3
    padding = (PADDING * (extra // len(PADDING) + 1))[:extra]
    # A leading space (" Font" on a tab) stays outside the brackets, as the layout wants it.
    body = "".join(out)
    lead = body[:len(body) - len(body.lstrip(" "))]
    body = body[len(lead):]
    return f"{lead}[{body}{' ' if padding else ''}{padding}]"


def main():
    source, target = sys.argv[1], sys.argv[2]
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
