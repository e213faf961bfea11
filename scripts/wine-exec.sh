#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix.
# Usage: wine-exec.sh PREFIX PROGRAM.exe [ARGS...]
# Without a display it runs on a private Xvfb server. Wine's menu builder is
# off: shortcuts made in the prefix (by an installer under test) must not
# become entries of the Linux desktop's menus.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1; shift
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ -z "${DISPLAY:-}" ]; then
  exec "$here/with-display.sh" "$0" "$prefix" "$@"
fi
"$here/wine-prefix.sh" "$prefix"
exec wine "$@"
