#!/usr/bin/env bash
# Benchmark of the language library's reader: builds the cross build's
# language_reader_bench and runs it under Wine. It generates a 24 MB language
# file as UTF-16LE and as GBK, reads each through KXM_Language.dll and, in the
# same run, splits the same bytes into lines the plain way. One line per figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$BUILD_DIR/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$BUILD_DIR/win" --target language_reader_bench -j "${JOBS:-2}" >/dev/null
"$root/scripts/wine-prefix.sh"
echo "language_reader: machine $(uname -m), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, Wine $(wine --version 2>/dev/null)"
"$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" "$BUILD_DIR/win/bin/language_reader_bench.exe" | tr -d '\r'
