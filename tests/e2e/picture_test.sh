#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A background picture: started in a folder of pictures, the "..." button opens the chooser,
# the keyboard picks the first picture and confirms it; the body tag names the file, the
# preview shows it tiled, and Ctrl+R shows the file's new content after it changed on disk.
. "$(dirname "$0")/lib.sh"
GRAB=$(realpath "$2")
PICTURES=$(cd "$(dirname "$0")/pictures" && pwd)

mkdir -p "$E2E_DIR/work"
cp "$PICTURES/checker.gif" "$E2E_DIR/work/"   # 10 x 10, a yellow quarter on brown
cp "$PICTURES/plain.gif" "$E2E_DIR/work/"     # 10 x 10 green
cd "$E2E_DIR/work"
e2e_start

eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
# The window paints its own 4-pixel frame around the client area. The bands below the
# preview are 43 + 115 + 101 pixels high; "..." sits 44 pixels above the client's bottom
# edge, 367 from its left.
FRAME=4
xdotool mousemove --window "$E2E_WINDOW" $((FRAME + 367)) $((HEIGHT - FRAME - 44)) click 1
chooser=$(e2e_window_titled " Select Image")
[ -n "$chooser" ] || { echo "FAILED: the picture chooser did not open"; cat "$E2E_DIR/program.log"; exit 1; }
sleep 0.3
# From OK, four tabs reach the file list, whose first file is then current; Enter is OK.
e2e_keys Tab Tab Tab Tab Return
# Without a window manager nobody gives the main window the keyboard back.
xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3

copied=$(e2e_copy alt+e b)
e2e_expect "body tag with the picture" \
  "<BODY  BACKGROUND=\"checker.gif\" BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >" \
  "$copied"

# The colours of a 20 x 20 block at the preview's bottom left, row by row.
preview_block() {
  local points=() bottom=$((HEIGHT - FRAME - 261 - 20)) x y
  for y in $(seq 0 19); do
    for x in $(seq 0 19); do points+=("$((FRAME + 1 + x)),$((bottom + y))"); done
  done
  "$GRAB" "$E2E_WINDOW" "$1" "${points[@]}"
}

mapfile -t block < <(preview_block "$E2E_DIR/tiled.png")
tiled=yes
for y in $(seq 0 19); do
  for x in $(seq 0 19); do
    color=${block[$((y * 20 + x))]}
    [ "$color" == "#FFF900" ] || [ "$color" == "#C87800" ] || tiled="no: $color at $x,$y"
    [ "$color" == "${block[$(((y % 10) * 20 + x % 10))]}" ] || tiled="no: not repeated at $x,$y"
  done
done
colors=$(printf '%s\n' "${block[@]}" | sort -u | tr '\n' ' ')
e2e_expect "the preview shows the picture tiled" "yes" "$tiled"
e2e_expect "both colours of the picture show" "#C87800 #FFF900 " "$colors"

cp "$PICTURES/plain.gif" "$E2E_DIR/work/checker.gif"
e2e_keys ctrl+r
sleep 0.3
mapfile -t block < <(preview_block "$E2E_DIR/refreshed.png")
colors=$(printf '%s\n' "${block[@]}" | sort -u | tr '\n' ' ')
e2e_expect "after Ctrl+R the preview shows the new picture" "#64BC00 " "$colors"
e2e_finish
