# The painted caption works as a caption: on a bare X server the window follows a drag of
# its caption by itself; under a window manager (openbox) the desktop moves it, the
# minimise button minimises it, and a second start brings it back.
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
openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
e2e_start
before=$(position)
drag_caption 50 30
e2e_expect "openbox: dragging the caption moves the window" "50,30" "$(moved_by "$before")"

eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^[XY]=')"
xdotool mousemove $((X + 4 + 350)) $((Y + 4 + 8))
sleep 0.5
xdotool click 1
e2e_expect "openbox: the minimise button minimises the window" IsUnMapped "$(wait_map_state IsUnMapped)"

timeout 10 "$E2E_DIR/program/velloran" >"$E2E_DIR/second.log" 2>&1 && rc=0 || rc=$?
e2e_expect "openbox: a second copy ends with code 0" 0 "$rc"
e2e_expect "openbox: the second start restores the first window" IsViewable "$(wait_map_state IsViewable)"

e2e_stop
kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null || true
e2e_finish
