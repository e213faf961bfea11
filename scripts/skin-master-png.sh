#!/usr/bin/env bash
# Writes the internal skin's master bitmap as a PNG, to look at the skin.
# Usage: scripts/skin-master-png.sh OUTPUT.png [SCALE]
#   SCALE (default 4) enlarges the pixels; fuchsia holes are shown as they are.
# Builds the generator in build/native (configure it first: scripts/setup.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: skin-master-png.sh OUTPUT.png [SCALE]}
scale=${2:-4}
case "$(cd "$(dirname "$out")" && pwd)/" in
  "$root"/*) echo "skin-master-png: write the PNG outside the repository" >&2; exit 2 ;;
esac
cmake --build "$root/build/native" --target GenerateSkinImages >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/build/native/assets/skin/GenerateSkinImages" "$work"
convert "$work/Master.bmp" -filter point -resize "$((scale * 100))%" "$out"
echo "$out: Master.bmp at ${scale}x"
