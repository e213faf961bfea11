#!/usr/bin/env bash
# Runs the installer tests in a Wine prefix made afresh for the run, beside the
# program unpacked from the portable zip, and stops that prefix's Wine server
# afterwards, so that no installation outlives the run or reaches another prefix.
# Wine's builtins that a bare Windows lacks (wine-only-dlls.txt) are switched
# off for the run, so a program that needs one fails here as on Windows.
# Usage: run-in-fresh-prefix.sh PREFIX ZIP UNZIPPED_DIR TESTS.exe [ARGS...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 zip=$2 unzipped=$3
shift 3
rm -rf "$prefix" "$prefix.lock" "$unzipped"
python3 -m zipfile -e "$zip" "$unzipped"
export WINEPREFIX=$prefix
wine_only=$(sed 's/#.*//' "$here/wine-only-dlls.txt" | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
export PVX_WINE_DLL_OVERRIDES="$wine_only=d"
trap 'wineserver -k 2>/dev/null || true' EXIT
"$here/../../scripts/wine-exec.sh" "$prefix" "$@"
