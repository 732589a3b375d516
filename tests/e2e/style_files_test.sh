#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Styles persist: the first close writes the default style and remembers it, a start opens
# the remembered style, and a style file that cannot be written loses nothing.
. "$(dirname "$0")/lib.sh"

# A first close in an empty program folder saves the default style and names it for the next start.
e2e_start
e2e_keys alt+f x
e2e_wait_exit
expected_style="[Body]
colorBG=000000
colorText=FFFFFF
colorVisited=008000
colorNew=FFFF00
colorActive=00FFFF

[Font]
colorFont=00FFFF
faceFont=DejaVu Sans
justify=c
weight=p
italic=p
fontsize=6
caption=Velloran
background=
picture=0"
e2e_expect "Default.vls after the first close" "$expected_style" "$(cat "$E2E_PROGRAM_DIR/Default.vls")"
e2e_expect "vlr.ini after the first close" "[Options]
startup=$E2E_PROGRAM_DIR/Default.vls" "$(cat "$E2E_PROGRAM_DIR/vlr.ini")"

# A start opens the style that "startup" names.
mkdir -p "$E2E_DIR/styles"
printf '[Body]\r\ncolorBG=FF0000\r\n[Font]\r\ncolorFont=0000FF\r\njustify=l\r\nweight=b\r\nfontsize=3\r\ncaption=Hi\r\n[AltFonts]\r\nAltFonts0=Serif\r\n' \
  > "$E2E_DIR/styles/Blue Sky.vls"
printf '[Options]\nstartup=%s\nsave=2\n' "$E2E_DIR/styles/Blue Sky.vls" > "$E2E_PROGRAM_DIR/vlr.ini"
e2e_start
e2e_expect "caption of the remembered style" " Velloran - Blue Sky" "$(xdotool getwindowname "$E2E_WINDOW")"
# The generic family stands bare, as CSS writes it.
copied=$(e2e_copy alt+e o)
e2e_expect "its font tag" "<FONT COLOR=\"#FF0000\"  SIZE=\"3\" FACE=\"'DejaVu Sans',serif\"><B>Hi</B></FONT>" "$copied"
copied=$(e2e_copy alt+e b)
e2e_expect "its body tag" \
  "<BODY BGCOLOR=\"#0000FF\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >" "$copied"
e2e_keys alt+f x
e2e_wait_exit

# A style file that cannot be written: the close shows the error and the window stays open.
printf '[Options]\nstartup=%s\nsave=0\n' "$E2E_DIR/styles/Blue Sky.vls" > "$E2E_PROGRAM_DIR/vlr.ini"
chmod 444 "$E2E_DIR/styles/Blue Sky.vls"
before=$(cat "$E2E_DIR/styles/Blue Sky.vls")
e2e_start
e2e_keys alt+f x
error_box=$(e2e_window_titled Velloran)
e2e_expect "an error box appears" "yes" "$([ -n "$error_box" ] && echo yes || echo no)"
if [ -n "$error_box" ]; then
  e2e_expect "the window stays open" "yes" "$(kill -0 "$E2E_PID" 2>/dev/null && echo yes || echo no)"
fi
e2e_expect "the read-only style is untouched" "$before" "$(cat "$E2E_DIR/styles/Blue Sky.vls")"
e2e_finish
