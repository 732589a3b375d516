#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Help > Contents shows the manual in the program's own viewer, whose internal links stay
# inside it; the About box's link asks the desktop for the configured web page. A stand-in
# xdg-open records what the desktop is asked to open.
. "$(dirname "$0")/lib.sh"

program_build_dir=$(dirname "$E2E_PROGRAM")
cp "$program_build_dir/manual.html" "$E2E_PROGRAM_DIR/"
mkdir -p "$E2E_DIR/bin"
opened_log=$E2E_DIR/opened.log
cat > "$E2E_DIR/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >> "$opened_log"
SCRIPT
chmod +x "$E2E_DIR/bin/xdg-open"
export PATH=$E2E_DIR/bin:$PATH

# A picture of a window's content, as a checksum.
window_picture() { xwd -silent -id "$1" | md5sum; }

e2e_start
# Contents... is the Help menu's first item.
e2e_keys alt+h Return
viewer=$(e2e_window_titled "Velloran Help")
e2e_expect "Help > Contents opens the viewer" "yes" "$([ -n "$viewer" ] && echo yes || echo no)"
[ -n "$viewer" ] || e2e_finish
# Tab reaches the first link of the contents, "The main window"; Return follows it.
e2e_keys Tab
sleep 0.5
contents=$(window_picture "$viewer")
e2e_keys Return
sleep 0.5
e2e_expect "the viewer shows another part of the manual" "yes" \
  "$([ "$(window_picture "$viewer")" != "$contents" ] && echo yes || echo no)"
e2e_expect "nothing went to the desktop" "" "$(cat "$opened_log" 2>/dev/null || true)"
# Back is there only after a link was followed inside the viewer, and it leaves the topic.
topic=$(window_picture "$viewer")
e2e_keys alt+b
sleep 0.5
e2e_expect "Back leaves the topic" "yes" "$([ "$(window_picture "$viewer")" != "$topic" ] && echo yes || echo no)"
e2e_keys Escape

xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3
e2e_keys alt+h a
about=$(e2e_window_titled "About Velloran")
e2e_expect "Help > About opens the About box" "yes" "$([ -n "$about" ] && echo yes || echo no)"
[ -n "$about" ] || e2e_finish
read -r x y < <(xdotool getwindowgeometry --shell "$about" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
# The link's middle: the panel at (20, 24), the link at (7, 69) in it, 204 x 13.
xdotool mousemove --sync $((x + 20 + 7 + 102)) $((y + 24 + 69 + 6)) click 1
for _ in $(seq 1 100); do
  [ -s "$opened_log" ] && break
  sleep 0.1
done
e2e_expect "the link asks for the manual's web page" "file://$E2E_PROGRAM_DIR/manual.html" \
  "$(cat "$opened_log" 2>/dev/null || true)"
e2e_expect "the About box stays open" "yes" \
  "$([ -n "$(xdotool search --name '^About Velloran$' 2>/dev/null)" ] && echo yes || echo no)"
e2e_finish
