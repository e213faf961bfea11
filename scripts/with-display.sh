#!/usr/bin/env bash
# Runs a command with DISPLAY set: the caller's display, or a private Xvfb
# server started for the command and stopped after it (with the Wine server of
# WINEPREFIX, whose desktop lives on that display).
set -eu
if [ -n "${DISPLAY:-}" ]; then exec "$@"; fi
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb_pid=$!
# Xvfb writes its display number once it is ready; give up rather than wait
# forever when it cannot start (no such binary, no free display, no memory).
num=""
read -r -t 30 num <"$fifo" || true
rm -f "$fifo"
if [ -z "$num" ]; then
  kill "$xvfb_pid" 2>/dev/null || true
  echo "with-display: Xvfb did not start within 30 s" >&2
  exit 1
fi
export DISPLAY=:$num
stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap stop EXIT
set +e
"$@"
rc=$?
exit $rc
