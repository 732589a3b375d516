#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The dark variant as a visitor's browser takes it. Options > Dark Variant in CSS is switched
# on from the keyboard and kept in vlr.ini; View in Browser opens the page with the dark
# block after its sheet; Chromium draws the page in the style's own background, or in the
# dark block's when the desktop prefers a dark scheme. A stand-in xdg-open records the page.
. "$(dirname "$0")/lib.sh"
VNU_JAR=$2
log=$E2E_DIR/opened.log
mkdir -p "$E2E_DIR/bin" "$E2E_DIR/tmp" "$E2E_DIR/work"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' "$log" > "$E2E_DIR/bin/xdg-open"
chmod +x "$E2E_DIR/bin/xdg-open"
export PATH=$E2E_DIR/bin:$PATH TMPDIR=$E2E_DIR/tmp
# A light page: white, black text, the browsers' own link colours (colours are BBGGRR here).
printf '[Body]\ncolorBG=FFFFFF\ncolorText=000000\ncolorNew=EE0000\ncolorVisited=8B1A55\ncolorActive=0000FF\n[Font]\ncolorFont=333333\n' \
  > "$E2E_DIR/work/Light.vls"
printf '[Options]\nstartup=%s\nsave=2\n' "$E2E_DIR/work/Light.vls" > "$E2E_PROGRAM_DIR/vlr.ini"

opened() {
  for _ in $(seq 1 100); do [ "$(cat "$log" 2>/dev/null | wc -l)" -ge "$1" ] && break; sleep 0.1; done
  sed -n "$1s|^file://||p" "$log" 2>/dev/null || true
}
# The colour Chromium draws at the page's top-left corner, as RRGGBB; any further arguments
# are Chromium's own.
drawn() {
  local shot=$E2E_DIR/shot.png
  rm -f "$shot"
  timeout 60 chromium --headless=new --no-sandbox --disable-gpu --user-data-dir="$E2E_DIR/chromium" \
    --window-size=320,200 --screenshot="$shot" "$@" "file://$page" >/dev/null 2>&1 || true
  /usr/bin/python3 - "$shot" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
pos, idat = 8, b''
while pos < len(data):
    size, kind = struct.unpack('>I4s', data[pos:pos + 8])
    if kind == b'IHDR':
        colour_type = data[pos + 17]
    if kind == b'IDAT':
        idat += data[pos + 8:pos + 8 + size]
    pos += 12 + size
# The first row's first pixel: its filter byte, then red, green and blue.
row = zlib.decompress(idat)
print('%02X%02X%02X' % tuple(row[1:4]))
PY
}

e2e_start
e2e_keys alt+o k
for _ in $(seq 1 50); do grep -q '^darkvariant=1' "$E2E_PROGRAM_DIR/vlr.ini" && break; sleep 0.1; done
e2e_expect "the option is kept in vlr.ini" "darkvariant=1" "$(grep '^darkvariant=' "$E2E_PROGRAM_DIR/vlr.ini")"
e2e_expect "and not in the style file" "0" "$(grep -ci dark "$E2E_DIR/work/Light.vls" || true)"
e2e_keys F12
page=$(opened 1)
dark=$(sed -n '/@media (prefers-color-scheme: dark)/,/^}/{/background-color/{s/.*#\([0-9A-F]*\);/\1/p;q}}' "$page")
e2e_expect "the page carries a dark background after its sheet" "yes" \
  "$([ -n "$dark" ] && [ "$dark" != FFFFFF ] && echo yes)"
e2e_expect "Chromium draws the style's own background by default" "FFFFFF" "$(drawn)"
e2e_expect "and the dark block's when a dark scheme is preferred" "$dark" "$(drawn --force-dark-mode)"
e2e_expect "the Nu HTML Checker passes the page" "Document checking completed. No errors found." \
  "$(java -jar "$VNU_JAR" --Werror --format text "$page" 2>&1)"
e2e_finish
