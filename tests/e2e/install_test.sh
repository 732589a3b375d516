#!/usr/bin/env bash
# Installing for one user puts the program in its own folder with a link, a valid desktop
# entry and icons; the program started from the desktop entry keeps its settings and style
# beside itself; uninstalling removes exactly what was installed and keeps them.
set -euo pipefail
BUILD_DIR=$1
SOURCE_DIR=$2
WORK=$(mktemp -d)
PID=
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; rm -rf "$WORK"' EXIT
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$WORK/runtime
export XDG_DATA_HOME=$WORK/prefix/share
mkdir -m 700 "$XDG_RUNTIME_DIR"
PREFIX=$WORK/prefix
FAILURES=0
expect() {
  if [ "$2" == "$3" ]; then echo "ok: $1"; else
    echo "FAILED: $1"; echo "  expected: $2"; echo "  actual:   $3"; FAILURES=$((FAILURES + 1))
  fi
}
# The desktop's shared caches (MIME database, desktop entry cache) are not ours to list.
listing() {
  (cd "$PREFIX" && find . \( -type f -o -type l \) | sed 's|^\./||' |
    grep -v -e '^share/mime/[^p]' -e '^share/mime/packages/[^v]' -e '^share/applications/mimeinfo.cache$' | sort)
}

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log"
expect "installed files" "bin/velloran
lib/velloran/install-manifest.txt
lib/velloran/velloran
share/applications/velloran.desktop
share/icons/hicolor/256x256/apps/velloran.png
share/icons/hicolor/48x48/apps/velloran.png
share/icons/hicolor/scalable/apps/velloran.svg
share/mime/packages/velloran-style.xml" "$(listing)"
expect "bin/ links to the program" "$PREFIX/lib/velloran/velloran" "$(readlink -f "$PREFIX/bin/velloran")"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for size in 48 256; do
  expect "icon of $size pixels" "${size}x${size}" "$(png_size "$PREFIX/share/icons/hicolor/${size}x${size}/apps/velloran.png")"
done
validation=$(desktop-file-validate "$PREFIX/share/applications/velloran.desktop" 2>&1) && valid=yes || valid=no
expect "desktop-file-validate passes${validation:+: $validation}" yes "$valid"
expect "the entry starts the link" "Exec=\"$PREFIX/bin/velloran\" %f" \
  "$(grep '^Exec=' "$PREFIX/share/applications/velloran.desktop")"

# Start it as the desktop's menu does, and end it with File > Exit: the default policy
# saves the style and remembers it, beside the program.
gio launch "$PREFIX/share/applications/velloran.desktop" &
window=
for _ in $(seq 1 150); do
  window=$(xdotool search --onlyvisible --name "^ Velloran - Default\$" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
expect "the window opens from the desktop entry" yes "$([ -n "$window" ] && echo yes || echo no)"
if [ -n "$window" ]; then
  PID=$(xdotool getwindowpid "$window" 2>/dev/null || true)
  xdotool windowfocus --sync "$window" || true
  sleep 0.3
  for key in alt+f x; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
  for _ in $(seq 1 150); do
    [ -f "$PREFIX/lib/velloran/vlr.ini" ] && ! xdotool search --name "^ Velloran - " >/dev/null 2>&1 && break
    sleep 0.1
  done
  PID=
fi
expect "settings beside the program" yes "$([ -f "$PREFIX/lib/velloran/vlr.ini" ] && echo yes || echo no)"
expect "style beside the program" yes "$([ -f "$PREFIX/lib/velloran/Default.vls" ] && echo yes || echo no)"
echo "[Font]" >"$PREFIX/lib/velloran/Mine.vls"

"$SOURCE_DIR/scripts/uninstall" "$PREFIX" >"$WORK/uninstall.log"
expect "uninstall keeps only styles and settings" "lib/velloran/Default.vls
lib/velloran/Mine.vls
lib/velloran/vlr.ini" "$(listing)"
[ "$FAILURES" -eq 0 ]
