#!/usr/bin/env bash
# Installs what is missing, builds parivex.exe and runs it under Wine, on this
# display or, when there is none, on a private Xvfb server.
#   scripts/run.sh                        open the main window
#   scripts/run.sh --screenshot FILE.png  open it, write a picture of it, close it
#   scripts/run.sh --screenshot FILE.png --compare A B
#                                         the same after comparing files A and B
#   scripts/run.sh --screenshot-about FILE.png
#                                         a picture of the About box
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shot=""
compare=()
if [ "${1:-}" = "--screenshot-about" ]; then
  shot=$(realpath -m "${2:?usage: run.sh --screenshot-about FILE.png}")
  compare=(--about)
elif [ "${1:-}" = "--screenshot" ]; then
  shot=$(realpath -m "${2:?usage: run.sh --screenshot FILE.png [--compare A B]}")
  if [ "${3:-}" = "--compare" ]; then
    compare=(--compare "Z:$(realpath -m "${4:?}")" "Z:$(realpath -m "${5:?}")")
  fi
fi
"$root/scripts/setup.sh"
cmake --build "$root/build/win" -j "$(nproc)" --target parivex WindowShot

prefix="${PVX_WINEPREFIX:-$root/build/win/wineprefix}"
exe="$root/build/win/src/parivex.exe"
export WINEPREFIX=$prefix
if [ -z "$shot" ]; then
  exec "$root/scripts/with-display.sh" "$root/scripts/wine-exec.sh" "$prefix" "$exe"
fi

bmp=$(mktemp --suffix=.bmp)
"$root/scripts/with-display.sh" bash -c '
  root=$1 prefix=$2 exe=$3 shot=$4
  shift 4
  "$root/scripts/wine-exec.sh" "$prefix" "$exe" &
  app=$!
  "$root/scripts/wine-exec.sh" "$prefix" "$root/build/win/tools/WindowShot.exe" "Parivex 1.1" "Z:$shot" "$@" --close
  rc=$?
  wait $app || true
  exit $rc' _ "$root" "$prefix" "$exe" "$bmp" "${compare[@]}"
convert "$bmp" "$shot"
rm -f "$bmp"
echo "run: wrote $shot"
