# SPDX-License-Identifier: GPL-3.0-or-later
# Styles as documents: the command line without a display, a style named at start, a style
# handed to the running copy by a second one (asking first when there are changes not saved),
# and gio open and Debian's xdg-open on a .vls from a per-user install opening it in the
# running copy.
# Arguments: the program, the build folder, the source folder, the version.
. "$(dirname "$0")/lib.sh"
BUILD_DIR=$2
SOURCE_DIR=$3
VERSION=$4
program=$E2E_DIR/program/velloran
printf '[Font]\ncolorFont=0000FF\nfaceFont=Nowhere Sans\nfontsize=3\njustify=l\n' >"$E2E_DIR/Blue.vls"
printf '[Font]\ncolorFont=00FF00\n' >"$E2E_DIR/Green.vls"
printf '[Font]\ncolorFont=FF0000\n' >"$E2E_DIR/Red One.vls"

# No display for what needs no window, and the texts as written, whatever this machine's
# language: the rows further down choose their languages themselves.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE QT_QPA_PLATFORM= LC_ALL=C "$program" "$@"; }
code() { "$@" >"$E2E_DIR/out" 2>"$E2E_DIR/err" && echo 0 || echo $?; }
e2e_expect "--help exits 0" 0 "$(code headless --help)"
e2e_expect "--help prints the usage" "Usage: velloran [STYLE.vls]" "$(head -n 1 "$E2E_DIR/out")"
e2e_expect "--version prints the version" "0 velloran $VERSION" "$(code headless --version) $(cat "$E2E_DIR/out")"
e2e_expect "an unknown option exits 2" 2 "$(code headless --frobnicate)"
e2e_expect "and prints the usage on standard error only" "velloran: Unknown option 'frobnicate'.|Usage: velloran [STYLE.vls]|" \
  "$(head -n 2 "$E2E_DIR/err" | tr '\n' '|')$(cat "$E2E_DIR/out")"
e2e_expect "--print font" "0 <FONT COLOR=\"#FF0000\"  SIZE=\"3\" FACE=\"'Nowhere Sans'\"></FONT>" \
  "$(cd "$E2E_DIR" && code headless --print font Blue.vls) $(cat "$E2E_DIR/out")"
e2e_expect "--print of a missing style exits 1" "1 Unable to read $E2E_DIR/none.vls" \
  "$(code headless --print body "$E2E_DIR/none.vls") $(cat "$E2E_DIR/err")"
# In the user's language, chosen as gettext programs choose it: the locale (LC_ALL, then
# LC_MESSAGES, then LANG) decides whether LANGUAGE counts at all, a regional locale falls back
# to its language, and English ends the search. Settings | --help's first line | the error.
in_language() {
  local settings=$1
  shift
  # shellcheck disable=SC2086 # the settings are words
  env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG QT_QPA_PLATFORM= $settings \
    "$program" "$@"
}
while IFS='|' read -r settings usage unknown; do
  e2e_expect "--help under $settings" "0 $usage" "$(code in_language "$settings" --help) $(head -n 1 "$E2E_DIR/out")"
  e2e_expect "an unknown option under $settings" "2 velloran: $unknown|$usage|" \
    "$(code in_language "$settings" --frobnicate) $(head -n 2 "$E2E_DIR/err" | tr '\n' '|')$(cat "$E2E_DIR/out")"
done <<'ROWS'
LANGUAGE=de LANG=de_DE.UTF-8|Aufruf: velloran [STIL.vls]|Unbekannte Option „frobnicate“.
LANG=de_AT.UTF-8|Aufruf: velloran [STIL.vls]|Unbekannte Option „frobnicate“.
LANGUAGE=de LANG=C|Usage: velloran [STYLE.vls]|Unknown option 'frobnicate'.
LANGUAGE=de|Usage: velloran [STYLE.vls]|Unknown option 'frobnicate'.
LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=C.UTF-8|Usage: velloran [STYLE.vls]|Unknown option 'frobnicate'.
LANGUAGE=it:fr:de LANG=de_DE.UTF-8|Usage : velloran [STYLE.vls]|Option « frobnicate » inconnue.
LANGUAGE=en_GB:de LANG=de_DE.UTF-8|Usage: velloran [STYLE.vls]|Unknown option 'frobnicate'.
LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8|Uso: velloran [ESTILO.vls]|Opción desconocida «frobnicate».
LANGUAGE=en_XA LANG=de_DE.UTF-8|[Ûšàĝé: velloran [ŠŢÝĹÉ.ṽĺš]|[Ûñķñöŵñ öþţîöñ 'frobnicate'. ŵôŕđš]
ROWS
# What --read prints is the same, byte for byte, in any language; only what it says on
# standard error reads German.
printf 'body { color: #AAA; margin: 0; background: url(tile.gif) }\n.velloran { font: italic bold 2em serif; float: left }\n' \
  >"$E2E_DIR/partly.css"
for what in css html5 font-text; do
  english=$(code headless --read "$E2E_DIR/partly.css" --print "$what")
  cp "$E2E_DIR/out" "$E2E_DIR/english.out"
  cp "$E2E_DIR/err" "$E2E_DIR/english.err"
  german=$(code in_language "LANGUAGE=de LANG=de_DE.UTF-8" --read "$E2E_DIR/partly.css" --print "$what")
  e2e_expect "--read --print $what under German: the same exit code and the same bytes" "0 0 same" \
    "$english $german $(cmp -s "$E2E_DIR/english.out" "$E2E_DIR/out" && echo same || echo differ)"
  e2e_expect "--read under German: as many problem lines as in English" "$(wc -l <"$E2E_DIR/english.err")" \
    "$(wc -l <"$E2E_DIR/err")"
done
e2e_expect "--read's problems in English" "The CSS was loaded from body, .velloran except for:" \
  "$(head -n 1 "$E2E_DIR/english.err")"
e2e_expect "--read's problems under German" "Das CSS wurde aus body, .velloran übernommen, außer:" \
  "$(head -n 1 "$E2E_DIR/err")"
e2e_expect "--print of a missing style under German" "1 $E2E_DIR/none.vls kann nicht gelesen werden" \
  "$(code in_language "LANGUAGE=de LANG=de_DE.UTF-8" --print body "$E2E_DIR/none.vls") $(cat "$E2E_DIR/err")"
e2e_expect "--print of a file that holds no style under French" \
  "1 $E2E_DIR/partly.css ne contient aucun style." \
  "$(code in_language "LANG=fr_FR.UTF-8" --print body "$E2E_DIR/partly.css") $(cat "$E2E_DIR/err")"

# A build script's --print must not wait for the toolkit's libraries to load.
e2e_expect "the program answering the command line loads no toolkit" 0 "$(ldd "$program" | grep -c 'libQt' || true)"
e2e_expect "--print writes no settings" "" "$(ls "$E2E_DIR/program" | grep -v -e '^velloran$' -e '^velloran-window$' || true)"

# A style named on the command line, relative to the folder it is started in.
(cd "$E2E_DIR" && exec "$program" Blue.vls >"$E2E_DIR/program.log" 2>&1) &
E2E_PID=$!
e2e_expect "the named style opens" yes "$([ -n "$(e2e_window_titled " Velloran - Blue")" ] && echo yes || echo no)"

# A second copy hands its style to the running one and ends with code 0.
e2e_expect "a second copy with a style ends with code 0" 0 "$(cd "$E2E_DIR" && code timeout 10 "$program" Green.vls)"
e2e_expect "the running copy opens it" yes "$([ -n "$(e2e_window_titled " Velloran - Green")" ] && echo yes || echo no)"

# With changes not saved, a style handed over asks first, as the close does.
# Without a window manager nobody gives the main window the keyboard back after a box.
focus_main() {
  xdotool windowfocus --sync "$(xdotool search --name '^ Velloran - ' 2>/dev/null | head -n 1)"
  sleep 0.2
}
font_colour() {
  focus_main
  e2e_copy alt+e c | sed -n 's/.*COLOR="\(#[0-9A-F]*\)".*/\1/p'
}
edit() {
  printf '%s' "<FONT COLOR=$1>" | xclip -i -selection clipboard
  focus_main
  e2e_keys alt+e p
}
# Hands the style over from a second copy and answers the question with the key.
hand_over() {
  e2e_background "$program" "$1"
  local box
  box=$(e2e_window_titled Confirm)
  [ -n "$box" ] || { echo "no question for $1"; return; }
  xdotool windowfocus --sync "$box"
  sleep 0.2
  e2e_keys "$2"
  wait "$E2E_LAST" 2>/dev/null || true
}
edit '#123456'
hand_over "$E2E_DIR/Blue.vls" Escape
sleep 0.5
e2e_expect "Cancel keeps the style and its changes" " Velloran - Green #123456" \
  "$(xdotool getwindowname "$(e2e_window_titled " Velloran - Green")") $(font_colour)"
e2e_expect "and writes nothing" "$(printf '[Font]\ncolorFont=00FF00')" "$(cat "$E2E_DIR/Green.vls")"
hand_over "$E2E_DIR/Blue.vls" n
e2e_expect "No opens the style handed over" yes "$([ -n "$(e2e_window_titled " Velloran - Blue")" ] && echo yes || echo no)"
e2e_expect "without saving the changes" "$(printf '[Font]\ncolorFont=00FF00')" "$(cat "$E2E_DIR/Green.vls")"
edit '#654321'
hand_over "$E2E_DIR/Green.vls" y
e2e_expect "Yes opens the style handed over" yes "$([ -n "$(e2e_window_titled " Velloran - Green")" ] && echo yes || echo no)"
e2e_expect "after saving the changes" "colorFont=214365" "$(grep colorFont "$E2E_DIR/Blue.vls")"
e2e_stop
for _ in $(seq 1 50); do xdotool search --name "^ Velloran - " >/dev/null 2>&1 || break; sleep 0.1; done

# A per-user install, started from its desktop entry; a double-click stand-in on a style.
PREFIX=$E2E_DIR/prefix
export XDG_DATA_HOME=$PREFIX/share XDG_CONFIG_HOME=$E2E_DIR/config
mkdir -p "$XDG_CONFIG_HOME"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$E2E_DIR/install.log"
e2e_expect "the style file type is known" application/x-velloran-style \
  "$(gio info -a standard::content-type "$E2E_DIR/Red One.vls" | sed -n 's/.*standard::content-type: //p')"
gio launch "$PREFIX/share/applications/velloran.desktop" >/dev/null 2>&1 &
e2e_expect "the installed program starts" yes "$([ -n "$(e2e_window_titled " Velloran - Default")" ] && echo yes || echo no)"
E2E_PID=$(xdotool search --name "^ Velloran - Default\$" getwindowpid 2>/dev/null | head -n 1 || true)
gio open "$E2E_DIR/Red One.vls"
e2e_expect "gio open shows the style in the running copy" yes \
  "$([ -n "$(e2e_window_titled " Velloran - Red One")" ] && echo yes || echo no)"
e2e_expect "one window" 1 "$(xdotool search --name "^ Velloran - " 2>/dev/null | wc -l)"
# Debian's own xdg-open with no desktop environment set: it reads the desktop entry itself.
no_desktop() { env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u GNOME_DESKTOP_SESSION_ID -u KDE_FULL_SESSION "$@"; }
cp "$E2E_DIR/Blue.vls" "$E2E_DIR/Blue Sky.vls"
for style in Green.vls "Blue Sky.vls"; do
  e2e_expect "xdg-open $style succeeds" 0 "$(code no_desktop xdg-open "$E2E_DIR/$style")$(cat "$E2E_DIR/err")"
  e2e_expect "and shows it in the running copy" yes \
    "$([ -n "$(e2e_window_titled " Velloran - ${style%.vls}")" ] && echo yes || echo no)"
done
e2e_expect "still one window" 1 "$(xdotool search --name "^ Velloran - " 2>/dev/null | wc -l)"
e2e_stop
"$SOURCE_DIR/scripts/uninstall" "$PREFIX" >/dev/null
e2e_finish
