#!/usr/bin/env bash
# Fuzzes the platform-free readers with libFuzzer in a clang build of its own
# ($BUILD_DIR/fuzz). `short` (part of make test) runs every target for a
# bounded time; `long` (make fuzz) runs each for FUZZ_SECONDS (default 1800).
# Seeds come from tests/fuzz/corpus/<target>/; what the fuzzer learns stays in
# the build folder. A crashing input is kept in $BUILD_DIR/fuzz/artifacts/ and
# belongs, once fixed, in a native test as a regression case.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${BUILD_DIR:=$root/build}"
mode=${1:-short}
case $mode in
  short) seconds=${FUZZ_SECONDS:-20} ;;
  long) seconds=${FUZZ_SECONDS:-1800} ;;
  *) echo "usage: $0 short|long" >&2; exit 2 ;;
esac

out=$BUILD_DIR/fuzz
cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABLORA_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build "$out" --target fuzz_targets -j "${JOBS:-2}"

status=0
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  [ -e "$source" ] || continue
  name=$(basename "$source" .cpp)
  work=$out/corpus/$name
  artifacts=$out/artifacts/$name/
  mkdir -p "$work" "$artifacts"
  seeds=()
  [ -d "$root/tests/fuzz/corpus/$name" ] && seeds=("$root/tests/fuzz/corpus/$name")
  log=$out/$name.log
  if "$out/fuzz-bin/$name" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=1024 \
      -print_final_stats=1 -artifact_prefix="$artifacts" "$work" "${seeds[@]}" >"$log" 2>&1; then
    echo "fuzz $name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs in ${seconds}s, no failure"
  else
    echo "fuzz $name: FAILED (input kept in $artifacts, log $log)"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
