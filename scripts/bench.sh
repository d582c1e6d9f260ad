#!/usr/bin/env bash
# make bench: every benchmark, one table.
exec "$(dirname "$0")/../bench/bench.sh" "$@"
