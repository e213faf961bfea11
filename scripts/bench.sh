#!/usr/bin/env bash
# Speed checks of the checksum and the Compare command's file work; not part
# of the tests. Builds the benchmarks (natively without sanitizers in
# build/bench-native, and in build/win), keeps two identical 1 GiB files in
# build/bench-data (made once, reused), warms the page cache and prints:
#   the speed of every CRC-32 method natively;
#   FileCrc32's speed on the 1 GiB file under Wine (target: at least 8 GB/s);
#   the Compare path's wall time on the identical pair under Wine against
#   GNU cmp on the same pair in the same run (target: at most 2x cmp).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

native=$root/build/bench-native
[ -f "$native/build.ninja" ] || \
  cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPVX_SANITIZE=OFF >/dev/null
# Configure again: bench/benches.cmake is optional, so adding it alone does
# not make a build notice it.
cmake "$native" >/dev/null
cmake "$root/build/win" >/dev/null
cmake --build "$native" --target pvx_crc32_bench >/dev/null
cmake --build "$root/build/win" --target pvx_compare_bench >/dev/null

data=$root/build/bench-data
a=$data/a.bin
b=$data/b.bin
size=$((1 << 30))
mkdir -p "$data"
if [ "$(stat -c %s "$a" 2>/dev/null || echo 0)" != "$size" ]; then
  echo "bench: writing $a (1 GiB of random bytes)"
  head -c "$size" /dev/urandom >"$a"
  rm -f "$b"
fi
if [ "$(stat -c %s "$b" 2>/dev/null || echo 0)" != "$size" ] || ! cmp -s "$a" "$b"; then
  cp "$a" "$b"
fi
cat "$a" "$b" >/dev/null  # warm the page cache
# The machine's load, since every figure below falls with it.
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

echo "== CRC-32 methods, native"
"$native/bench/pvx_crc32_bench"

# Best wall time of three runs of cmp, in seconds.
cmp_seconds() {
  local best=""
  for _ in 1 2 3; do
    local start=$EPOCHREALTIME
    cmp "$a" "$b"
    local end=$EPOCHREALTIME
    best=$(awk -v s="$start" -v e="$end" -v b="$best" \
      'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
  done
  echo "$best"
}

windows_path() { echo "Z:${1//\//\\}"; }

echo "== Compare path under Wine (best of several rounds each), against GNU cmp (best of 3)"
cmp_before=$(cmp_seconds)
results=$("$root/scripts/wine-exec.sh" "$root/build/win/wineprefix" \
  "$root/build/win/bench/pvx_compare_bench.exe" "$(windows_path "$a")" "$(windows_path "$b")" | tr -d '\r')
cmp_after=$(cmp_seconds)
echo "$results"
value() { echo "$results" | awk -v k="$1" '$1 == k { print $2 }'; }
crc_gbps=$(value filecrc32_gbps)
path_seconds=$(value compare_path_seconds)
cmp_best=$(awk -v x="$cmp_before" -v y="$cmp_after" 'BEGIN { printf "%.3f", (x < y ? x : y) }')
echo "cmp_seconds $cmp_best (before $cmp_before, after $cmp_after)"

echo "== Summary"
awk -v g="$crc_gbps" 'BEGIN { printf "FileCrc32 on 1 GiB under Wine: %.2f GB/s (target >= 8): %s\n", g, (g >= 8 ? "ok" : "MISSED") }'
awk -v p="$path_seconds" -v c="$cmp_best" 'BEGIN {
  r = p / c
  printf "Compare path %.3f s, cmp %.3f s, ratio %.2f (target <= 2): %s\n", p, c, r, (r <= 2 ? "ok" : "MISSED")
}'
[ "$(value compare_path_identical)" = 1 ] || { echo "bench: the identical pair was not found identical"; exit 1; }
