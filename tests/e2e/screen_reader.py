# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window of the running program as a screen reader meets it on the AT-SPI bus.

Opens each window from the keyboard (xdotool) and reads what reaches the bus through pyatspi,
as Orca would: one table of windows, each row checked for the same things (a window or
dialog role and a name, announced as it opens, no focusable control without a name, Tab
reaching every button in reading order) and for what is its own.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CONTEXT = GLib.MainContext.default()
EVENTS = []
FAILURES = []
PASSED = [0]
OPENED_LOG = sys.argv[1]
HEX = re.compile(r"^[0-9A-F]{6}$")


def on_event(event):
    EVENTS.append((event.type, event.source, event.detail1, event.any_data))


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while CONTEXT.pending():
            CONTEXT.iteration(False)
        time.sleep(0.02)


def keys(*names, wait=0.35):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        pump(wait)


def expect(what, condition, detail=""):
    if condition:
        PASSED[0] += 1
        print(f"ok: {what}")
    else:
        FAILURES.append(what)
        print(f"FAILED: {what} {detail}")


def state(acc, which):
    try:
        return acc.getState().contains(which)
    except Exception:
        return False


def program():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("velloran"):
                return app
        pump(0.1)
    raise SystemExit("the program never reached the accessibility bus")


def top_levels():
    return [w for w in program() if w is not None]


def window_named(pattern, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for window in top_levels():
            if re.fullmatch(pattern, window.name or "") and state(window, pyatspi.STATE_SHOWING):
                return window
        pump(0.1)
    return None


def descendants(acc, limit=2000):
    """The objects under acc, depth first, the window itself left out."""
    found, stack = [], [acc]
    while stack and len(found) < limit:
        node = stack.pop()
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        for child in reversed(children):
            if child is not None:
                found.append(child)
                stack.append(child)
    return found


def extents(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def describe(acc):
    return f"{acc.getRoleName()} '{acc.name}'"


def wait_for(found, timeout=3.0):
    """Pumps events until found() holds or the time is up; the machine may be busy."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump(0.05)
        if found():
            return True
    return False


def focused_since(mark):
    """The objects that took the focus since event number mark, in order."""
    return [e[1] for e in EVENTS[mark:] if e[0] == "object:state-changed:focused" and e[2] == 1]


def tab_to(name, presses=60):
    for _ in range(presses):
        mark = len(EVENTS)
        keys("Tab", wait=0)
        wait_for(lambda: focused_since(mark))
        pump(0.1)
        if any(acc.name == name for acc in focused_since(mark)):
            return True
    return False


def same(a, b):
    try:
        return a.path == b.path and a.app_name == b.app_name
    except AttributeError:
        return a == b


# ----- what every window is checked for -----


def check_window(row, window):
    role = window.getRoleName()
    expect(f"{row['name']}: a window or dialog, not a filler", role in ("frame", "window", "dialog"), role)
    expect(f"{row['name']}: named", bool(window.name.strip()), repr(window.name))
    announced = wait_for(lambda: any(e[0] == "window:activate" and same(e[1], window) for e in EVENTS))
    expect(f"{row['name']}: announced as it opens", announced or row.get("already_open"))
    fillers = [describe(w) for w in top_levels() if w.getRoleName() == "filler"]
    expect(f"{row['name']}: no top-level filler", not fillers, fillers)
    unnamed = []
    for acc in descendants(window):
        # A table's cells are its data, read with their column: an empty one is "blank".
        if acc.getRoleName() == "table cell":
            continue
        if state(acc, pyatspi.STATE_FOCUSABLE) and state(acc, pyatspi.STATE_SHOWING) and not acc.name.strip():
            parent = acc.parent
            unnamed.append(f"{acc.getRoleName()} in {describe(parent) if parent else '?'} at {extents(acc)}")
    expect(f"{row['name']}: every focusable control named", not unnamed, unnamed)


def buttons_of(window):
    return [
        acc
        for acc in descendants(window)
        if acc.getRoleName() == "push button"
        and state(acc, pyatspi.STATE_SHOWING)
        and state(acc, pyatspi.STATE_ENABLED)
        and state(acc, pyatspi.STATE_FOCUSABLE)
    ]


def check_tab_order(row, window):
    """Tab reaches every enabled button; buttons on one line are reached left to right."""
    wanted = buttons_of(window)
    names = {b.name for b in wanted}
    mark = len(EVENTS)

    def reached_names():
        seen = []
        for acc in focused_since(mark):
            if acc.name in names and acc.name not in seen:
                seen.append(acc.name)
        return seen

    # Focus events can come late on a busy machine: they are read in the order they came,
    # however late, and the walk ends once every button was seen.
    for _ in range(row.get("tabs", 40)):
        keys("Tab", wait=0.15)
        if len(reached_names()) == len(names):
            break
    wait_for(lambda: len(reached_names()) == len(names), 2.0)
    reached = reached_names()
    missing = sorted(names - set(reached))
    expect(f"{row['name']}: Tab reaches every button", not missing, f"missing {missing}")
    place = {b.name: extents(b) for b in wanted}
    parent = {b.name: b.parent for b in wanted}
    start = min(reached, key=lambda n: (place[n][1], place[n][0])) if reached else None
    lap = reached[reached.index(start):] + reached[: reached.index(start)] if start else []
    backwards = [
        (a, b)
        for i, a in enumerate(lap)
        for b in lap[i + 1 :]
        if same(parent[a], parent[b])
        and abs(place[a][1] - place[b][1]) < place[a][3] / 2
        and place[b][0] < place[a][0]
    ]
    expect(f"{row['name']}: buttons on a line in reading order", not backwards, backwards)


# ----- what is a window's own -----


def palette_cells(window):
    table = next(acc for acc in descendants(window, 400) if acc.getRoleName() == "table")
    return table, [table.getChildAtIndex(i) for i in range(table.childCount)]


def check_palette(window):
    table, cells = palette_cells(window)
    names = [cell.name for cell in cells]
    expect("palette: a table of 216 cells", len(cells) == 216 and table.name == "Web palette", len(cells))
    expect("palette: each cell named by its own code", len(set(names)) == 216 and all(HEX.match(n) for n in names))
    # The ring moves: the cell it lands on is focused and selected, and is the code shown.
    for key in ("Right", "Right", "Down", "Left"):
        mark = len(EVENTS)
        keys(key, wait=0)
        shown = lambda: next(acc for acc in descendants(window, 20) if acc.getRoleName() == "label").name

        def ringed():
            focused = focused_since(mark)
            selected = [e[1] for e in EVENTS[mark:] if e[0] == "object:state-changed:selected" and e[2] == 1]
            return focused and selected and focused[-1].name == shown() and selected[-1].name == shown()

        expect(f"palette: {key} focuses and selects the swatch shown ({shown()})", wait_for(ringed),
               [describe(f) for f in focused_since(mark)])
    # A press on a cell picks its colour, which the main window's bars then show.
    cell = next(c for c in cells if c.name == "330000")
    action = cell.queryAction()
    expect("palette: a cell's action is Press", action.nActions == 1 and action.getName(0).lower() == "press")
    action.doAction(0)
    pump(0.5)
    main = window_named(r" ?Velloran - .*")
    bars = {
        acc.name: acc.queryValue().currentValue
        for acc in descendants(main)
        if acc.getRoleName() == "slider" and acc.name in ("Red", "Green", "Blue")
    }
    expect("palette: a press picks the colour", bars == {"Red": 51, "Green": 0, "Blue": 0}, bars)


def check_contrast(window):
    fixes = [b for b in buttons_of(window) if b.name.startswith("Fix")]
    names = [b.name for b in fixes]
    expect(
        "contrast check: each Fix button names its row",
        fixes and len(set(names)) == len(names) and all(len(n) > len("Fix ") for n in names),
        names,
    )


def check_chooser(window):
    boxes = [acc.name for acc in descendants(window) if acc.getRoleName() == "combo box"]
    expect("picture chooser: the drive box is named Drive, not by its value", boxes == ["Drive"], boxes)


def check_about(window):
    link = next((acc for acc in descendants(window) if acc.getRoleName() == "link"), None)
    expect("about: the web link is a focusable link", link is not None and state(link, pyatspi.STATE_FOCUSABLE))
    if link is None:
        return
    action = link.queryAction()
    expect("about: the link's action is Press", action.nActions >= 1 and action.getName(0).lower() == "press")
    action.doAction(0)
    pump(1.0)
    with open(OPENED_LOG, encoding="utf-8") as log:
        opened = log.read()
    expect("about: the link's action opens the web page", "manual.html" in opened, repr(opened))


def check_overlay(window):
    description = window.description
    expect("overlay: its description is the code under the pointer", re.fullmatch(r"#[0-9A-F]{6}", description),
           repr(description))
    # The pointer over a palette swatch: the description follows it to the swatch's code.
    palette = window_named("Custom Palette")
    _, cells = palette_cells(palette)
    top, bottom = extents(palette)[1] + 40, extents(palette)[1] + extents(palette)[3]
    visible = [c for c in cells if top < extents(c)[1] and extents(c)[1] + extents(c)[3] < bottom]
    for cell in (visible[-1], visible[-8]):
        x, y, w, h = extents(cell)
        mark = len(EVENTS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2)], check=True)

        def described():
            return any(e[0].startswith("object:property-change:accessible-description") and same(e[1], window)
                       for e in EVENTS[mark:]) and window.description == "#" + cell.name

        expect(f"overlay: over swatch {cell.name} it describes #{cell.name}", wait_for(described),
               repr(window.description))


ORCA = {}


def start_orca():
    """Orca, with its debug log standing in for speech: it logs each utterance it would speak."""
    folder = os.path.dirname(OPENED_LOG)
    ORCA["log"] = os.path.join(folder, "orca.log")
    ORCA["process"] = subprocess.Popen(
        # Not --replace: that would end every other Orca of this user on the machine.
        ["orca", "-u", os.path.join(folder, "orca-prefs"), "--debug-file", ORCA["log"]],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(300):
        pump(0.1)
        if os.path.exists(ORCA["log"]) and "registering listener for: window:destroy" in orca_log():
            break
    pump(1.0)


def orca_log():
    with open(ORCA["log"], encoding="utf-8", errors="replace") as log:
        return log.read()


def stop_orca():
    ORCA["process"].terminate()
    ORCA["process"].wait(timeout=10)


def check_orca_speaks_the_ring(window):
    spoken = lambda: re.findall(r"SPEECH OUTPUT: '([^']*)'", orca_log())
    # Orca has taken the window in once it has said its name.
    wait_for(lambda: any("Custom Palette" in line for line in spoken()), 15.0)
    said = len(spoken())
    shown = lambda: next(acc for acc in descendants(window, 20) if acc.getRoleName() == "label").name
    keys("Right", wait=1.0)
    keys("Right", wait=0)
    heard = wait_for(lambda: shown() != "Color" and any(shown() in line for line in spoken()[said:]), 15.0)
    if not heard:
        # On a loaded machine Orca may still be announcing the table as the ring moves, and
        # then says nothing of that cell: one more move must be spoken.
        said = len(spoken())
        keys("Right", wait=0)
        heard = wait_for(lambda: any(shown() in line for line in spoken()[said:]), 15.0)
    expect("orca: moving the palette's ring speaks its code", heard, (shown(), spoken()[said:]))


ROWS = [
    # name, keys that open it from the main window, its name on the bus, its own checks,
    # keys that close it.
    {"name": "main window", "open": [], "title": r" ?Velloran - .*", "already_open": True, "tabs": 80,
     "close": []},
    {"name": "web palette", "open": ["alt+m"], "title": "Custom Palette", "check": check_palette,
     "close": ["Escape"]},
    {"name": "contrast check", "open": ["alt+o", "c"], "title": "Contrast Check", "check": check_contrast,
     "close": ["Escape"]},
    {"name": "special characters", "open": ["alt+s"], "title": "Special Characters", "close": ["Escape"]},
    # A link followed inside the manual, so that Back is there to reach too.
    {"name": "help", "open": ["F1", "Tab", "Return"], "title": "Velloran Help", "tabs": 70, "close": ["Escape"]},
    {"name": "about", "open": ["alt+h", "a"], "title": "About Velloran", "check": check_about,
     "close": ["Escape"]},
    {"name": "options", "open": ["alt+o", "o"], "title": "Options", "close": ["Escape"]},
    {"name": "text", "open": ["alt+t"], "title": " ?Enter Text", "close": ["Escape"]},
    {"name": "font picker", "open": ["tab to:Add an alternate font", "space"], "title": " ?Select Font",
     "close": ["Escape"]},
    {"name": "picture chooser", "open": ["ctrl+Tab", "tab to:...", "space"], "title": " ?Select Image",
     "check": check_chooser, "close": ["Escape"]},
    {"name": "web palette under orca", "open": ["start orca", "alt+m"], "title": "Custom Palette",
     "check": check_orca_speaks_the_ring, "close": ["Escape", "stop orca"], "skip_tabs": True,
     "skip_window": True},
    {"name": "pick from screen", "open": ["alt+m", "focus main", "alt+e", "k"],
     "title": r"Pick from Screen: arrows move, Shift\+arrows move ten, plus and minus zoom, A averages, Enter picks, "
              r"Escape cancels", "check": check_overlay,
     "close": ["Escape", "focus palette", "Escape"], "skip_tabs": True},
]


def press(steps, main_id):
    for step in steps:
        if step.startswith("tab to:"):
            expect(f"Tab reaches '{step[7:]}'", tab_to(step[7:]))
        elif step == "start orca":
            start_orca()
        elif step == "stop orca":
            stop_orca()
        elif step == "focus main":
            subprocess.run(["xdotool", "windowfocus", "--sync", main_id], check=True)
            pump(0.3)
        elif step == "focus palette":
            found = subprocess.run(["xdotool", "search", "--name", "^Custom Palette$"], capture_output=True,
                                   text=True).stdout.split()
            if found:
                subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
                pump(0.3)
        else:
            keys(step, wait=0.6)


def main():
    main_id = sys.argv[2]
    pyatspi.Registry.registerEventListener(
        on_event, "window:activate", "object:state-changed:focused", "object:state-changed:selected",
        "object:property-change:accessible-description")
    pump(0.5)
    only = os.environ.get("SCREEN_READER_ROWS")
    for row in ROWS:
        if only and row["name"] not in only.split(","):
            continue
        print(f"--- {row['name']}")
        subprocess.run(["xdotool", "windowfocus", "--sync", main_id], check=True)
        pump(0.3)
        EVENTS.clear()
        press(row["open"], main_id)
        window = window_named(row["title"])
        if window is None and not any(step.startswith("tab to:") for step in row["open"]):
            # A menu that opened late on a busy machine missed its letter: once more.
            print(f"(trying {row['name']} again)")
            keys("Escape", "Escape")
            subprocess.run(["xdotool", "windowfocus", "--sync", main_id], check=True)
            press(row["open"], main_id)
            window = window_named(row["title"])
        expect(f"{row['name']}: opens from the keyboard", window is not None)
        if window is None:
            continue
        pump(0.3)
        if not row.get("skip_window"):
            check_window(row, window)
        if "check" in row:
            row["check"](window)
        if not row.get("skip_tabs"):
            check_tab_order(row, window)
        press(row["close"], main_id)
    print(f"{PASSED[0]} passed, {len(FAILURES)} failed")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
