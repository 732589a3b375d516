# SPDX-License-Identifier: GPL-3.0-or-later
# Shared steps of the end-to-end tests: run the built program from a fresh program folder
# on the X display the test runs under, drive it with xdotool, read the clipboard with xclip.
# The program sees a single installed face, DejaVu Sans, so its default face is known.
set -euo pipefail

E2E_PROGRAM=$1
E2E_DIR=$(mktemp -d)
# Everything a test starts in the background is ended here, however the test ends.
E2E_OTHERS=()
e2e_cleanup() {
  e2e_stop
  local pid
  for pid in "${E2E_OTHERS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_OTHERS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$E2E_DIR/runtime
mkdir -p "$E2E_DIR/program" "$E2E_DIR/fonts" "$E2E_DIR/runtime"
chmod 700 "$E2E_DIR/runtime"
cp "$E2E_PROGRAM" "$E2E_DIR/program/velloran"
# The program starts its window from the window program beside it.
cp "$(dirname "$E2E_PROGRAM")/velloran-window" "$E2E_DIR/program/"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$E2E_DIR/fonts/"
cat > "$E2E_DIR/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$E2E_DIR/fonts</dir>
  <cachedir>$E2E_DIR/fontcache</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE=$E2E_DIR/fonts.conf
E2E_PID=
E2E_PROGRAM_DIR=$E2E_DIR/program

e2e_start() {
  "$E2E_DIR/program/velloran" >"$E2E_DIR/program.log" 2>&1 &
  E2E_PID=$!
  E2E_WINDOW=
  for _ in $(seq 1 100); do
    E2E_WINDOW=$(xdotool search --onlyvisible --name "^ Velloran - " 2>/dev/null | head -n 1 || true)
    [ -n "$E2E_WINDOW" ] && break
    sleep 0.1
  done
  if [ -z "$E2E_WINDOW" ]; then
    echo "the main window did not appear"; cat "$E2E_DIR/program.log"; exit 1
  fi
  xdotool windowfocus --sync "$E2E_WINDOW"
  sleep 0.3
}

e2e_stop() {
  if [ -n "${E2E_PID:-}" ]; then
    kill "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
  fi
  E2E_PID=
}

# Starts a helper (a window manager, a compositor, a second copy) in the background, to be
# ended when the test ends; its process id is in E2E_LAST.
e2e_background() {
  "$@" &
  E2E_LAST=$!
  E2E_OTHERS+=("$E2E_LAST")
}

# Starts openbox and waits until it manages windows: it names itself on the root window
# before it does, and is ready once it has framed a probe window (set its frame extents). A
# probe mapped while openbox was still taking over the screen may stay bare, so such a probe
# is replaced.
e2e_openbox() {
  e2e_background openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1
  for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
  local ready=no probe id= _
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
}

# Presses keys in the program's window, one xdotool key argument each.
e2e_keys() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.25
  done
}

e2e_clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

# Empties the clipboard, presses the keys of a copy command, and prints what the program put
# on the clipboard, waiting up to ten seconds for it (the machine may be busy).
e2e_copy() {
  printf '' | xclip -i -selection clipboard
  e2e_keys "$@"
  local text=
  for _ in $(seq 1 100); do
    text=$(e2e_clipboard)
    [ -n "$text" ] && break
    sleep 0.1
  done
  printf '%s' "$text"
}

# Waits up to fifteen seconds for the program to end by itself; fails when it does not.
e2e_wait_exit() {
  for _ in $(seq 1 150); do
    kill -0 "$E2E_PID" 2>/dev/null || { wait "$E2E_PID" || true; E2E_PID=; return 0; }
    sleep 0.1
  done
  echo "the program did not end"; return 1
}

# The id of a window whose title is exactly the given text, waiting up to ten seconds for
# it to appear; nothing when it does not.
e2e_window_titled() {
  local id=
  for _ in $(seq 1 100); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  printf '%s' "$id"
}

FAILURES=0
e2e_expect() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" == "$actual" ]; then
    echo "ok: $what"
  else
    echo "FAILED: $what"; echo "  expected: $expected"; echo "  actual:   $actual"
    FAILURES=$((FAILURES + 1))
  fi
}

e2e_finish() {
  e2e_stop
  [ "$FAILURES" -eq 0 ]
}
