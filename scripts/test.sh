#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs every test:
# the portable core natively under AddressSanitizer/UBSan, then every Windows
# test executable under Wine on a private Xvfb display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=${PVX_JOBS:-$(nproc)}

cmake --build "$root/build/native" -j "$jobs"
cmake --build "$root/build/win" -j "$jobs"

export WINEPREFIX="$root/build/win/wineprefix"
rc=0
echo "== native tests"
(cd "$root/build/native" && ctest --output-on-failure -j "$jobs") || rc=1
echo "== Windows tests under Wine"
env -u DISPLAY "$root/scripts/with-display.sh" \
  bash -c "cd '$root/build/win' && ctest --output-on-failure -j '$jobs'" || rc=1
exit $rc
