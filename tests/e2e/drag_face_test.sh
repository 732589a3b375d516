#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A face dragged with the mouse from the face list onto "Alternate Fonts" joins the tag as
# an alternate face, as the X server's pointer does it: press, move, release.
. "$(dirname "$0")/lib.sh"
cp /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf \
  "$E2E_DIR/fonts/"

e2e_start
# Below the preview every band has a fixed height, so places are measured from the bottom:
# the face list's second row and the middle of the alternate list.
height=$(xdotool getwindowgeometry "$E2E_WINDOW" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
from_y=$((height - 171))
to_y=$((height - 145))
xdotool mousemove --window "$E2E_WINDOW" 50 "$from_y"
sleep 0.2
xdotool mousedown 1
for x in 55 65 90 140 200 260 300; do
  xdotool mousemove --window "$E2E_WINDOW" "$x" "$((from_y + (to_y - from_y) * (x - 50) / 250))"
  sleep 0.1
done
sleep 0.3
xdotool mouseup 1
sleep 0.3

# Whatever the press did to the main face, the dragged face is now the one alternate.
copied=$(e2e_copy alt+e c)
alternates=$(printf '%s' "$copied" | sed -n "s/.*FACE=\"'[^']*'\(.*\)\">.*/\1/p")
e2e_expect "the dragged face is the one alternate face" ",'DejaVu Sans Mono'" "$alternates"
e2e_finish
