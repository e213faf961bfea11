#!/usr/bin/env bash
# Speed checks of the checksum and the Compare command; not part of the tests.
# Builds the benchmarks (natively without sanitizers in build/bench-native,
# and in build/win) and prints:
#   the speed of every CRC-32 method natively;
#   FileCrc32's speed on a cached 1 GiB file under Wine (target: at least 8 GB/s);
#   the Compare command through the real main window under Wine (paths typed,
#   Compare clicked, verdict read from the status line) on three pairs, against
#   GNU cmp on the same pair in the same run, with the process's peak working set:
#     two identical 1 GiB files in the page cache     (target: at most 0.6x cmp)
#     two 5 GiB sparse files differing in the last byte (target: at most 0.5x cmp)
#     two identical 5 GiB sparse files                  (target: at most 0.5x cmp)
#   Peak working set on the 5 GiB pairs: target under 256 MiB.
#   On the 1 GiB pair, what the window's answering and progress cost the two
#   passes (called straight, with and without them): target under 1 %.
# The 1 GiB pair lives in build/bench-data (made once, reused); the 5 GiB
# sparse files are made there for the run and deleted after it.
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
cmake --build "$root/build/win" --target pvx_filecrc32_bench pvx_compare_window_bench >/dev/null

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

# Three sparse 5 GiB files: s1 and s2 end in the same byte, s3 in another.
large=$((5 << 30))
s1=$data/sparse1.bin
s2=$data/sparse2.bin
s3=$data/sparse3.bin
trap 'rm -f "$s1" "$s2" "$s3"' EXIT
sparse() {
  rm -f "$1"
  truncate -s "$large" "$1"
  printf '%s' "$2" | dd of="$1" bs=1 seek=$((large - 1)) conv=notrunc status=none
}
sparse "$s1" a
sparse "$s2" a
sparse "$s3" b

# The machine's load, since every figure below falls with it.
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

echo "== CRC-32 methods, native"
"$native/bench/pvx_crc32_bench"

windows_path() { echo "Z:${1//\//\\}"; }
wine_run() {
  "$root/scripts/wine-exec.sh" "$root/build/win/wineprefix" "$@" | tr -d '\r'
}
value() { echo "$1" | awk -v k="$2" '$1 == k { $1 = ""; sub(/^ /, ""); print; exit }'; }

echo "== FileCrc32 under Wine (best of 5)"
cat "$a" >/dev/null  # warm the page cache
crc_results=$(wine_run "$root/build/win/bench/pvx_filecrc32_bench.exe" "$(windows_path "$a")")
echo "$crc_results"
crc_gbps=$(value "$crc_results" filecrc32_gbps)

# Best wall time of three runs of cmp on a pair, in seconds.
cmp_seconds() {
  local best=""
  for _ in 1 2 3; do
    local start=$EPOCHREALTIME
    cmp "$1" "$2" >/dev/null || true
    local end=$EPOCHREALTIME
    best=$(awk -v s="$start" -v e="$end" -v b="$best" \
      'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
  done
  echo "$best"
}

summary=()
wrong=0
# compare_pair NAME FILE1 FILE2 ROUNDS TARGET VERDICT [--progress-cost]: the
# window's best time against cmp's (best of three runs before and three after
# it), and the ratio; with --progress-cost also what progress costs.
compare_pair() {
  local name=$1 first=$2 second=$3 rounds=$4 target=$5 expected=$6 cost=${7:-}
  echo "== $name: Compare through the window (best of $rounds) against cmp (best of 3 before and after)"
  cat "$first" "$second" >/dev/null  # warm the page cache
  local before after results
  before=$(cmp_seconds "$first" "$second")
  results=$(wine_run "$root/build/win/bench/pvx_compare_window_bench.exe" \
    "$(windows_path "$first")" "$(windows_path "$second")" "$rounds" $cost)
  after=$(cmp_seconds "$first" "$second")
  echo "$results"
  local seconds peak verdict
  seconds=$(value "$results" best_seconds)
  peak=$(value "$results" peak_working_set_bytes)
  verdict=$(value "$results" verdict)
  echo "cmp_seconds before $before after $after"
  if [ "$verdict" != "Files are $expected (By File Size and CRC32 Check)" ]; then
    echo "bench: wrong verdict for the $name"
    wrong=1
  fi
  summary+=("$(awk -v n="$name" -v p="$seconds" -v x="$before" -v y="$after" -v t="$target" \
    -v w="$peak" -v v="$verdict" 'BEGIN {
      c = (x < y ? x : y); r = p / c
      printf "%s: %s; Compare %.3f s, cmp %.3f s, ratio %.2f (target <= %s): %s; peak working set %.1f MiB",
             n, v, p, c, r, t, (r <= t ? "ok" : "MISSED"), w / 1048576
    }')")
  if [ -n "$cost" ]; then
    summary+=("$(awk -v b="$(value "$results" passes_bare_seconds)" \
      -v q="$(value "$results" passes_with_progress_seconds)" 'BEGIN {
      c = (q - b) / b * 100
      printf "  progress on the passes: %.3f s without, %.3f s with, cost %.1f %% (target < 1 %%): %s",
             b, q, c, (c < 1 ? "ok" : "MISSED")
    }')")
  fi
}

compare_pair "identical 1 GiB pair" "$a" "$b" 5 0.6 Identical --progress-cost
compare_pair "5 GiB pair differing in the last byte" "$s1" "$s3" 3 0.5 "Not Identical"
compare_pair "identical 5 GiB pair" "$s1" "$s2" 3 0.5 Identical

echo "== Summary (load average now: $(cut -d' ' -f1-3 /proc/loadavg))"
awk -v g="$crc_gbps" 'BEGIN { printf "FileCrc32 on 1 GiB under Wine: %.2f GB/s (target >= 8): %s\n", g, (g >= 8 ? "ok" : "MISSED") }'
printf '%s\n' "${summary[@]}"
echo "Peak working set target on the 5 GiB pairs: under 256 MiB"
exit $wrong
