#!/usr/bin/env bash
# Creates the Wine prefix once: 96 DPI and a virtual desktop, so that Wine draws
# every window frame itself and pictures are the same on every machine.
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
# Wine's own fonts (Tahoma, MS Sans Serif, Marlett for the caption buttons)
# come in Debian's fonts-wine package but are not put into a new prefix; the
# system would otherwise stand in other faces for them.
install_fonts() {
  cp -n /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
}
if [ -f "$prefix/.pvx-ready" ]; then
  install_fonts
  exit 0
fi
wineboot -i >/dev/null 2>&1
install_fonts
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
     /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -w
touch "$prefix/.pvx-ready"
