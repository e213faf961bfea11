#!/usr/bin/env bash
# The program under many hostile skins derived from the internal one (see
# tests/app/SkinTortureTest.cpp): COUNT skins from seed FIRST on, each started
# with the main window and taken through its dialogs, under Wine on a private
# display. Prints how many skins ran and how long they took.
#   scripts/skin-torture.sh [COUNT] [FIRST]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake "$root/build/win" >/dev/null
cmake --build "$root/build/win" --target pvx_win_tests_skin_torture >/dev/null
export WINEPREFIX="$root/build/win/wineprefix"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
start=$(date +%s)
env -u DISPLAY PVX_TORTURE_SKINS="${1:-300}" PVX_TORTURE_FIRST_SEED="${2:-1000}" \
  "$root/scripts/with-display.sh" "$root/scripts/wine-exec.sh" "$WINEPREFIX" \
  "$root/build/win/tests/pvx_win_tests_skin_torture.exe" --gtest_filter='*ManyDerivedSkins' | tr -d '\r'
echo "wall clock: $(( $(date +%s) - start )) s"
