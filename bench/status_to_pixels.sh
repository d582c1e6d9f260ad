#!/usr/bin/env bash
# Times the board's path from a stored snapshot to pixels on screen at
# 800 x 600 and 1920 x 1080, beside a bare full-window block transfer of the
# same size in the same run. Prints one line per figure, after the machine.
# Needs the cross build (make win) and the prefix (make prefix).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
source "$root/scripts/wine-env.sh"
bin=$BUILD_DIR/win/bin
[ -x "$bin/status_to_pixels_bench.exe" ] || { echo "status_to_pixels: build first (make win)" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$bin"/status_to_pixels_bench.exe "$bin"/*.dll "$scratch/"
cp "$root"/data/cfg.ini "$root"/data/tlrc_lang_*.ini "$scratch/"

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores, $(wine --version), $( [ -n "${DISPLAY:-}" ] && echo "display $DISPLAY" || echo Xvfb)"
cd "$scratch"
"$root/scripts/with-display.sh" bash -c 'wine status_to_pixels_bench.exe; wineserver -w' | tr -d '\r'
