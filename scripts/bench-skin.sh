#!/usr/bin/env bash
# Speed of the skin engine on the real windows under Wine: builds the skin
# window benchmark and runs it on a private display (medians of ROUNDS rounds).
#   scripts/bench-skin.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake "$root/build/win" >/dev/null
cmake --build "$root/build/win" --target pvx_skin_window_bench >/dev/null
export WINEPREFIX="$root/build/win/wineprefix"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
env -u DISPLAY "$root/scripts/with-display.sh" "$root/scripts/wine-exec.sh" "$WINEPREFIX" \
  "$root/build/win/bench/pvx_skin_window_bench.exe" "${1:-201}" | tr -d '\r'
