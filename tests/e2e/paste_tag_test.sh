#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Paste Tag reads a tag that another program holds on the clipboard; Copy Body Tag and Copy as
# CSS and Copy as HTML5 then carry its colours out again, HTML5 as text and as text/html. Text without a tag brings the message box.
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
pasted='<BODY BGCOLOR=white TEXT=#333>'
printf '%s' "$pasted" | xclip -i -selection clipboard
copied=$(copy_after "$pasted" alt+e p alt+e b)
e2e_expect "the body tag after Paste Tag" \
  "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#333333\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >" "$copied"

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
