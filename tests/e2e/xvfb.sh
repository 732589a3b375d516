#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command under an X server of its own. Xvfb picks a free display number itself and
# tells us which (-displayfd), so tests started side by side never race for one, as
# xvfb-run -a does. E2E_SCREEN sets the screen's size and depth.
set -euo pipefail
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 ${E2E_SCREEN:-800x600x24} -nolisten tcp -noreset 3>"$fifo_dir/display" >"$fifo_dir/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$fifo_dir"' EXIT
read -r -t 30 number <"$fifo_dir/display" || { echo "Xvfb did not start"; cat "$fifo_dir/xvfb.log"; exit 1; }
export DISPLAY=:$number
"$@"
