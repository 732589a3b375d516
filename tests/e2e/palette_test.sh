#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The web palette opened from the keyboard sits at its place beside the main window, and a
# swatch clicked with the mouse reaches the body colour that the Body page has selected.
. "$(dirname "$0")/lib.sh"

# Prints "X Y", the window's top-left corner on the screen.
window_corner() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

e2e_start
# Tab puts the focus into the window, Ctrl+Tab turns to the Body page, whose target is
# Background.
e2e_keys Tab ctrl+Tab
e2e_keys alt+m
palette=$(e2e_window_titled "Custom Palette")
e2e_expect "the palette opens" "yes" "$([ -n "$palette" ] && echo yes || echo no)"
[ -n "$palette" ] || e2e_finish

read -r main_x main_y < <(window_corner "$E2E_WINDOW")
read -r x y < <(window_corner "$palette")
e2e_expect "placed 248 right of and 192 below the main window" "248 192" "$((x - main_x)) $((y - main_y))"

# The palette opens scrolled to its end: the last row's swatches lie 215 pixels below the
# window's top (scroll box at 32, its border 2, the row at 880 less the scroll of 699).
# The third swatch of the last row is #FFFF66.
xdotool mousemove --sync $((x + 2 + 5 + 45 * 2 + 20)) $((y + 215 + 10)) click 1
sleep 0.3
# The click made the palette the active window; Esc with Shift held closes it.
e2e_keys shift+Escape
for _ in $(seq 1 50); do
  [ -z "$(xdotool search --onlyvisible --name '^Custom Palette$' 2>/dev/null)" ] && break
  sleep 0.1
done
e2e_expect "Shift+Esc closes the palette" "" "$(xdotool search --onlyvisible --name '^Custom Palette$' 2>/dev/null || true)"
xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3
copied=$(e2e_copy alt+e b)
e2e_expect "the body tag carries the clicked colour" \
  "<BODY BGCOLOR=\"#FFFF66\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >" "$copied"
e2e_finish
