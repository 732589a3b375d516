#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# gifdump_test.sh GIFDUMP WORKDIR: runs the gifdump tool on a small hand-built file and checks
# its output line by line, then its answers to a file that is not a GIF and to one that
# cannot be read.
set -euo pipefail
gifdump=$1 work=$2
mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

# GIF89a, screen 4 x 3 with a 4-entry global table; NETSCAPE2.0 loop count 5; a control block
# (method 2, transparent, delay 7, index 2); a 3 x 2 image at (1, 0) with pixels 0 1 2 / 3 2 1;
# an interlaced 1 x 1 image at (0, 1) with pixel 3; the trailer.
printf '\x47\x49\x46\x38\x39\x61\x04\x00\x03\x00\x81\x00\x00\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\xff''\x21\xff\x0b\x4e\x45\x54\x53\x43\x41\x50\x45\x32\x2e\x30\x03\x01\x05\x00\x00''\x21\xf9\x04\x09\x07\x00\x02\x00''\x2c\x01\x00\x00\x00\x03\x00\x02\x00\x00\x02\x04\x44\x34\x12\x05\x00''\x2c\x00\x00\x01\x00\x01\x00\x01\x00\x40\x02\x02\x5c\x01\x00''\x3b' > "$work/two.gif"

# fnv: FNV-1a 64 of the bytes 00 01 02 03 02 01, and of the byte 03.
expected='screen 4 3 loop 5 frames 2
frame 1 left 1 top 0 width 3 height 2 delay 70 disposal 1 interlaced 0 transparent 1 tindex 2 colorbits 0 fnv a543fdbf0ea04e58
frame 2 left 0 top 1 width 1 height 1 delay 10 disposal 0 interlaced 1 transparent 0 tindex 0 colorbits 0 fnv af63be4c8601b992'
actual=$("$gifdump" "$work/two.gif")
[ "$actual" = "$expected" ] || fail "gifdump printed:
$actual
expected:
$expected"

actual=$("$gifdump" --decode-only "$work/two.gif")
[ "$actual" = "screen 4 3 loop 5 frames 2" ] || fail "--decode-only printed: $actual"

printf 'PNG not a gif' > "$work/not.gif"
status=0
actual=$("$gifdump" "$work/not.gif") || status=$?
[ "$status" -eq 1 ] && [ "$actual" = "not a gif" ] || fail "not a GIF: status $status, printed: $actual"

status=0
"$gifdump" "$work/missing.gif" > /dev/null 2> "$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q "cannot read" "$work/err" || fail "missing file: status $status"
echo "gifdump output checked"
