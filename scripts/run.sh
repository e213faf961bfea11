#!/usr/bin/env bash
# Installs what is missing, builds parivex.exe and runs it under Wine, on this
# display or, when there is none, on a private Xvfb server.
#   scripts/run.sh                        open the main window
#   scripts/run.sh --screenshot FILE.png  open it, write a picture of it, close it
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot=$(realpath -m "${2:?usage: run.sh --screenshot FILE.png}")
fi
"$root/scripts/setup.sh"
cmake --build "$root/build/win" -j "$(nproc)" --target parivex WindowShot

prefix="$root/build/win/wineprefix"
exe="$root/build/win/src/parivex.exe"
export WINEPREFIX=$prefix
if [ -z "$shot" ]; then
  exec "$root/scripts/with-display.sh" "$root/scripts/wine-exec.sh" "$prefix" "$exe"
fi

bmp=$(mktemp --suffix=.bmp)
"$root/scripts/with-display.sh" bash -c '
  "$1/scripts/wine-exec.sh" "$2" "$3" &
  app=$!
  "$1/scripts/wine-exec.sh" "$2" "$1/build/win/tools/WindowShot.exe" "Parivex 1.1" "Z:$4" --close
  rc=$?
  wait $app || true
  exit $rc' _ "$root" "$prefix" "$exe" "$bmp"
convert "$bmp" "$shot"
rm -f "$bmp"
echo "run: wrote $shot"
