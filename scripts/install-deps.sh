#!/usr/bin/env bash
# Installs what building and testing the board product needs on Debian 12,
# and nothing that is already there. Safe to run again.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_updated=no
fi

for p in cmake make ninja-build g++ clang libclang-rt-14-dev googletest \
         g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev \
         wine wine32:i386 xvfb xauth xdotool imagemagick x11-utils \
         fonts-liberation fonts-wqy-microhei python3; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
