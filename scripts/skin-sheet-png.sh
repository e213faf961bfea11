#!/usr/bin/env bash
# Writes a sheet of the internal skin's parts drawn by the painting routines
# at several sizes and states as a PNG, to look at the skin and its painting.
# Usage: scripts/skin-sheet-png.sh OUTPUT.png [SCALE]
#   SCALE (default 1) enlarges the pixels. The positions of the parts are
#   printed. Builds the tool in build/native (configure it first: scripts/setup.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: skin-sheet-png.sh OUTPUT.png [SCALE]}
scale=${2:-1}
case "$(cd "$(dirname "$out")" && pwd)/" in
  "$root"/*) echo "skin-sheet-png: write the PNG outside the repository" >&2; exit 2 ;;
esac
cmake "$root/build/native" >/dev/null
cmake --build "$root/build/native" --target pvx_skin_sheet >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/build/native/tests/pvx_skin_sheet" "$root/assets/skin/Opus.pvxskin" "$work/sheet.bmp"
convert "$work/sheet.bmp" -filter point -resize "$((scale * 100))%" "$out"
echo "$out: the internal skin's parts at ${scale}x"
