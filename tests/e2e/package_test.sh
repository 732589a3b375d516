#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the release build: lintian finds no error; unpacked into a
# throw-away root every file lands where the package says; /usr/bin/velloran started from that
# root by a user with an empty home keeps its settings in ~/.config/velloran/, and nothing
# under the root's /usr changes; settings left beside the program before its folder became
# read-only are carried over once.
set -euo pipefail
SOURCE_DIR=$1
WORK=$(mktemp -d)
PID=
# The tree may have been made read-only, which would keep rm from emptying it.
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
FAILURES=0
expect() {
  if [ "$2" == "$3" ]; then echo "ok: $1"; else
    echo "FAILED: $1"; echo "  expected: $2"; echo "  actual:   $3"; FAILURES=$((FAILURES + 1))
  fi
}
yes_if() { if "$@"; then echo yes; else echo no; fi; }

package=$("$SOURCE_DIR/scripts/package" | tail -n 1)
version=$(sed -n 's/^project(velloran VERSION \([0-9.]*\).*/\1/p' "$SOURCE_DIR/CMakeLists.txt")
expect "named after the project's version" "velloran_${version}_$(dpkg --print-architecture).deb" "$(basename "$package")"
lintian --fail-on error --tag-display-limit 0 "$package" >"$WORK/lintian.log" 2>&1 && clean=yes || clean=no
expect "lintian finds no error$(grep '^E:' "$WORK/lintian.log" | sed 's/^/\n  /' | tr -d '\0')" yes "$clean"
expect "dependencies computed" yes "$(yes_if bash -c "dpkg-deb -f '$package' Depends | grep -q 'libqt6widgets6'")"

ROOT=$WORK/root
dpkg -x "$package" "$ROOT"
expect "every file lands where the package says" \
  "$(dpkg-deb --fsys-tarfile "$package" | tar -t | sed 's|^\./||; s|/$||' | grep -v '^$' | sort)" \
  "$(cd "$ROOT" && find . -mindepth 1 | sed 's|^\./||' | sort)"
expect "the package's layout" "usr/bin/velloran
usr/lib/velloran/manual.html
usr/lib/velloran/velloran
usr/lib/velloran/velloran-window
usr/lib/velloran/vlrhelp.hlp
usr/share/applications/velloran.desktop
usr/share/doc/velloran/changelog.gz
usr/share/doc/velloran/copyright
usr/share/icons/hicolor/256x256/apps/velloran.png
usr/share/icons/hicolor/48x48/apps/velloran.png
usr/share/icons/hicolor/scalable/apps/velloran.svg
usr/share/man/man1/velloran.1.gz
usr/share/metainfo/org.example.velloran.metainfo.xml" \
  "$(cd "$ROOT" && find usr \( -type f -o -type l \) | grep -v '^usr/share/mime/' | sort)"
expect "the link names the program" "../lib/velloran/velloran" "$(readlink "$ROOT/usr/bin/velloran")"

# Started as a user who cannot write under /usr, as after a real install: under the superuser
# (CI) an ordinary user, otherwise ourselves with the tree made read-only.
PROGRAM_DIR=$ROOT/usr/lib/velloran
mkdir -m 700 "$WORK/runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$WORK/runtime"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod -R a-w "$ROOT/usr"
fi
snapshot() { (cd "$ROOT" && find usr -printf '%p %M %s %T@\n' | sort); }

# Starts /usr/bin/velloran of the root for a user whose home is $1 (made empty), waits for
# the window titled $2 and closes it with File > Exit.
run_program() {
  local home=$1 window=
  mkdir -m 700 "$home"
  [ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$home"
  "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
    XDG_RUNTIME_DIR="$WORK/runtime" "$ROOT/usr/bin/velloran" >"$WORK/program.log" 2>&1 &
  PID=$!
  for _ in $(seq 1 150); do
    window=$(xdotool search --onlyvisible --name "^ Velloran - $2\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  expect "the window opens on $2" yes "$([ -n "$window" ] && echo yes || echo no)"
  if [ -n "$window" ]; then
    xdotool windowfocus --sync "$window" || true
    sleep 0.3
    for key in alt+f x; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
  fi
  for _ in $(seq 1 150); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
  # A close that cannot write the style shows a message and keeps the window open.
  local ended
  ended=$(kill -0 "$PID" 2>/dev/null && echo no || echo yes)
  expect "the program ends" yes "$ended"
  if [ "$ended" = yes ]; then PID=; else cat "$WORK/program.log"; fi
}

before=$(snapshot)
run_program "$WORK/home" Default
CONFIG=$WORK/home/.config/velloran
expect "settings in ~/.config/velloran" "startup=$CONFIG/Default.vls" "$(grep '^startup=' "$CONFIG/vlr.ini" 2>/dev/null)"
expect "the default style beside them" yes "$(yes_if test -f "$CONFIG/Default.vls")"
expect "a folder of the user's alone" 700 "$(stat -c %a "$CONFIG" 2>/dev/null)"
expect "nothing under /usr changed" "$before" "$(snapshot)"

# Settings left beside a program whose folder has since become read-only are carried over
# once, and the old files stay as they were.
chmod u+w "$PROGRAM_DIR"
printf '[Options]\nstartup=%s\nsave=2\n' "$PROGRAM_DIR/Default.vls" >"$PROGRAM_DIR/vlr.ini"
printf '[Font]\nfontsize=2\n' >"$PROGRAM_DIR/Default.vls"
[ "$(id -u)" -eq 0 ] || chmod a-w "$PROGRAM_DIR" "$PROGRAM_DIR/vlr.ini" "$PROGRAM_DIR/Default.vls"
before=$(snapshot)
run_program "$WORK/home2" Default
CONFIG=$WORK/home2/.config/velloran
expect "carried-over settings point at the copied style" "[Options]
startup=$CONFIG/Default.vls
save=2" "$(cat "$CONFIG/vlr.ini" 2>/dev/null)"
expect "the default style is copied" "[Font]
fontsize=2" "$(cat "$CONFIG/Default.vls" 2>/dev/null)"
expect "the old files are untouched" "$before" "$(snapshot)"
[ "$FAILURES" -eq 0 ]
