#!/usr/bin/env bash
# Installs what is missing, builds parivex.exe and runs it under Wine, on this
# display or, when there is none, on a private Xvfb server.
#   scripts/run.sh                        open the main window
#   scripts/run.sh --screenshot FILE.png  open it, write a picture of it, close it
#   scripts/run.sh --screenshot FILE.png --compare A B
#                                         the same after comparing files A and B
#   scripts/run.sh --screenshot-about FILE.png
#                                         a picture of the About box
#   scripts/run.sh --screenshot-dialogs DIR
#                                         pictures of the dialogs of the system
#                                         (error box, folder picker, delete
#                                         confirmation, open-file dialog) in DIR
# With PVX_COLOR_MODE=dark (or light) the run's prefix first gets the system's
# app colour mode set (Personalize\AppsUseLightTheme 0 or 1), so every window
# comes up in that look; without it the prefix is left as it is. The value stays
# in the prefix (PVX_COLOR_MODE=light puts light back); the tests, which share
# the prefix, remove it when they start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shot=""
dialogs=""
compare=()
if [ "${1:-}" = "--screenshot-dialogs" ]; then
  dialogs=$(realpath -m "${2:?usage: run.sh --screenshot-dialogs DIR}")
  mkdir -p "$dialogs"
elif [ "${1:-}" = "--screenshot-about" ]; then
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
case "${PVX_COLOR_MODE:-}" in
  dark|light)
    light=$([ "$PVX_COLOR_MODE" = dark ] && echo 0 || echo 1)
    "$root/scripts/wine-prefix.sh" "$prefix"
    WINEDEBUG=-all wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
      /v AppsUseLightTheme /t REG_DWORD /d "$light" /f >/dev/null
    # The Wine server started here has no display: let it end, so the program
    # starts with one of its own on the run's display.
    wineserver -w ;;
  "") ;;
  *) echo "run: PVX_COLOR_MODE is dark or light" >&2; exit 2 ;;
esac
if [ -n "$dialogs" ]; then
  rc=0
  "$root/scripts/with-display.sh" bash -c '
    root=$1 prefix=$2 exe=$3 dir=$4
    "$root/scripts/wine-exec.sh" "$prefix" "$exe" &
    app=$!
    "$root/scripts/wine-exec.sh" "$prefix" "$root/build/win/tools/WindowShot.exe" "Parivex 1.1" "Z:$dir" --dialogs --close
    rc=$?
    wait $app || true
    exit $rc' _ "$root" "$prefix" "$exe" "$dialogs" || rc=$?
  for bmp in "$dialogs"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    echo "run: wrote ${bmp%.bmp}.png"
  done
  exit $rc
fi
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
