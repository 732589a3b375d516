#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The special characters window from the keyboard: open it, walk down to the row for 233
# with the arrow keys, copy its name and its code with the mouse, close it with Escape.
. "$(dirname "$0")/lib.sh"

e2e_start
e2e_keys alt+s
SPECIAL=$(e2e_window_titled "Special Characters")
[ -n "$SPECIAL" ] || { echo "the special characters window did not open"; exit 1; }
xdotool windowfocus --sync "$SPECIAL"
sleep 0.3

# Row 1 holds code 34; the row for 233 is row 79, 78 rows further down.
downs=()
for _ in $(seq 1 78); do downs+=(Down); done
xdotool key --clearmodifiers --delay 20 "${downs[@]}"
sleep 0.3

# Clicks a point of the special window's client area and prints what reached the clipboard.
click_copy() {
  printf '' | xclip -i -selection clipboard
  xdotool mousemove --window "$SPECIAL" "$1" "$2" click 1
  local text=
  for _ in $(seq 1 100); do
    text=$(e2e_clipboard)
    [ -n "$text" ] && break
    sleep 0.1
  done
  printf '%s' "$text"
}
e2e_expect "Copy Name" "&eacute;" "$(click_copy 151 31)"
e2e_expect "Copy Code" "&#233" "$(click_copy 151 11)"

xdotool windowfocus --sync "$SPECIAL"
e2e_keys Escape
sleep 0.5
e2e_expect "Escape closes the window" "" "$(xdotool search --name '^Special Characters$' 2>/dev/null || true)"
e2e_finish
