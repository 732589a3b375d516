#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The side windows work from the keyboard alone on a real X server: the contrast check takes
# the keyboard as it opens, so Escape closes it at once, and the web palette's arrow keys
# and Space pick a colour.
. "$(dirname "$0")/lib.sh"

# Waits until no shown window has the title; prints what is left.
gone() {
  for _ in $(seq 1 50); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] && break
    sleep 0.1
  done
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

e2e_start
e2e_keys alt+o c
check=$(e2e_window_titled "Contrast Check")
e2e_expect "the contrast check opens" "yes" "$([ -n "$check" ] && echo yes || echo no)"
e2e_keys Escape
e2e_expect "Escape closes the contrast check at once" "" "$(gone "Contrast Check")"

xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3
# The Body page, whose target is Background; the palette opens scrolled to its end, where
# the first swatch in view is #CCCC00 and the one right of it #CCCC33.
e2e_keys Tab ctrl+Tab alt+m
palette=$(e2e_window_titled "Custom Palette")
e2e_expect "the palette opens" "yes" "$([ -n "$palette" ] && echo yes || echo no)"
e2e_keys Right Right space Escape
e2e_expect "Escape closes the palette" "" "$(gone "Custom Palette")"
xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3
copied=$(e2e_copy alt+e b)
e2e_expect "the body tag carries the colour picked with the keys" \
  "<BODY BGCOLOR=\"#CCCC33\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >" "$copied"
e2e_finish
