#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix.
# Usage: wine-exec.sh PREFIX PROGRAM.exe [ARGS...]
# Without a display it runs on a private Xvfb server. Wine's menu builder is
# off: shortcuts made in the prefix (by an installer under test) must not
# become entries of the Linux desktop's menus. PVX_WINE_DLL_OVERRIDES, when
# set, adds overrides of Wine's own syntax (the package tests switch off the
# builtins a bare Windows lacks).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1; shift
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${PVX_WINE_DLL_OVERRIDES:+;$PVX_WINE_DLL_OVERRIDES}"
if [ -z "${DISPLAY:-}" ]; then
  exec "$here/with-display.sh" "$0" "$prefix" "$@"
fi
"$here/wine-prefix.sh" "$prefix"
exec wine "$@"
