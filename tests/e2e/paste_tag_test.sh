#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Paste Tag reads a tag that another program holds on the clipboard; Copy Body Tag and Copy as
# CSS and Copy as HTML5 then carry its colours out again, HTML5 as text and as text/html. Text without a tag brings the message box.
# Ctrl+Z takes back a paste, a swatch click and a hex value, pressed in the tag area or the
# hex field.
. "$(dirname "$0")/lib.sh"

# Presses the keys, then waits up to ten seconds for the clipboard to hold something other
# than the given text, and prints it. Keys reach the program in order, so a copy pressed after
# a paste copies what the paste loaded.
copy_after() {
  local before=$1 text=
  shift
  e2e_keys "$@"
  for _ in $(seq 1 100); do
    text=$(e2e_clipboard)
    [ -n "$text" ] && [ "$text" != "$before" ] && break
    sleep 0.1
  done
  printf '%s' "$text"
}

e2e_start
original=$(e2e_copy alt+e b)
pasted='<BODY BGCOLOR=white TEXT=#333>'
printf '%s' "$pasted" | xclip -i -selection clipboard
copied=$(copy_after "$pasted" alt+e p alt+e b)
e2e_expect "the body tag after Paste Tag" \
  "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#333333\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >" "$copied"

# Ctrl+Z where the keyboard is: the tag area, where it starts, and a hex field.
e2e_keys ctrl+z
e2e_expect "Ctrl+Z in the tag area takes the paste back" "$original" "$(e2e_copy alt+e b)"
e2e_keys ctrl+y
e2e_expect "Ctrl+Y puts it back" "$copied" "$(e2e_copy alt+e b)"
font_colour() { e2e_copy alt+e c | sed -n 's/.*COLOR="\(#[0-9A-F]*\)".*/\1/p'; }
before=$(font_colour)
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
# The window paints its own 4-pixel frame; the colour panel lies 5 pixels into the bottom
# band, 101 pixels high. The Red swatch is the sixth of the row 69 pixels down the panel,
# the red hex field 217 pixels right of the panel's left.
band_top=$((HEIGHT - 4 - 101))
xdotool mousemove --window "$E2E_WINDOW" $((4 + 5 + 2 + 15 * 5 + 8)) $((band_top + 5 + 69 + 2 + 8)) click 1
sleep 0.3
e2e_expect "a swatch click sets the font colour" "#FF0000" "$(font_colour)"
e2e_keys ctrl+z
e2e_expect "Ctrl+Z takes the swatch click back" "$before" "$(font_colour)"
xdotool mousemove --window "$E2E_WINDOW" $((4 + 5 + 217 + 11)) $((band_top + 5 + 3 + 9)) click 1
sleep 0.3
# End sets the field to FF, Home to 00.
e2e_keys "$([ "${before:1:2}" == FF ] && echo Home || echo End)"
changed=$(font_colour)
xdotool mousemove --window "$E2E_WINDOW" $((4 + 5 + 217 + 11)) $((band_top + 5 + 3 + 9)) click 1
sleep 0.3
e2e_keys ctrl+z
e2e_expect "a key in the red field changes the colour" yes "$([ "$changed" != "$before" ] && echo yes)"
e2e_expect "Ctrl+Z in a hex field takes the typed value back" "$before" "$(font_colour)"

copied=$(e2e_copy alt+e s)
e2e_expect "the CSS body rule" "body {
  background-color: #FFFFFF;
  color: #333333;
}" "$(printf '%s\n' "$copied" | head -n 4)"

html5='<div style="text-align: center"><span style="color: #FFFF00; font-family: &quot;DejaVu Sans&quot;; font-size: xx-large">Velloran</span></div>'
copied=$(e2e_copy alt+e h)
e2e_expect "Copy as HTML5, as text" "$html5" "$(printf '%s' "$copied" | sed 's/&quot;[^&]*&quot;/\&quot;DejaVu Sans\&quot;/')"
e2e_expect "Copy as HTML5, as text/html" "$copied" "$(xclip -o -selection clipboard -t text/html)"

printf '%s' 'no tag here' | xclip -i -selection clipboard
e2e_keys alt+e p
e2e_expect "text without a tag brings a message" "yes" \
  "$([ -n "$(e2e_window_titled Velloran)" ] && echo yes || echo no)"
e2e_finish
