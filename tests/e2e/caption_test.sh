# SPDX-License-Identifier: GPL-3.0-or-later
# The painted caption works as a caption: on a bare X server the window follows a drag of
# its caption by itself; under a window manager (openbox) the desktop moves it, the
# minimise button minimises it, and a second start brings it back. A dialog is centred
# with the frame the window manager gives it.
. "$(dirname "$0")/lib.sh"

position() { xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^[XY]=' | tr '\n' ' '; }
# Drags the caption from a point 150 pixels right of the window's left edge by (dx, dy).
drag_caption() {
  local X Y
  eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^[XY]=')"
  xdotool mousemove $((X + 150)) $((Y + 12)) mousedown 1
  sleep 0.3
  xdotool mousemove $((X + 150 + $1 / 2)) $((Y + 12 + $2 / 2))
  sleep 0.3
  xdotool mousemove $((X + 150 + $1)) $((Y + 12 + $2))
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}
moved_by() {
  local before=$1 X Y
  eval "$before"
  local x0=$X y0=$Y
  eval "$(position)"
  echo "$((X - x0)),$((Y - y0))"
}
map_state() { xwininfo -id "$E2E_WINDOW" | sed -n 's/.*Map State: //p'; }
wait_map_state() {
  for _ in $(seq 1 50); do [ "$(map_state)" == "$1" ] && break; sleep 0.1; done
  map_state
}

# A bare X server offers no move: the form moves the window itself.
e2e_start
before=$(position)
drag_caption 60 40
e2e_expect "bare X: dragging the caption moves the window" "60,40" "$(moved_by "$before")"
e2e_stop

# Under openbox the desktop's own move takes over.
e2e_background openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1
# Openbox names itself on the root window before it manages windows; it is ready once it
# has framed a probe window (set its frame extents). A probe mapped while openbox was still
# taking over the screen may stay bare, so such a probe is replaced.
for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
ready=no
for _ in 1 2 3; do
  e2e_background xmessage -name velloran-probe -title velloran-probe probe
  probe=$E2E_LAST
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name '^velloran-probe$' 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then ready=yes; break; fi
    sleep 0.1
  done
  kill "$probe" 2>/dev/null || true
  wait "$probe" 2>/dev/null || true
  [ "$ready" == no ] || break
done
[ "$ready" == yes ] || { echo "openbox did not frame a window (probe: ${id:-not found})"; cat "$E2E_DIR/openbox.log"; exit 1; }
e2e_start
before=$(position)
drag_caption 50 30
e2e_expect "openbox: dragging the caption moves the window" "50,30" "$(moved_by "$before")"

# The About box is centred on the screen counting the frame openbox gives it.
xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3
e2e_keys alt+h a
about=$(e2e_window_titled "About Velloran")
sleep 1
# Whether a window with its frame (the client grown by the frame's extents) lies in the
# middle of the screen, to a pixel.
centred() {
  local left right top bottom width height
  IFS=', ' read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
  read -r width height < <(xwininfo -root | awk '/^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print w, h}')
  xwininfo -id "$1" | awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" -v sw="$width" -v sh="$height" '
    /Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /^ *Width:/{w=$NF} /^ *Height:/{h=$NF}
    END{dx = (x - l) + (l + w + r) / 2 - sw / 2; dy = (y - t) + (t + h + b) / 2 - sh / 2
        print (dx * dx <= 1 && dy * dy <= 1) ? "yes" : "no: off by " dx "," dy}'
}
e2e_expect "openbox: the About box's frame is centred on the screen" yes "$([ -n "$about" ] && centred "$about")"
e2e_keys Escape

eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^[XY]=')"
xdotool mousemove $((X + 4 + 350)) $((Y + 4 + 8))
sleep 0.5
xdotool click 1
e2e_expect "openbox: the minimise button minimises the window" IsUnMapped "$(wait_map_state IsUnMapped)"

timeout 10 "$E2E_DIR/program/velloran" >"$E2E_DIR/second.log" 2>&1 && rc=0 || rc=$?
e2e_expect "openbox: a second copy ends with code 0" 0 "$rc"
e2e_expect "openbox: the second start restores the first window" IsViewable "$(wait_map_state IsViewable)"

e2e_finish
