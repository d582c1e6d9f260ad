#!/usr/bin/env bash
# Runs one Windows test program under Wine in the build's prefix, on the
# display that the caller provides (make test runs everything under Xvfb).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
"$here/wine-prefix.sh"
exe=$(readlink -f "$1"); shift
cd "$(dirname "$exe")"
status=0
wine "$exe" "$@" || status=$?
exit $status
