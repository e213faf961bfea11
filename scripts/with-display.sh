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
read -r num <"$fifo"
rm -f "$fifo"
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
