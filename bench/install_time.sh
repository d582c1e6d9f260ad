#!/usr/bin/env bash
# Wall time of one installation (click on the start button to the final
# message) beside the 1.0 s floor of the worker's ten 100 ms pauses, measured
# by a driver program under Wine into the prefix's default folder. One line.
# Needs the cross build (make win) and the prefix (make prefix).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
bench=$BUILD_DIR/win/bin/installer_bench.exe
[ -x "$bench" ] || { echo "install_time: build first (make win)" >&2; exit 1; }
machine="$(uname -m), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(wine --version 2>/dev/null)"
line=$("$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" "$bench" | tr -d '\r' | grep '^install_time:')
echo "$line; machine $machine"
