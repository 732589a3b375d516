#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Each translated manual keeps the English manual's anchors, links, code and markup, so that
a link into the manual, or from one part of it to another, lands in every language, and the
examples a reader copies are the same.

Usage: check_manuals.py ENGLISH TRANSLATED...
"""
import re
import sys
from html.parser import HTMLParser


class Outline(HTMLParser):
    """The page's elements in order with the attributes that must not change, and the text
    of its code examples."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags, self.code, self._in_code, self._in_pre = [], [], 0, 0

    def handle_starttag(self, tag, attrs):
        kept = tuple((k, v) for k, v in attrs if k in ("id", "name", "href", "class", "style"))
        self.tags.append((tag, kept))
        if tag == "pre":
            self._in_pre += 1
        if tag in ("code", "pre"):
            self._in_code += 1
            self.code.append("")

    def handle_endtag(self, tag):
        self.tags.append(("/" + tag, ()))
        if tag in ("code", "pre") and self._in_code:
            self._in_code -= 1
            # Outside <pre>, a line break in code reads as a space.
            if not self._in_pre:
                self.code[-1] = " ".join(self.code[-1].split())
        if tag == "pre" and self._in_pre:
            self._in_pre -= 1

    def handle_data(self, data):
        if self._in_code:
            self.code[-1] += data


def outline(path):
    parser = Outline()
    with open(path, encoding="utf-8") as page:
        text = page.read()
    parser.feed(text)
    lang = re.search(r'<html[^>]*\blang="([^"]*)"', text)
    return parser, lang.group(1) if lang else ""


def main():
    english, _ = outline(sys.argv[1])
    failures = 0
    for path in sys.argv[2:]:
        page, lang = outline(path)
        expected_lang = re.search(r"manual\.([^.]+)\.html$", path).group(1)
        problems = []
        if lang != expected_lang:
            problems.append(f'<html lang="{lang}">, not "{expected_lang}"')
        for i, (ours, theirs) in enumerate(zip(english.tags, page.tags)):
            if ours != theirs:
                problems.append(f"element {i}: English has {ours}, this one {theirs}")
                break
        if len(english.tags) != len(page.tags):
            problems.append(f"{len(page.tags)} elements, the English has {len(english.tags)}")
        for ours, theirs in zip(english.code, page.code):
            if ours != theirs:
                problems.append(f"code example changed: {ours!r} became {theirs!r}")
        for problem in problems:
            print(f"{path}: {problem}")
        failures += bool(problems)
        if not problems:
            print(f"ok: {path}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
