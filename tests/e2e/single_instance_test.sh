# SPDX-License-Identifier: GPL-3.0-or-later
# One running copy at a time: a second start brings the first forward and ends with code 0
# without a window, of two simultaneous starts one stays, a killed copy leaves no lock
# behind (nor does the browser it started hold it), the lock and socket are in the user's
# runtime folder, and a stranger writing to the socket changes nothing.
. "$(dirname "$0")/lib.sh"

program=$E2E_DIR/program/velloran
socket=$XDG_RUNTIME_DIR/velloran.socket
windows() { xdotool search --name "^ Velloran - " 2>/dev/null | wc -l; }
# Runs a second copy and prints its exit code; it must end within ten seconds.
second_copy() { timeout 10 "$program" >>"$E2E_DIR/second.log" 2>&1 && echo 0 || echo $?; }
# The desktop's browser, for the About box's link: a stand-in that notes its process id and
# stays.
mkdir -p "$E2E_DIR/bin"
cat >"$E2E_DIR/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo \$\$ >"$E2E_DIR/browser.pid"
exec sleep 60
SCRIPT
chmod +x "$E2E_DIR/bin/xdg-open"
export PATH=$E2E_DIR/bin:$PATH

e2e_start
# Covered by another program's window, the first copy comes on top at a second start.
# Prints which of two windows is higher; the root lists its children topmost first.
higher() {
  local first
  first=$(xwininfo -root -children | grep -oiE "^ +($(printf '0x%x' "$1")|$(printf '0x%x' "$2")) " | head -n 1)
  [ "$((first))" -eq "$1" ] && echo "$1" || echo "$2"
}
xlogo -name cover -geometry 4000x4000+0+0 >/dev/null 2>&1 &
cover_pid=$!
E2E_OTHERS+=("$cover_pid")
cover=$(xdotool search --sync --name '^cover$' | head -n 1)
e2e_expect "another program's window covers the first copy" "$cover" "$(higher "$E2E_WINDOW" "$cover")"
e2e_expect "a second copy ends with code 0" 0 "$(second_copy)"
e2e_expect "the second start brought the first copy on top" "$E2E_WINDOW" "$(higher "$E2E_WINDOW" "$cover")"
kill "$cover_pid"
e2e_expect "the second copy showed no window" 1 "$(windows)"
# The window program started by its own name, or through a renamed link, takes the same lock.
e2e_expect "velloran-window started directly ends with code 0" 0 \
  "$(timeout 10 "$E2E_DIR/program/velloran-window" >>"$E2E_DIR/second.log" 2>&1 && echo 0 || echo $?)"
ln -s velloran-window "$E2E_DIR/program/vlr"
e2e_expect "a renamed link to the window program ends with code 0" 0 \
  "$(timeout 10 "$E2E_DIR/program/vlr" >>"$E2E_DIR/second.log" 2>&1 && echo 0 || echo $?)"
e2e_expect "neither showed a window" 1 "$(windows)"
kill -0 "$E2E_PID" && e2e_expect "the first copy still runs" yes yes

# The lock and the socket are the user's own, in the runtime folder.
e2e_expect "the lock is in XDG_RUNTIME_DIR" yes "$([ -f "$XDG_RUNTIME_DIR/velloran.lock" ] && echo yes || echo no)"
e2e_expect "the socket is in XDG_RUNTIME_DIR" yes "$([ -S "$socket" ] && echo yes || echo no)"

# Strangers: garbage, a flood, and a sender that says nothing. The first copy stays, and
# still answers a second copy afterwards. Each must reach the socket; the program may hang
# up on the flood before it is all written.
stranger() {
  local errors
  errors=$(nc -U "$@" "$socket" 2>&1 >/dev/null) && return 0
  case "$errors" in *"Broken pipe"* | *"reset by peer"*) return 0 ;; esac
  echo "$errors"
  return 1
}
e2e_expect "garbage reaches the socket" "" "$(printf 'GET / HTTP/1.0\r\n\r\n' | stranger -N)"
e2e_expect "a flood reaches the socket" "" "$(head -c 5000000 /dev/zero | stranger -N)"
silent=$E2E_DIR/silent.log
(sleep 2 | stranger >"$silent"; echo "rc=$?" >>"$silent") &
E2E_OTHERS+=("$!")
kill -0 "$E2E_PID" 2>/dev/null && alive=yes || alive=no
e2e_expect "strangers on the socket leave the first copy running" yes "$alive"
e2e_expect "strangers on the socket open no window" 1 "$(windows)"
e2e_expect "a second copy still ends with code 0" 0 "$(second_copy)"
for _ in $(seq 1 100); do grep -q '^rc=' "$silent" 2>/dev/null && break; sleep 0.1; done
e2e_expect "a silent sender reaches the socket" "rc=0" "$(cat "$silent" 2>/dev/null || true)"

# The browser that the About box's link starts outlives the program without keeping its
# lock, so a new start after the program is gone runs normally (below).
xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.3
e2e_keys alt+h a
about=$(e2e_window_titled "About Velloran")
if [ -n "$about" ]; then
  eval "$(xdotool getwindowgeometry --shell "$about" | grep -E '^[XY]=')"
  # The link's middle: the panel at (20, 24), the link at (7, 69) in it, 204 x 13.
  xdotool mousemove --sync $((X + 20 + 7 + 102)) $((Y + 24 + 69 + 6)) click 1
fi
for _ in $(seq 1 100); do [ -s "$E2E_DIR/browser.pid" ] && break; sleep 0.1; done
browser=$(cat "$E2E_DIR/browser.pid" 2>/dev/null || true)
[ -z "$browser" ] || E2E_OTHERS+=("$browser")
e2e_expect "the About link started the browser" yes "$([ -n "$browser" ] && kill -0 "$browser" 2>/dev/null && echo yes || echo no)"
e2e_expect "the browser holds no lock or socket of ours" "" \
  "$([ -z "$browser" ] || ls -l "/proc/$browser/fd" 2>/dev/null | grep -o 'velloran\.[a-z]*' || true)"

# A copy killed outright leaves the lock to the next start, which runs normally, also while
# the browser it started still runs.
kill -KILL "$E2E_PID"; wait "$E2E_PID" 2>/dev/null || true; E2E_PID=
for _ in $(seq 1 50); do [ "$(windows)" -eq 0 ] && break; sleep 0.1; done
e2e_start
e2e_expect "after a killed copy a new start shows its window" 1 "$(windows)"
e2e_expect "and a second copy again ends with code 0" 0 "$(second_copy)"
e2e_stop
for _ in $(seq 1 50); do [ "$(windows)" -eq 0 ] && break; sleep 0.1; done

# Two copies started at the same moment: exactly one stays.
e2e_background "$program" >"$E2E_DIR/a.log" 2>&1
a=$E2E_LAST
e2e_background "$program" >"$E2E_DIR/b.log" 2>&1
b=$E2E_LAST
e2e_window_titled " Velloran - Default" >/dev/null
sleep 3
running=0
for pid in $a $b; do kill -0 "$pid" 2>/dev/null && running=$((running + 1)); done
e2e_expect "of two simultaneous starts one runs" 1 "$running"
e2e_expect "of two simultaneous starts one window shows" 1 "$(windows)"
for pid in $a $b; do
  if kill -0 "$pid" 2>/dev/null; then E2E_PID=$pid; else
    wait "$pid" && rc=0 || rc=$?
    e2e_expect "the copy that yielded ended with code 0" 0 "$rc"
  fi
done

e2e_finish
