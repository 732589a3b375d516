#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pick from Screen takes the pixel under the real pointer at every display scaling, fractional
# ones included, with a bare X server and under openbox: the screen shows a picture whose
# every device pixel has a colour of its own, xdotool puts the pointer on odd and even device
# pixels, and a click, Enter and the arrow keys (with Shift, ten at a time) each pick exactly
# the pixel meant, or with A the average of the 3 x 3 pixels around it. Ctrl+Z in the tag
# area, where the keyboard starts, takes a pick back, and Edit > Recent Colors gives an
# earlier one again. The real wheel zooms the magnifier. At scale 2 on this 1280 x 800 screen
# the window's title bar is on the screen.
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
# The colour of pixel (x, y) of a picture of the whole screen that xwd took.
xwd_colour_at() {
  python3 - "$@" <<'PYTHON'
import struct, sys
data = open(sys.argv[1], "rb").read()
header = struct.unpack(">25I", data[:100])
size, line, colours = header[0], header[12], header[19]
x, y = int(sys.argv[2]), int(sys.argv[3])
at = size + colours * 12 + y * line + x * 4
print("#%02X%02X%02X" % (data[at + 2], data[at + 1], data[at]))
PYTHON
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

  # Across the picture's column 256 red runs 255, 0, 1 and blue 0, 16, 16: the average of the
  # 3 x 3 pixels around (256, 130) is red 85.3, green 130 and blue 10.7.
  start_picker
  xdotool mousemove --sync $((ox + 236)) $((oy + 120))
  sleep 0.2
  e2e_keys shift+Right shift+Right shift+Down a
  pointer=$(xdotool getmouselocation --shell | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x "," y}')
  e2e_keys Return
  e2e_expect "$how: Shift+arrow keys move the pointer by ten device pixels" "$((ox + 256)),$((oy + 130))" "$pointer"
  e2e_expect "$how: A picks the average of the 3 x 3 pixels" "#55820B" "$(font_colour)"

  # The keyboard is back in the tag area, where it started.
  e2e_keys ctrl+z ctrl+z ctrl+z ctrl+z
  e2e_expect "$how: Ctrl+Z in the tag area takes the picks back" "$before" "$(font_colour)"
  e2e_keys ctrl+shift+z
  e2e_expect "$how: Ctrl+Shift+Z redoes the first" "$(colour_at $((ox + 301)) $((oy + 203)))" "$(font_colour)"
  # The picks newest first: the average, then (515, 390), (442, 156) and (301, 203).
  e2e_keys alt+e l 3
  e2e_expect "$how: Edit > Recent Colors, 3 gives the second pick again" \
    "$(colour_at $((ox + 442)) $((oy + 156)))" "$(font_colour)"
  e2e_keys ctrl+z
  e2e_expect "$how: in one undo step" "$(colour_at $((ox + 301)) $((oy + 203)))" "$(font_colour)"
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

# The real wheel, at scale 1: away from the user the magnifier shows 5 pixels across, in
# cells of 27 screen pixels; towards the user, at most 25, in cells of 5. The lens's cells
# start 16 pixels right of and below the pointer; a cell two (twelve) pixels off the middle
# shows the picture's pixel two (twelve) off the pointer.
wheel_zooms() {
  e2e_start
  xdotool windowmove "$E2E_WINDOW" 1010 0
  local x=$((ox + 150)) y=$((oy + 100))
  start_picker
  xdotool mousemove --sync $x $y
  sleep 0.2
  xdotool click 4
  sleep 0.5
  xwd -root -silent >"$E2E_DIR/shot.xwd"
  e2e_expect "wheel away: the corner cell is the pixel two up and left" "$(colour_at $((x - 2)) $((y - 2)))" \
    "$(xwd_colour_at "$E2E_DIR/shot.xwd" $((x + 16 + 13)) $((y + 16 + 13)))"
  e2e_expect "wheel away: cell (+2, +1) is the pixel (+2, +1)" "$(colour_at $((x + 2)) $((y + 1)))" \
    "$(xwd_colour_at "$E2E_DIR/shot.xwd" $((x + 16 + 4 * 27 + 13)) $((y + 16 + 3 * 27 + 13)))"
  xdotool click --repeat 4 --delay 100 5
  sleep 0.5
  xwd -root -silent >"$E2E_DIR/shot.xwd"
  e2e_expect "wheel towards: the corner cell is the pixel twelve up and left" \
    "$(colour_at $((x - 12)) $((y - 12)))" "$(xwd_colour_at "$E2E_DIR/shot.xwd" $((x + 16 + 2)) $((y + 16 + 2)))"
  e2e_expect "wheel towards: cell (+12, +5) is the pixel (+12, +5)" "$(colour_at $((x + 12)) $((y + 5)))" \
    "$(xwd_colour_at "$E2E_DIR/shot.xwd" $((x + 16 + 24 * 5 + 2)) $((y + 16 + 17 * 5 + 2)))"
  e2e_keys Escape
  e2e_stop
}

show_pattern
measure_pattern
wheel_zooms
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
