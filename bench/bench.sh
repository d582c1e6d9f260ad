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
# CPU time in clock ticks of the (first) process whose command line matches.
cpu_ticks() {
  local pid; pid=$(pgrep -f "$1" | head -n 1)
  [ -n "$pid" ] || { echo 0; return; }
  sed 's/.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}'
}
# Start-up and idle; the idle CPU of both programs is read from /proc
# between the benchmark's idle_begin and idle_end lines.
sampled=$(mktemp -u /tmp/tablora-idle-XXXXXX)
# Its Windows name through drive Z: (no Wine program may start before the
# display is there).
export IDLE_SAMPLED_FILE="Z:${sampled//\//\\}"
"$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" "$BUILD_DIR/win/bin/startup_idle_bench.exe" 2>&1 |
while IFS= read -r line; do
  line=${line%$'\r'}
  case $line in
    idle_begin) b0=$(cpu_ticks 'MarvonTablora\.exe'); m0=$(cpu_ticks 'minimal_window\.exe'); t0=$(date +%s.%N) ;;
    idle_end)
      b1=$(cpu_ticks 'MarvonTablora\.exe'); m1=$(cpu_ticks 'minimal_window\.exe'); t1=$(date +%s.%N)
      touch "$sampled"
      hz=$(getconf CLK_TCK)
      awk -v b="$((b1 - b0))" -v m="$((m1 - m0))" -v hz="$hz" -v t0="$t0" -v t1="$t1" 'BEGIN {
        t = t1 - t0
        printf "idle_board_cpu_percent: %.3f\nidle_minimal_cpu_percent: %.3f\n", 100 * b / hz / t, 100 * m / hz / t }' ;;
    *) echo "$line" ;;
  esac
done >>"$raw" || echo "startup_idle: failed" >>"$raw"
rm -f "$sampled"
"$root/bench/language_reader.sh" >>"$raw" 2>&1 || echo "language_reader: failed" >>"$raw"
"$root/bench/install_time.sh" >>"$raw" 2>&1 || echo "install_time: failed" >>"$raw"

machine="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, Debian $(cat /etc/debian_version), $(wine --version)"
python3 "$root/bench/table.py" "$machine" <"$raw"
echo
echo "Raw lines:"
grep -v '^$' "$raw"
