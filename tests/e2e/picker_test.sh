#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pick from Screen takes the pixel under the real pointer at every display scaling, fractional
# ones included, with a bare X server and under openbox: the screen shows a picture whose
# every device pixel has a colour of its own, xdotool puts the pointer on odd and even device
# pixels, and a click, Enter and the arrow keys each pick exactly the pixel meant. Ctrl+Z in
# the tag area, where the keyboard starts, takes a pick back. At scale 2 on this 1280 x 800
# screen the window's title bar is on the screen.
. "$(dirname "$0")/lib.sh"

# The picture: device pixel (x, y) of it is red x mod 256, green y mod 256, blue the high bits
# of both; as an XWD file, which xwud shows.
python3 - "$E2E_DIR/pattern.xwd" <<'PYTHON'
import struct, sys
width, height = 600, 480
name = b"pattern\0"
header = struct.pack(">25I", 100 + len(name), 7, 2, 24, width, height, 0, 1, 32, 1, 32, 32, width * 4,
                     4, 0xFF0000, 0xFF00, 0xFF, 8, 256, 0, width, height, 0, 0, 0)
rows = []
for y in range(height):
    row = bytearray(width * 4)
    for x in range(width):
        row[x * 4 + 1:x * 4 + 4] = bytes((x & 0xFF, y & 0xFF, (x >> 8) << 4 | (y >> 8)))
    rows.append(bytes(row))
with open(sys.argv[1], "wb") as out:
    out.write(header + name + b"".join(rows))
PYTHON
# The colour of device pixel (x, y) of the screen, the picture's corner being at (ox, oy).
colour_at() {
  local x=$(($1 - ox)) y=$(($2 - oy))
  printf '#%02X%02X%02X' $((x & 255)) $((y & 255)) $(((x >> 8) << 4 | (y >> 8)))
}
# The font colour, read from the font tag the program copies.
font_colour() { e2e_copy alt+e c | sed -n 's/.*COLOR="\(#[0-9A-F]*\)".*/\1/p'; }

show_pattern() {
  # -noclick: a click that reaches it (a press the picker took leaves its release) must not end it.
  e2e_background xwud -noclick -in "$E2E_DIR/pattern.xwd" -geometry +0+0
  for _ in $(seq 1 100); do
    pattern=$(xdotool search --onlyvisible --name '^xwud: pattern$' 2>/dev/null | head -n 1 || true)
    [ -n "$pattern" ] && break
    sleep 0.1
  done
  [ -n "$pattern" ] || { echo "the picture did not show"; exit 1; }
  sleep 0.3
}
# Where the picture's corner is on the screen; a window manager frames it and moves it.
measure_pattern() {
  ox=$(xwininfo -id "$pattern" | sed -n 's/.*Absolute upper-left X: *//p')
  oy=$(xwininfo -id "$pattern" | sed -n 's/.*Absolute upper-left Y: *//p')
}

# The picture's own program redraws it after every window that covered it (the picker's
# cover too); it is kept small so that this is quick, and given a moment.
start_picker() {
  sleep 0.5
  xdotool windowfocus --sync "$E2E_WINDOW"
  sleep 0.2
  e2e_keys ctrl+shift+c
  [ -n "$(e2e_window_titled "Pick from Screen")" ] || { echo "the picker did not start"; exit 1; }
  sleep 0.3
}

# One scaling: a click on an odd pixel, Enter on an even one, the arrow keys from a third,
# each checked; then Ctrl+Z takes the last pick back.
pick_at_scale() {
  local how=$1 width=${2:-}
  e2e_start
  if [ -n "$width" ]; then
    e2e_expect "$how: the window is drawn at twice its size" "$width" \
      "$(xwininfo -id "$E2E_WINDOW" | sed -n 's/.*Width: *//p')"
  fi
  # The program's window out of the picture's way, at the screen's right.
  xdotool windowmove "$E2E_WINDOW" 1010 0
  sleep 0.3
  local before
  before=$(font_colour)

  start_picker
  xdotool mousemove --sync $((ox + 301)) $((oy + 203))
  sleep 0.2
  xdotool click 1
  sleep 0.3
  e2e_expect "$how: a click picks odd pixel (301, 203)" "$(colour_at $((ox + 301)) $((oy + 203)))" "$(font_colour)"

  start_picker
  xdotool mousemove --sync $((ox + 442)) $((oy + 156))
  sleep 0.2
  e2e_keys Return
  e2e_expect "$how: Enter picks even pixel (442, 156)" "$(colour_at $((ox + 442)) $((oy + 156)))" "$(font_colour)"

  start_picker
  xdotool mousemove --sync $((ox + 517)) $((oy + 388))
  sleep 0.2
  e2e_keys Right Down Down Left Left Left
  local pointer
  pointer=$(xdotool getmouselocation --shell | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x "," y}')
  e2e_keys Return
  e2e_expect "$how: the arrow keys move the pointer by one device pixel" "$((ox + 515)),$((oy + 390))" "$pointer"
  e2e_expect "$how: and Enter picks that pixel" "$(colour_at $((ox + 515)) $((oy + 390)))" "$(font_colour)"

  # The keyboard is back in the tag area, where it started.
  e2e_keys ctrl+z ctrl+z ctrl+z
  e2e_expect "$how: Ctrl+Z in the tag area takes the picks back" "$before" "$(font_colour)"
  e2e_keys ctrl+shift+z
  e2e_expect "$how: Ctrl+Shift+Z redoes the first" "$(colour_at $((ox + 301)) $((oy + 203)))" "$(font_colour)"
  e2e_stop
}

scales() {
  local wm=$1 scale
  for scale in 1 1.25 1.5 1.75 2; do
    QT_SCALE_FACTOR=$scale pick_at_scale "$wm, scale $scale"
  done
  # The usual 200 % desktop says so through the X resources, as xrdb sets them.
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t192\n')"
  pick_at_scale "$wm, Xft.dpi 192" 806
  xprop -root -remove RESOURCE_MANAGER
}

show_pattern
measure_pattern
scales "bare X server"

e2e_openbox
measure_pattern
scales openbox

# At scale 2 the window (806 x 910 device pixels with its frame) is taller than the screen;
# it opens with its title bar at the screen's top rather than above it.
QT_SCALE_FACTOR=2 e2e_start
frame_top=$(( $(xwininfo -id "$E2E_WINDOW" | sed -n 's/.*Absolute upper-left Y: *//p') -
  $(xprop -id "$E2E_WINDOW" _NET_FRAME_EXTENTS | sed -n 's/.*= *[0-9]*, *[0-9]*, *\([0-9]*\),.*/\1/p') ))
e2e_expect "openbox, scale 2: the title bar is on the screen" 0 "$frame_top"
e2e_finish
