#!/usr/bin/env bash
# Builds one libFuzzer target and runs it for a given time at the lowest
# priority, in one process.
# Usage: scripts/fuzz.sh TARGET SECONDS [MAX_LEN]
#   TARGET: skin_package (package reader and loader), skin_ini (Options.dat
#   text), bmp_decoder (BMP decoder).
#   MAX_LEN: the largest input in bytes (default 1048576, 1 MiB). Seeds near
#   that size (an Options.dat of thousands of sections with long PARENTCLASS
#   chains, many keys naming one image, a bitmap of about 1 MiB) put large
#   inputs in reach from the start.
# The build is build/fuzz (clang, configured here when missing); the corpus,
# seeded from the internal skin, grows in build/fuzz/corpus/TARGET and
# crashing inputs land in build/fuzz/crashes/TARGET. Nothing is committed.
# PVX_FUZZ_NO_BUILD=1 runs the targets as last built (long runs while the
# tree is being edited). PVX_FUZZ_TIMEOUT is the wall-clock seconds one input
# may take before it counts as a hang (default 300: at the lowest priority
# beside a build, an input of 1 MiB that needs one second of processor time
# can wait far longer than that for it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: fuzz.sh TARGET SECONDS}
seconds=${2:?usage: fuzz.sh TARGET SECONDS [MAX_LEN]}
max_len=${3:-1048576}
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

# An uncompressed 24-bit bitmap of WIDTH x HEIGHT black pixels.
bitmap() {
  local w=$1 h=$2 row=$(( ($1 * 3 + 3) / 4 * 4 ))
  local size=$(( row * h )) le
  le() { printf "\\x%02x\\x%02x\\x%02x\\x%02x" $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
  printf "BM$(le $((54 + size)))\0\0\0\0$(le 54)$(le 40)$(le "$w")$(le "$h")\x01\0\x18\0$(le 0)$(le "$size")$(le 2835)$(le 2835)$(le 0)$(le 0)"
  head -c "$size" /dev/zero
}
# An Options.dat of COUNT sections in PARENTCLASS chains of a hundred, the
# last section naming Master.bmp under many keys.
many_sections() {
  awk -v n="$1" 'BEGIN {
    printf "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nVERSION=5.41\r\n";
    for (i = 0; i < n; i++) printf "[S%d]\r\nPARENTCLASS=S%d\r\nCOLOR=%d\r\n", i, (i + 1) % 100 ? i + 1 : i, i;
    printf "[LAST]\r\n";
    for (i = 0; i < 200; i++) printf "K%d=!MASTER.BMP!3!1!0\r\n", i;
  }'
}

extra=()
case "$target" in
  skin_package)
    cp "$root/assets/skin/Opus.pvxskin" "$corpus/seed-opus.pvxskin"
    # The loader behind a valid package: Options.dat, a zero byte, Master.bmp.
    "$build/assets/skin/GenerateSkinImages" "$corpus"
    cat "$root/assets/skin/Options.dat" <(printf '\0') "$corpus/Master.bmp" > "$corpus/seed-options-master"
    { many_sections 20000; printf '\0'; bitmap 16 16; } | head -c "$max_len" > "$corpus/seed-many-sections"
    { many_sections 10; printf '\0'; bitmap 560 560; } | head -c "$max_len" > "$corpus/seed-large-master"
    rm -f "$corpus/Master.bmp" "$corpus/ButtonHuge.bmp" ;;
  skin_ini)
    cp "$root/assets/skin/Options.dat" "$corpus/seed-options.dat"
    many_sections 25000 | head -c "$max_len" > "$corpus/seed-many-sections.dat"
    extra=(-dict="$root/fuzz/skin_ini.dict") ;;
  bmp_decoder)
    "$build/assets/skin/GenerateSkinImages" "$corpus"
    for f in "$root"/tests/data/bmpsuite/g/*.bmp; do cp "$f" "$corpus/seed-$(basename "$f")"; done
    bitmap 580 580 > "$corpus/seed-large.bmp" ;;
esac

cd "$build"
exec nice -n 19 "$build/fuzz/fuzz_$target" "$corpus" "${extra[@]}" \
  -max_total_time="$seconds" -max_len="$max_len" -timeout="${PVX_FUZZ_TIMEOUT:-300}" -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$crashes/"
