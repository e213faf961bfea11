#!/usr/bin/env bash
# Builds one libFuzzer target and runs it for a given time at the lowest
# priority, in one process.
# Usage: scripts/fuzz.sh TARGET SECONDS
#   TARGET: skin_package (package reader and loader), skin_ini (Options.dat
#   text), bmp_decoder (BMP decoder).
# The build is build/fuzz (clang, configured here when missing); the corpus,
# seeded from the internal skin, grows in build/fuzz/corpus/TARGET and
# crashing inputs land in build/fuzz/crashes/TARGET. Nothing is committed.
# PVX_FUZZ_NO_BUILD=1 runs the targets as last built (long runs while the
# tree is being edited).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: fuzz.sh TARGET SECONDS}
seconds=${2:?usage: fuzz.sh TARGET SECONDS}
build=$root/build/fuzz
case "$target" in skin_package|skin_ini|bmp_decoder) ;; *) echo "fuzz.sh: unknown target $target" >&2; exit 2 ;; esac

if [ "${PVX_FUZZ_NO_BUILD:-0}" != 1 ]; then
  if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPVX_FUZZ=ON >/dev/null
  fi
  cmake --build "$build" --target "fuzz_$target" GenerateSkinImages >/dev/null
fi

corpus=$build/corpus/$target
crashes=$build/crashes/$target
mkdir -p "$corpus" "$crashes"
extra=()
case "$target" in
  skin_package)
    cp "$root/assets/skin/Opus.pvxskin" "$corpus/seed-opus.pvxskin"
    # The loader behind a valid package: Options.dat, a zero byte, Master.bmp.
    "$build/assets/skin/GenerateSkinImages" "$corpus"
    cat "$root/assets/skin/Options.dat" <(printf '\0') "$corpus/Master.bmp" > "$corpus/seed-options-master"
    rm -f "$corpus/Master.bmp" "$corpus/ButtonHuge.bmp" ;;
  skin_ini)
    cp "$root/assets/skin/Options.dat" "$corpus/seed-options.dat"
    extra=(-dict="$root/fuzz/skin_ini.dict") ;;
  bmp_decoder)
    "$build/assets/skin/GenerateSkinImages" "$corpus"
    for f in "$root"/../shared/testdata/bmpsuite/g/*.bmp; do cp "$f" "$corpus/seed-$(basename "$f")"; done ;;
esac

cd "$build"
exec nice -n 19 "$build/fuzz/fuzz_$target" "$corpus" "${extra[@]}" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$crashes/"
