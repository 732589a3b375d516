#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# View in Browser (F12) hands the desktop the exported page, with its picture beside it, in a
# private folder that goes when the program closes. A stand-in xdg-open records what the
# desktop is asked to open; TMPDIR says where the folder goes. With no opener at all, a
# message says so.
. "$(dirname "$0")/lib.sh"
VNU_JAR=$2
log=$E2E_DIR/opened.log
mkdir -p "$E2E_DIR/bin" "$E2E_DIR/tmp" "$E2E_DIR/work"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' "$log" > "$E2E_DIR/bin/xdg-open"
chmod +x "$E2E_DIR/bin/xdg-open"
export PATH=$E2E_DIR/bin:$PATH TMPDIR=$E2E_DIR/tmp
gif=$E2E_DIR/work/checker.gif
cp "$(dirname "$0")/pictures/checker.gif" "$gif"
printf '[Font]\nbackground=%s\npicture=1\n' "$gif" > "$E2E_DIR/work/Tiles.vls"
printf '[Options]\nstartup=%s\nsave=2\n' "$E2E_DIR/work/Tiles.vls" > "$E2E_PROGRAM_DIR/vlr.ini"
# The path of the n-th page the desktop was asked to open, waited for up to ten seconds.
opened() {
  for _ in $(seq 1 100); do [ "$(cat "$log" 2>/dev/null | wc -l)" -ge "$1" ] && break; sleep 0.1; done
  sed -n "$1s|^file://||p" "$log" 2>/dev/null || true
}

e2e_start
e2e_keys F12
page=$(opened 1)
folder=${page%/index.html}
e2e_expect "a page in a private folder under TMPDIR, naming the picture that lies beside it" \
  "$E2E_DIR/tmp/velloran- 700 1 same" \
  "${folder%??????} $(stat -c %a "$folder") $(grep -c 'url("checker.gif")' "$page") $(cmp -s "$gif" "$folder/checker.gif" && echo same)"
e2e_expect "the Nu HTML Checker passes the page" "Document checking completed. No errors found." \
  "$(java -jar "$VNU_JAR" --Werror --format text "$page" 2>&1)"
rm -rf "$folder"
e2e_keys F12
e2e_expect "a folder taken away is made anew" "yes" "$([ -f "$(opened 2)" ] && echo yes)"
e2e_keys alt+f x
e2e_wait_exit
e2e_expect "closing the program removes the folder" "" "$(ls -A "$E2E_DIR/tmp")"

# No folder can be made below a file, not even by root: an error box, and nothing opens.
export TMPDIR=$gif
e2e_start
e2e_keys F12
e2e_expect "a folder that cannot be made is reported" "yes 2" \
  "$([ -n "$(e2e_window_titled Velloran)" ] && echo yes) $(wc -l < "$log")"
e2e_stop

# With no program to open pages (no xdg-open where the program looks), F12 says so.
export TMPDIR=$E2E_DIR/tmp
mkdir -p "$E2E_DIR/empty"
PATH=$E2E_DIR/empty "$E2E_DIR/program/velloran" >"$E2E_DIR/program.log" 2>&1 &
E2E_PID=$!
E2E_WINDOW=
for _ in $(seq 1 100); do
  E2E_WINDOW=$(xdotool search --onlyvisible --name "^ Velloran - " 2>/dev/null | head -n 1 || true)
  [ -n "$E2E_WINDOW" ] && break
  sleep 0.1
done
xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3
e2e_keys F12
box=
for _ in $(seq 1 100); do
  box=$(xdotool search --onlyvisible --name '^Velloran$' 2>/dev/null | head -n 1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
e2e_expect "no opener is reported in a message box" yes "$([ -n "$box" ] && echo yes || echo no)"
e2e_finish
