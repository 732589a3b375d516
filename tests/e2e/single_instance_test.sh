# One running copy at a time: a second start brings the first forward and ends with code 0
# without a window, of two simultaneous starts one stays, a killed copy leaves no lock
# behind, and a stranger writing to the socket changes nothing.
. "$(dirname "$0")/lib.sh"

program=$E2E_DIR/program/velloran
socket=$XDG_RUNTIME_DIR/velloran.socket
windows() { xdotool search --name "^ Velloran - " 2>/dev/null | wc -l; }
# Runs a second copy and prints its exit code; it must end within ten seconds.
second_copy() { timeout 10 "$program" >>"$E2E_DIR/second.log" 2>&1 && echo 0 || echo $?; }

e2e_start
e2e_expect "a second copy ends with code 0" 0 "$(second_copy)"
e2e_expect "the second copy showed no window" 1 "$(windows)"
kill -0 "$E2E_PID" && e2e_expect "the first copy still runs" yes yes

# Strangers: garbage, a flood, and a sender that says nothing. The first copy stays, and
# still answers a second copy afterwards.
printf 'GET / HTTP/1.0\r\n\r\n' | nc -U -N "$socket" 2>/dev/null || true
head -c 5000000 /dev/zero | nc -U -N "$socket" 2>/dev/null || true
sleep 2 | nc -U "$socket" 2>/dev/null &
kill -0 "$E2E_PID" 2>/dev/null && alive=yes || alive=no
e2e_expect "strangers on the socket leave the first copy running" yes "$alive"
e2e_expect "strangers on the socket open no window" 1 "$(windows)"
e2e_expect "a second copy still ends with code 0" 0 "$(second_copy)"

# A copy killed outright leaves the lock to the next start, which runs normally.
kill -KILL "$E2E_PID"; wait "$E2E_PID" 2>/dev/null || true; E2E_PID=
for _ in $(seq 1 50); do [ "$(windows)" -eq 0 ] && break; sleep 0.1; done
e2e_start
e2e_expect "after a killed copy a new start shows its window" 1 "$(windows)"
e2e_expect "and a second copy again ends with code 0" 0 "$(second_copy)"
e2e_stop
for _ in $(seq 1 50); do [ "$(windows)" -eq 0 ] && break; sleep 0.1; done

# Two copies started at the same moment: exactly one stays.
"$program" >"$E2E_DIR/a.log" 2>&1 & a=$!
"$program" >"$E2E_DIR/b.log" 2>&1 & b=$!
e2e_window_titled " Velloran - Default" >/dev/null
sleep 3
running=0
for pid in $a $b; do kill -0 "$pid" 2>/dev/null && running=$((running + 1)); done
e2e_expect "of two simultaneous starts one runs" 1 "$running"
e2e_expect "of two simultaneous starts one window shows" 1 "$(windows)"
for pid in $a $b; do
  if kill -0 "$pid" 2>/dev/null; then E2E_PID=$pid; else
    wait "$pid"; e2e_expect "the copy that yielded ended with code 0" 0 "$?"
  fi
done

e2e_finish
