#!/usr/bin/env bash
# Builds the Windows packages of this checkout into build/dist:
#   parivex-<version>-win64.msi  the installer (per user, no administrator rights)
#   parivex-<version>-win64.zip  the portable program with its licence and read-me
# Installs what is missing first, like the other scripts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# Packages of an earlier version must not linger beside the new ones.
rm -rf "$root/build/win/dist" "$root/build/dist"
cmake --build "$root/build/win" -j "${PVX_JOBS:-$(nproc)}" --target packages
mkdir -p "$root/build/dist"
cp "$root"/build/win/dist/parivex-*-win64.msi "$root"/build/win/dist/parivex-*-win64.zip "$root/build/dist/"
ls -l "$root/build/dist"
