#!/usr/bin/env bash
# Runs a command on the display there is, or on a fresh Xvfb screen large
# enough for a full-HD board beside the primary screen's own area.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
exec xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" "$@"
