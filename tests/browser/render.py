# SPDX-License-Identifier: GPL-3.0-or-later
"""The rendering table: for every style below, the page with the legacy font and body tags,
the page of Copy as HTML5 (with Copy as CSS for the body) and the page Export Page writes are
rendered by headless Chromium and must be pixel-identical; the four link states must compute
to the style's colours on all three; the text must compute to the style's colour and the
legacy size of its step, and a picture must show. The pages are written by the program's own
code (style_pages); this script only writes the style files and looks at the browser.

    render.py STYLE_PAGES PICTURE.gif CHROMIUM
"""

import os
import shutil
import subprocess
import sys
import tempfile

# The source tree stays as checked out: no compiled copy of the driver beside it.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chromium import Chromium, differing_pixels  # noqa: E402

# Pixels of FONT SIZE 1..7, which browsers give the CSS keywords x-small..xxx-large.
LEGACY_PIXELS = {1: "10px", 2: "13px", 3: "16px", 4: "18px", 5: "24px", 6: "32px", 7: "48px"}
# A generic monospace family alone takes the smaller monospace base size.
MONOSPACE_PIXELS = {1: "9px", 2: "10px", 3: "13px", 4: "15px", 5: "20px", 6: "26px", 7: "39px"}

BASE = dict(size=6, bold=False, italic=False, centre=True, face="Liberation Sans", alts=(),
            text="Velloran", font="FFFF00", back="000000", body_text="FFFFFF", link="00FFFF",
            visited="008000", active="FFFF00", picture=None, mono=False)


def row(name, **changes):
    unknown = set(changes) - set(BASE)
    assert not unknown, unknown
    return dict(BASE, name=name, **changes)


ROWS = [
    # Every size step, in faces from fonts-liberation and fonts-dejavu.
    row("size-1", size=1, face="DejaVu Serif", text="Small print"),
    row("size-2", size=2, face="Liberation Serif"),
    row("size-3", size=3, face="DejaVu Sans"),
    row("size-4", size=4, face="Liberation Mono"),
    row("size-5", size=5, face="DejaVu Sans Mono"),
    row("size-6", size=6),
    row("size-7", size=7, face="Liberation Serif", text="Big"),
    # Bold, italic and centring, alone and together.
    row("bold", bold=True, centre=False),
    row("italic", italic=True, centre=False),
    row("bold-italic", bold=True, italic=True, centre=False, face="DejaVu Serif"),
    row("bold-italic-centred", bold=True, italic=True, size=4),
    # Faces: alternates after a face that is missing, quotes in a name, generic families.
    row("alternates", face="Nowhere Sans", alts=("Also Missing", "Liberation Mono", "DejaVu Serif")),
    row("quote-in-name", face="It's \"Mine\"", alts=("DejaVu Sans Mono",)),
    row("generic-monospace", face="monospace", size=3, mono=True),
    row("generic-serif-alternate", face="Nowhere Sans", alts=("serif",), size=5),
    row("generic-sans-serif-upper", face="Sans-Serif", alts=("Liberation Mono",), italic=True),
    row("generic-cursive-fantasy", face="cursive", alts=("fantasy", "system-ui"), size=5),
    # The text is HTML source, as it stands in the font tag.
    row("ampersand", text="Fish &amp; Chips & Peas"),
    row("markup", text="Use <b>bold</b> and <i>italic</i>", size=5),
    row("unclosed-markup", text="Use <b> for bold", size=4, centre=False),
    row("less-greater", text="a &lt; b &gt; c, 1 < 2 > 0", size=4),
    row("quotes", text="\"Double\" and 'single' quotes", size=5),
    row("references", text="&eacute;t&#233; &copy; &#x263A; &nbsp;&mdash; ü", size=5),
    # Picture mode with a GIF beside the page, also under a name a URL would misread.
    row("picture", picture="tile.gif"),
    row("picture-awkward-name", picture="my #1 ?50% & more.gif", size=4, centre=False),
    # Link colours.
    row("links-light", back="FFFFFF", body_text="000000", link="0000EE", visited="551A8B",
        active="EE0000", font="123456"),
    row("links-close", back="808080", body_text="7F7F7F", link="818181", visited="808081",
        active="FE0000", font="010101", size=3),
]

PAGES = ("legacy", "html5", "export")
# The element that holds the text, in each page.
TEXT_ELEMENT = {"legacy": "font", "html5": "span[style]", "export": "span.velloran"}
LINK = 'a[href="#not-visited"]'
LINK_STATES = {"link": (), "hover": ("hover",), "visited": ("visited",), "active": ("active",)}


def file_colour(rgb):
    """A colour as a style file holds it: blue, green, red."""
    return rgb[4:6] + rgb[2:4] + rgb[0:2]


def css_colour(rgb):
    r, g, b = (int(rgb[i:i + 2], 16) for i in (0, 2, 4))
    return f"rgb({r}, {g}, {b})"


def write_style(folder, r, picture):
    lines = ["[Body]", f"colorBG={file_colour(r['back'])}", f"colorText={file_colour(r['body_text'])}",
             f"colorNew={file_colour(r['link'])}", f"colorVisited={file_colour(r['visited'])}",
             f"colorActive={file_colour(r['active'])}",
             "[Font]", f"colorFont={file_colour(r['font'])}", f"faceFont={r['face']}",
             f"justify={'c' if r['centre'] else 'l'}", f"weight={'b' if r['bold'] else 'p'}",
             f"italic={'i' if r['italic'] else 'p'}", f"fontsize={r['size']}", f"caption={r['text']}"]
    if r["picture"]:
        named = os.path.join(folder, "pictures", r["picture"])
        os.makedirs(os.path.dirname(named), exist_ok=True)
        shutil.copyfile(picture, named)
        lines += [f"background={named}", "picture=1"]
    lines += ["[AltFonts]"] + [f"AltFonts{i}={face}" for i, face in enumerate(r["alts"])]
    path = os.path.join(folder, r["name"] + ".vls")
    with open(path, "w", encoding="utf-8") as style:
        style.write("\n".join(lines) + "\n")
    return path


def look(browser, r, page):
    """What the browser shows and computes for one page."""
    browser.open(page)
    seen = {"shot": browser.screenshot()}
    for state, forced in LINK_STATES.items():
        seen[state] = browser.computed(LINK, "color", forced)
    # What the page's own script sees of the unvisited link, which it may read.
    seen["script link"] = browser.evaluate(
        f"getComputedStyle(document.querySelector('{LINK}')).color")
    name = os.path.basename(page).split(".")[0]
    selector = TEXT_ELEMENT[name]
    seen["text colour"] = browser.computed(selector, "color")
    seen["text size"] = browser.computed(selector, "font-size")
    if r["picture"]:
        # The picture shows when taking it away changes the page.
        browser.evaluate("document.body.removeAttribute('background');"
                         "document.body.style.backgroundImage = 'none'; 1")
        browser.evaluate("new Promise(done => requestAnimationFrame(() => requestAnimationFrame(() => done(1))))")
        seen["picture shows"] = browser.screenshot() != seen["shot"]
    return seen


def check(r, seen):
    """The disagreements of one style, as lines."""
    problems = []
    legacy = seen["legacy"]
    want = {"link": r["link"], "hover": r["link"], "visited": r["visited"], "active": r["active"],
            "script link": r["link"], "text colour": r["font"]}
    for page in PAGES:
        for what, rgb in want.items():
            if seen[page][what] != css_colour(rgb):
                problems.append(f"{page}: {what} is {seen[page][what]}, not {css_colour(rgb)}")
        size = (MONOSPACE_PIXELS if r["mono"] else LEGACY_PIXELS)[r["size"]]
        if seen[page]["text size"] != size:
            problems.append(f"{page}: text size is {seen[page]['text size']}, not {size}")
        if r["picture"] and not seen[page]["picture shows"]:
            problems.append(f"{page}: the picture does not show")
        if page != "legacy" and seen[page]["shot"] != legacy["shot"]:
            count, box = differing_pixels(legacy["shot"], seen[page]["shot"])
            problems.append(f"{page}: {count} pixels differ from the legacy tags' page, within {box}")
    return problems


def main():
    style_pages, picture, chromium = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="velloran-render-")
    styles = [write_style(work, r, picture) for r in ROWS]
    out = os.path.join(work, "pages")
    if subprocess.run([style_pages, out] + styles).returncode != 0:
        print("style_pages failed")
        return 1
    browser = Chromium(chromium)
    alike, failed = 0, []
    try:
        for r in ROWS:
            seen = {p: look(browser, r, os.path.join(out, r["name"], p + ".html")) for p in PAGES}
            problems = check(r, seen)
            if problems:
                failed.append(r["name"])
                print(f"DIFFERS {r['name']}:\n  " + "\n  ".join(problems))
                for p in PAGES:
                    with open(os.path.join(out, r["name"], p + ".png"), "wb") as shot:
                        shot.write(seen[p]["shot"])
            else:
                alike += 1
                print(f"alike   {r['name']}")
    finally:
        browser.close()
    print(f"{alike} of {len(ROWS)} styles render alike in {browser_version(chromium)}")
    if failed:
        print(f"Pages and screenshots of the rows that differ: {out}")
        return 1
    shutil.rmtree(work, ignore_errors=True)
    return 0


def browser_version(chromium):
    version = subprocess.run([chromium, "--version"], capture_output=True, text=True).stdout
    return version.split(" built")[0].strip() or "Chromium"


if __name__ == "__main__":
    sys.exit(main())
