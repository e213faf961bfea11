#!/usr/bin/env bash
# Installs the Debian packages the builds, the tests and the run need (idempotent)
# and configures the two builds: build/native (portable core, sanitizers) and
# build/win (mingw-w64, parivex.exe and the Windows tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake ninja-build g++ clang googletest zlib1g-dev
          mingw-w64 g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
          wine wine64 fonts-wine xvfb xauth x11-utils imagemagick
          wixl python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""; [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The desktop's trash, where Wine's recycle bin keeps deleted files. Wine
# deletes for good when it is missing, as on a fresh account.
trash="${XDG_DATA_HOME:-$HOME/.local/share}/Trash"
mkdir -p "$trash/files" "$trash/info"

build_type=${PVX_BUILD_TYPE:-RelWithDebInfo}
[ -f "$root/build/native/build.ninja" ] || \
  cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
[ -f "$root/build/win/build.ninja" ] || \
  cmake -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
