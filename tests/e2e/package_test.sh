#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, as dpkg-buildpackage builds it from debian/: lintian --pedantic finds
# nothing that is not overridden with its reason; both programs pass hardening-check; the
# control fields name what the program needs; the manual page covers every option --help
# shows. Unpacked into a throw-away root, every file lands where the package says, and
# /usr/bin/velloran started from that root keeps its settings in ~/.config/velloran/ and
# changes nothing under the root's /usr: started by a user who could write there (the
# superuser) or by one who cannot, and with settings left in the program folder, which a
# packaged build never takes over.
set -euo pipefail
SOURCE_DIR=$1
WORK=$(mktemp -d)
PID=
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
FAILURES=0
expect() {
  if [ "$2" == "$3" ]; then echo "ok: $1"; else
    echo "FAILED: $1"; echo "  expected: $2"; echo "  actual:   $3"; FAILURES=$((FAILURES + 1))
  fi
}
yes_if() { if "$@"; then echo yes; else echo no; fi; }

# Built into build/ (a folder that stays the same, so the compiler cache serves a rerun), or
# the package named by VELLORAN_PACKAGE.
package=${VELLORAN_PACKAGE:-$("$SOURCE_DIR/scripts/package" | tail -n 1)}
version=$(sed -n 's/^project(velloran VERSION \([0-9.]*\).*/\1/p' "$SOURCE_DIR/CMakeLists.txt")
expect "named after the project's version" "velloran_${version}_$(dpkg --print-architecture).deb" "$(basename "$package")"

# Every tag lintian can show, pedantic and experimental ones too; overridden tags are listed
# with "O:" and pass.
lintian --pedantic -I -E --tag-display-limit 0 "$package" >"$WORK/lintian.log" 2>&1 || true
expect "lintian --pedantic -I shows no tag that is not overridden" "" \
  "$(grep '^[EWIPX]: ' "$WORK/lintian.log" | tr -d '\0' || true)"
expect "dependencies computed" yes "$(yes_if bash -c "dpkg-deb -f '$package' Depends | grep -q 'libqt6widgets6'")"
expect "the display plugins are a dependency" yes \
  "$(yes_if bash -c "dpkg-deb -f '$package' Depends | grep -q 'qt6-qpa-plugins'")"
expect "recommends" "xdg-utils, fonts-liberation, qt6-wayland, qt6-translations-l10n" "$(dpkg-deb -f "$package" Recommends)"
expect "suggests" "xdg-desktop-portal" "$(dpkg-deb -f "$package" Suggests)"

ROOT=$WORK/root
dpkg -x "$package" "$ROOT"
expect "every file lands where the package says" \
  "$(dpkg-deb --fsys-tarfile "$package" | tar -t | sed 's|^\./||; s|/$||' | grep -v '^$' | sort)" \
  "$(cd "$ROOT" && find . -mindepth 1 | sed 's|^\./||' | sort)"
expect "the package's layout, the manual once" "usr/bin/velloran
usr/lib/velloran/manual.de.html
usr/lib/velloran/manual.es.html
usr/lib/velloran/manual.fr.html
usr/lib/velloran/manual.html
usr/lib/velloran/translations/velloran_de.qm
usr/lib/velloran/translations/velloran_es.qm
usr/lib/velloran/translations/velloran_fr.qm
usr/lib/velloran/velloran
usr/lib/velloran/velloran-window
usr/share/applications/velloran.desktop
usr/share/doc/velloran/README.md.gz
usr/share/doc/velloran/changelog.gz
usr/share/doc/velloran/copyright
usr/share/icons/hicolor/256x256/apps/velloran.png
usr/share/icons/hicolor/48x48/apps/velloran.png
usr/share/icons/hicolor/scalable/apps/velloran.svg
usr/share/lintian/overrides/velloran
usr/share/man/man1/velloran.1.gz
usr/share/metainfo/org.example.velloran.metainfo.xml" \
  "$(cd "$ROOT" && find usr \( -type f -o -type l \) | grep -v '^usr/share/mime/' | sort)"
expect "the link names the program" "../lib/velloran/velloran" "$(readlink "$ROOT/usr/bin/velloran")"
expect "the copyright file is machine-readable GPL-3.0-or-later" yes \
  "$(yes_if grep -qx 'License: GPL-3.0+' "$ROOT/usr/share/doc/velloran/copyright")"
# Control-flow protection is left out: Debian 12's C start files carry no CET marking, so no
# program linked there shows it, not even a one-line one built with -fcf-protection.
hardening-check --nocfprotection "$ROOT/usr/lib/velloran/velloran" "$ROOT/usr/lib/velloran/velloran-window" \
  >"$WORK/hardening.log" 2>&1 \
  && hardened=yes || hardened=no
expect "hardening-check passes on both programs$(grep -i ': no\b' "$WORK/hardening.log" | sed 's/^/\n  /')" yes "$hardened"
# Without /proc (hidden in a mount namespace of its own) the front program starts the window
# program at its installed path, not the one in the current folder.
# (Where the package is installed on this machine, that would open a window: not then.)
if [ "$(id -u)" -eq 0 ] && [ ! -e /usr/lib/velloran/velloran-window ] && unshare --mount true 2>/dev/null; then
  mkdir "$WORK/cwd"
  printf '#!/bin/sh\ntouch "%s/ran"\n' "$WORK/cwd" >"$WORK/cwd/velloran-window"
  chmod +x "$WORK/cwd/velloran-window"
  no_proc=$(cd "$WORK/cwd" && env -u LANGUAGE LC_ALL=C unshare --mount sh -c 'mount -t tmpfs none /proc && exec "$1"' - \
    "$ROOT/usr/lib/velloran/velloran" 2>&1 || true)
  expect "without /proc the current folder's velloran-window is not run" no "$(yes_if test -e "$WORK/cwd/ran")"
  expect "without /proc the installed path is tried" \
    "velloran: cannot start /usr/lib/velloran/velloran-window: No such file or directory" \
    "$no_proc"
else
  echo "skipped: hiding /proc needs the superuser and no installed package"
fi

# The manual page names every option --help shows; both in English, which --help writes under
# the C locale whatever the machine's language.
help_options=$(env -u LANGUAGE LC_ALL=C "$ROOT/usr/lib/velloran/velloran" --help | grep -oE -- '(^|[[:space:],[])-{1,2}[a-z][a-z-]*' |
  sed 's/^[^-]*//' | sort -u)
page=$(MANWIDTH=200 man -l "$ROOT/usr/share/man/man1/velloran.1.gz" 2>/dev/null)
missing=$(for option in $help_options; do grep -qwe "$option" <<<"$page" || echo "$option"; done)
expect "the manual page covers --help's options ($(echo $help_options))" "" "$missing"
for section in "EXIT STATUS" ENVIRONMENT FILES XDG_CONFIG_HOME XDG_RUNTIME_DIR TMPDIR; do
  expect "the manual page has $section" yes "$(yes_if grep -q "^ *$section" <<<"$page")"
done

# Started as a user who cannot write under /usr, as after a real install: an ordinary user,
# or the superuser, who can, and for whom the program must still leave it alone.
PROGRAM_DIR=$ROOT/usr/lib/velloran
mkdir -m 700 "$WORK/runtime"
snapshot() { (cd "$ROOT" && find usr -printf '%p %M %s %T@\n' | sort); }
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$WORK/runtime"
  unprivileged=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  unprivileged=()
fi

# Starts /usr/bin/velloran of the root for a user whose home is $1 (made empty), waits for
# the window titled $2 and closes it with File > Exit.
run_program() {
  local home=$1 window=
  mkdir -m 700 "$home"
  [ "$(id -u)" -eq 0 ] && [ ${#as_user[@]} -gt 0 ] && chown nobody:nogroup "$home"
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

# A user who can write in the program folder: the superuser (or, run as an ordinary user,
# that user owning the unpacked tree).
[ "$(id -u)" -eq 0 ] && chown root:root "$WORK/runtime"
before=$(snapshot)
run_program "$WORK/root-home" Default
CONFIG=$WORK/root-home/.config/velloran
expect "a user who could write there: settings in ~/.config/velloran" "startup=$CONFIG/Default.vls" \
  "$(grep '^startup=' "$CONFIG/vlr.ini" 2>/dev/null)"
expect "a user who could write there: nothing under /usr changed" "$before" "$(snapshot)"

# A user who cannot.
rm -rf "$WORK/runtime"/*
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$WORK/runtime"
  as_user=("${unprivileged[@]}")
else
  chmod -R a-w "$ROOT/usr"
fi
run_program "$WORK/home" Default
CONFIG=$WORK/home/.config/velloran
expect "settings in ~/.config/velloran" "startup=$CONFIG/Default.vls" "$(grep '^startup=' "$CONFIG/vlr.ini" 2>/dev/null)"
expect "the default style beside them" yes "$(yes_if test -f "$CONFIG/Default.vls")"
expect "a folder of the user's alone" 700 "$(stat -c %a "$CONFIG" 2>/dev/null)"
expect "nothing under /usr changed" "$before" "$(snapshot)"

# Settings left in the program folder (by an older build run as the superuser) are not the
# user's: nothing is carried over, and they stay as they were.
chmod u+w "$PROGRAM_DIR"
printf '[Options]\nstartup=%s\nsave=2\n' "$PROGRAM_DIR/Default.vls" >"$PROGRAM_DIR/vlr.ini"
printf '[Font]\nfontsize=2\n' >"$PROGRAM_DIR/Default.vls"
[ "$(id -u)" -eq 0 ] || chmod a-w "$PROGRAM_DIR" "$PROGRAM_DIR/vlr.ini" "$PROGRAM_DIR/Default.vls"
before=$(snapshot)
run_program "$WORK/home2" Default
CONFIG=$WORK/home2/.config/velloran
expect "settings left in the program folder are not taken over" "[Options]
startup=$CONFIG/Default.vls" "$(cat "$CONFIG/vlr.ini" 2>/dev/null)"
expect "the default style is the user's own" no \
  "$(yes_if grep -q '^fontsize=2' "$CONFIG/Default.vls")"
expect "the old files are untouched" "$before" "$(snapshot)"
[ "$FAILURES" -eq 0 ]
