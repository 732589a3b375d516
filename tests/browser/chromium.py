# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Chromium, headless, driven over the DevTools protocol on a pipe (no socket, no
network): one browser for a whole table, pages opened from files."""

import base64
import json
import os
import shutil
import subprocess
import tempfile
import zlib

WIDTH, HEIGHT = 800, 600


class Chromium:
    def __init__(self, program="chromium"):
        self.profile = tempfile.mkdtemp(prefix="velloran-chromium-")
        to_browser_r, self._to_browser = os.pipe()
        self._from_browser, from_browser_w = os.pipe()

        # The protocol pipe is the browser's file descriptors 3 (commands) and 4 (answers).
        def wire_pipe():
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)

        self.proc = subprocess.Popen(
            [program, "--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
             "--user-data-dir=" + self.profile, f"--window-size={WIDTH},{HEIGHT}",
             "--force-device-scale-factor=1", "--hide-scrollbars", "--no-first-run",
             "--no-default-browser-check", "--disable-extensions", "--disable-sync",
             "--disable-background-networking", "--disable-component-update",
             "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=127.0.0.1:9",
             "--font-render-hinting=none", "about:blank"],
            pass_fds=(3, 4, to_browser_r, from_browser_w), preexec_fn=wire_pipe,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self._buffer = b""
        self._next_id = 0
        self._events = []
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        for domain in ("Page.enable", "DOM.enable", "CSS.enable", "Runtime.enable"):
            self.page(domain)
        self.page("Emulation.setDeviceMetricsOverride", width=WIDTH, height=HEIGHT,
                  deviceScaleFactor=1, mobile=False)

    def _message(self):
        while b"\0" not in self._buffer:
            chunk = os.read(self._from_browser, 1 << 16)
            if not chunk:
                raise RuntimeError("Chromium closed the DevTools pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, session=None, **params):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        while True:
            answer = self._message()
            if answer.get("id") == self._next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer["result"]
            if "method" in answer:
                self._events.append(answer["method"])

    def page(self, method, **params):
        return self.call(method, self.session, **params)

    def open(self, path):
        """Opens a file and waits for its load, its fonts and two frames."""
        self._events.clear()
        self.page("Page.navigate", url="file://" + os.path.abspath(path))
        while "Page.loadEventFired" not in self._events:
            answer = self._message()
            if "method" in answer:
                self._events.append(answer["method"])
        self.evaluate("document.fonts.ready.then(() => new Promise(done => "
                      "requestAnimationFrame(() => requestAnimationFrame(() => done(1)))))")

    def evaluate(self, expression):
        result = self.page("Runtime.evaluate", expression=expression, awaitPromise=True,
                           returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def screenshot(self):
        return base64.b64decode(self.page("Page.captureScreenshot", format="png")["data"])

    def computed(self, selector, prop, states=()):
        """A computed value of the first element the selector finds, with pseudo-classes such
        as :visited forced on it. The page's own getComputedStyle hides a visited link's colour;
        the inspector's computed style shows it."""
        root = self.page("DOM.getDocument")["root"]["nodeId"]
        node = self.page("DOM.querySelector", nodeId=root, selector=selector)["nodeId"]
        if not node:
            return None
        self.page("CSS.forcePseudoState", nodeId=node, forcedPseudoClasses=list(states))
        style = self.page("CSS.getComputedStyleForNode", nodeId=node)["computedStyle"]
        self.page("CSS.forcePseudoState", nodeId=node, forcedPseudoClasses=[])
        return next((p["value"] for p in style if p["name"] == prop), None)

    def close(self):
        try:
            self.call("Browser.close")
        except RuntimeError:
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        os.close(self._to_browser)
        os.close(self._from_browser)
        shutil.rmtree(self.profile, ignore_errors=True)


def png_pixels(data):
    """The RGBA rows of an 8-bit RGB or RGBA PNG, as Chromium writes its screenshots."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, width, height, channels = 8, b"", 0, 0, 4
    while pos < len(data):
        length = int.from_bytes(data[pos:pos + 4], "big")
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = int.from_bytes(body[:4], "big"), int.from_bytes(body[4:8], "big")
            channels = {2: 3, 6: 4}[body[9]]
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, stride, rows, prior = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up, corner = prior[x], prior[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line))
        prior = line
    return width, height, channels, rows


def differing_pixels(a, b):
    """How many pixels of two screenshots differ, and the box around them."""
    wa, ha, ca, ra = png_pixels(a)
    wb, hb, cb, rb = png_pixels(b)
    if (wa, ha) != (wb, hb):
        return wa * ha, (0, 0, wa, ha)
    count, box = 0, [wa, ha, -1, -1]
    for y in range(ha):
        if ra[y] == rb[y] and ca == cb:
            continue
        for x in range(wa):
            if ra[y][x * ca:x * ca + 3] != rb[y][x * cb:x * cb + 3]:
                count += 1
                box = [min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y)]
    return count, tuple(box)
