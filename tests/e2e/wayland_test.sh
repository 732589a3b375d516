# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a Wayland compositor (weston, headless): the window appears, and a
# second copy ends with code 0 while the first keeps running, even though the compositor
# lets no program raise its window.
. "$(dirname "$0")/lib.sh"

export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=velloran-e2e
unset DISPLAY
e2e_background weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  >"$E2E_DIR/weston.log" 2>&1
for _ in $(seq 1 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done

# The client's side of the protocol shows the window: a top-level surface with our title,
# configured by the compositor, with a picture attached.
WAYLAND_DEBUG=client "$E2E_DIR/program/velloran" >"$E2E_DIR/program.log" 2>&1 &
E2E_PID=$!
shown=no
for _ in $(seq 1 150); do
  if grep -q 'set_title(" Velloran - Default")' "$E2E_DIR/program.log" &&
     grep -q 'xdg_toplevel@[0-9]*\.configure' "$E2E_DIR/program.log" &&
     grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$E2E_DIR/program.log"; then
    shown=yes; break
  fi
  sleep 0.1
done
e2e_expect "wayland: the main window appears" yes "$shown"

WAYLAND_DEBUG=client timeout 10 "$E2E_DIR/program/velloran" >"$E2E_DIR/second.log" 2>&1 && rc=0 || rc=$?
e2e_expect "wayland: a second copy ends with code 0" 0 "$rc"
e2e_expect "wayland: the second copy made no window" 0 "$(grep -c 'get_toplevel' "$E2E_DIR/second.log" || true)"
kill -0 "$E2E_PID" 2>/dev/null && alive=yes || alive=no
e2e_expect "wayland: the first copy still runs" yes "$alive"

e2e_finish
