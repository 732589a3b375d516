#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every window as a screen reader meets it: the program on a private session bus, with its
# own accessibility bus (at-spi2-core's launcher and registry, started by the bus on
# demand), read through pyatspi as Orca reads it. A stand-in xdg-open records what the
# About box's link asks the desktop to open.
if [ -z "${E2E_PRIVATE_BUS:-}" ]; then
  export E2E_PRIVATE_BUS=1
  exec dbus-run-session -- bash "$0" "$@"
fi
. "$(dirname "$0")/lib.sh"

program_build_dir=$(dirname "$E2E_PROGRAM")
cp "$program_build_dir/manual.html" "$E2E_PROGRAM_DIR/"
mkdir -p "$E2E_DIR/bin"
opened_log=$E2E_DIR/opened.log
: > "$opened_log"
cat > "$E2E_DIR/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >> "$opened_log"
SCRIPT
chmod +x "$E2E_DIR/bin/xdg-open"
export PATH=$E2E_DIR/bin:$PATH
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

e2e_start
# Debian's pyatspi is for Debian's Python, whichever python3 comes first on the PATH.
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$opened_log" "$E2E_WINDOW" || FAILURES=$((FAILURES + 1))
e2e_finish
