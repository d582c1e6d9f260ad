#!/usr/bin/env bash
# make bench: runs every benchmark of the product once and prints one table,
# each figure beside its comparison measured in the same run, with the
# machine named. The raw lines of each benchmark follow the table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
source "$root/scripts/wine-env.sh"
raw=$(mktemp)
trap 'rm -f "$raw"' EXIT

"$root/bench/status_to_pixels.sh" >>"$raw" 2>&1 || echo "status_to_pixels: failed" >>"$raw"
"$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" "$BUILD_DIR/win/bin/startup_idle_bench.exe" \
  2>&1 | tr -d '\r' >>"$raw" || echo "startup_idle: failed" >>"$raw"
"$root/bench/language_reader.sh" >>"$raw" 2>&1 || echo "language_reader: failed" >>"$raw"
"$root/bench/install_time.sh" >>"$raw" 2>&1 || echo "install_time: failed" >>"$raw"

machine="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, Debian $(cat /etc/debian_version), $(wine --version)"
python3 "$root/bench/table.py" "$machine" <"$raw"
echo
echo "Raw lines:"
grep -v '^$' "$raw"
