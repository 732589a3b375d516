#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A first start in an empty program folder shows the default style; the Edit menu copies
# each tag exactly, from either page, using only the keyboard.
. "$(dirname "$0")/lib.sh"

e2e_start
copied=$(e2e_copy alt+e c)
e2e_expect "font tag" \
  "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'DejaVu Sans'\"></FONT></CENTER>" "$copied"
copied=$(e2e_copy alt+e o)
e2e_expect "font tag with text" \
  "<CENTER><FONT COLOR=\"#FFFF00\"  SIZE=\"6\" FACE=\"'DejaVu Sans'\">Velloran</FONT></CENTER>" "$copied"
copied=$(e2e_copy alt+e b)
e2e_expect "body tag" \
  "<BODY BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >" "$copied"
e2e_expect "window title" " Velloran - Default" "$(xdotool getwindowname "$E2E_WINDOW")"
e2e_finish
