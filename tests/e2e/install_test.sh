#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installing for one user puts the program in its own folder with its manual, a link, a valid
# desktop entry and icons; the program started from the desktop entry shows the manual in
# its help and through the About box's link, and keeps its settings and style beside
# itself; uninstalling removes exactly what was installed, and the folders it made, and
# keeps them.
set -euo pipefail
BUILD_DIR=$1
SOURCE_DIR=$2
WORK=$(mktemp -d)
PID=
trap '[ -z "$PID" ] || kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$WORK/runtime
export XDG_DATA_HOME=$WORK/prefix/share
mkdir -m 700 "$XDG_RUNTIME_DIR"
PREFIX=$WORK/prefix
# A stand-in for the desktop's opener records what it is asked to open.
mkdir "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$WORK/opened.log"
SCRIPT
chmod +x "$WORK/bin/xdg-open"
export PATH=$WORK/bin:$PATH
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
# The id of a window whose title matches, waiting up to ten seconds; nothing when none shows.
wait_window() {
  local id=
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  printf '%s' "$id"
}

mkdir -p "$PREFIX/share"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log"
expect "installed files" "bin/velloran
lib/velloran/install-manifest.txt
lib/velloran/manual.de.html
lib/velloran/manual.es.html
lib/velloran/manual.fr.html
lib/velloran/manual.html
lib/velloran/translations/velloran_de.qm
lib/velloran/translations/velloran_es.qm
lib/velloran/translations/velloran_fr.qm
lib/velloran/velloran
lib/velloran/velloran-window
share/applications/velloran.desktop
share/icons/hicolor/256x256/apps/velloran.png
share/icons/hicolor/48x48/apps/velloran.png
share/icons/hicolor/scalable/apps/velloran.svg
share/man/man1/velloran.1
share/metainfo/org.example.velloran.metainfo.xml
share/mime/packages/velloran-style.xml" "$(listing)"
expect "bin/ links to the program" "$PREFIX/lib/velloran/velloran" "$(readlink -f "$PREFIX/bin/velloran")"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for size in 48 256; do
  expect "icon of $size pixels" "${size}x${size}" "$(png_size "$PREFIX/share/icons/hicolor/${size}x${size}/apps/velloran.png")"
done
validation=$(desktop-file-validate "$PREFIX/share/applications/velloran.desktop" 2>&1) && valid=yes || valid=no
expect "desktop-file-validate passes${validation:+: $validation}" yes "$valid"
# Warnings fail too. --no-net: the screenshots are not fetched.
validation=$(appstreamcli validate --no-net "$PREFIX/share/metainfo/org.example.velloran.metainfo.xml" 2>&1) &&
  validation= || true
expect "appstreamcli validate passes${validation:+: $validation}" "" "$validation"
expect "the entry starts the link" "Exec=$PREFIX/bin/velloran %f" \
  "$(grep '^Exec=' "$PREFIX/share/applications/velloran.desktop")"

# Start it as the desktop's menu does, and end it with File > Exit: the default policy
# saves the style and remembers it, beside the program.
gio launch "$PREFIX/share/applications/velloran.desktop" &
window=$(wait_window "^ Velloran - Default\$")
expect "the window opens from the desktop entry" yes "$([ -n "$window" ] && echo yes || echo no)"
if [ -n "$window" ]; then
  PID=$(xdotool getwindowpid "$window" 2>/dev/null || true)
  xdotool windowfocus --sync "$window" || true
  sleep 0.3
  # F1 opens the help viewer; its text, selected and copied, is the manual's.
  xdotool key --clearmodifiers F1
  viewer=$(wait_window "^Velloran Help\$")
  text=
  if [ -n "$viewer" ]; then
    sleep 0.5
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.5
    text=$(xclip -o -selection clipboard 2>/dev/null || true)
    xdotool key --clearmodifiers Escape
  fi
  expect "F1 shows the manual" yes "$(grep -q "The main window" <<<"$text" && echo yes || echo no)"
  xdotool windowfocus --sync "$window" || true
  sleep 0.3
  # The About box's link opens the manual's page beside the program.
  for key in alt+h a; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
  about=$(wait_window "^About Velloran\$")
  if [ -n "$about" ]; then
    eval "$(xdotool getwindowgeometry --shell "$about" | grep -E '^[XY]=')"
    # The link's middle: the panel at (20, 24), the link at (7, 69) in it, 204 x 13.
    xdotool mousemove --sync $((X + 20 + 7 + 102)) $((Y + 24 + 69 + 6)) click 1
    for _ in $(seq 1 100); do [ -s "$WORK/opened.log" ] && break; sleep 0.1; done
    xdotool key --clearmodifiers Escape
    sleep 0.3
  fi
  page=$(sed -n 's|^file://||p' "$WORK/opened.log" 2>/dev/null || true)
  expect "the About link opens the installed manual" "$PREFIX/lib/velloran/manual.html" "$page"
  expect "that page is the manual" yes \
    "$(grep -q '<title>Velloran Help</title>' "${page:-/nonexistent}" 2>/dev/null && echo yes || echo no)"
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

# Under German, F1 shows the German manual installed beside the English one.
heading=$(sed -n 's|.*<h2>.*</a>\([^<]*\)</h2>.*|\1|p' "$PREFIX/lib/velloran/manual.de.html" | head -n 1)
expect "the German manual's first heading is its own" no \
  "$(grep -qF "$heading" "$PREFIX/lib/velloran/manual.html" && echo yes || echo no)"
LANGUAGE=de "$PREFIX/bin/velloran" &
PID=$!
window=$(wait_window "^ Velloran - Default\$")
text=
if [ -n "$window" ]; then
  xdotool windowfocus --sync "$window" || true
  sleep 0.3
  xdotool key --clearmodifiers F1
  viewer=$(wait_window "^Velloran-Hilfe\$")
  if [ -n "$viewer" ]; then
    sleep 0.5
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.5
    text=$(xclip -o -selection clipboard 2>/dev/null || true)
    xdotool key --clearmodifiers Escape
  fi
  xdotool windowfocus --sync "$window" || true
  sleep 0.3
  for key in alt+d b; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
  for _ in $(seq 1 150); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
fi
expect "under German, F1 shows the German manual ($heading)" yes \
  "$([ -n "$heading" ] && grep -qF "$heading" <<<"$text" && echo yes || echo no)"
expect "the German window ends with Datei > Beenden" no "$(kill -0 "$PID" 2>/dev/null && echo yes || echo no)"
PID=
echo "[Font]" >"$PREFIX/lib/velloran/Mine.vls"

"$SOURCE_DIR/scripts/uninstall" "$PREFIX" >"$WORK/uninstall.log"
expect "uninstall keeps only styles and settings" "lib/velloran/Default.vls
lib/velloran/Mine.vls
lib/velloran/vlr.ini" "$(listing)"
# The folders the install made go once empty; the prefix's share/ was there before it.
folders() { (cd "$PREFIX" && find . -mindepth 1 -type d | sed 's|^\./||' | sort); }
expect "uninstall removes the empty folders it made" "lib
lib/velloran
share" "$(folders)"
[ "$FAILURES" -eq 0 ]
