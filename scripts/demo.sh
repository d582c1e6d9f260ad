#!/usr/bin/env bash
# Shows the board fed by the host simulator. With a display the two programs
# run until the board is closed; without one they run under Xvfb, and the
# demo writes a screenshot and says where it is.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
bin="$BUILD_DIR/win/bin"
run="$BUILD_DIR/demo"
log="$run/host-requests.log"
if [ "${1:-}" != --shot ]; then
  rm -rf "$run"; mkdir -p "$run"
cp "$bin"/MarvonTablora.exe "$bin"/*.dll "$bin"/HostSimulator.exe "$run"/
cp "$here"/../data/tlrc_lang_*.ini "$run"/ 2>/dev/null || true
# The shipped configuration, with the board below the top edge of the screen.
{ printf '[disp_set]\r\nfont_size=32\r\ndisp_startx=10\r\ndisp_starty=40\r\n'
  printf 'disp_width=800\r\ndisp_height=600\r\nversion=1\r\nlanguage=%s\r\ntlr_version=TLR-DEMO-2604081\r\n' "${DEMO_LANGUAGE:-1}"
} > "$run/cfg.ini"
fi

demo() {
  cd "$run"
  wine HostSimulator.exe --interval 1500 --log "$(winepath -w "$log")" &
  host=$!
  # The board asks the host at start: let the host's window appear first.
  for _ in $(seq 1 100); do xdotool search --name 'Host simulator' >/dev/null 2>&1 && break; sleep 0.2; done
  wine MarvonTablora.exe &
  board=$!
  if [ "${1:-}" = shot ]; then
    # Let the host walk a few steps of its sequence, then take the picture.
    for _ in $(seq 1 60); do [ -s "$log" ] && break; sleep 0.5; done
    sleep "${DEMO_SECONDS:-8}"
    import -window root "$run/screen.png"
    convert "$run/screen.png" -crop 800x600+10+40 +repage "$run/board.png"
    wineserver -k || true
  else
    wait "$board" || true
    kill "$host" 2>/dev/null || true
    wineserver -k || true
  fi
}

if [ "${1:-}" = --shot ]; then
  demo shot
  exit 0
elif [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  demo
else
  xvfb-run -a -s "-screen 0 1280x720x24 -nolisten tcp" "$0" --shot
  echo "Board screenshot: $run/board.png (whole screen: $run/screen.png)"
fi
echo "The host simulator's log of the board's requests ($log):"
cat "$log" 2>/dev/null || echo "(no requests logged)"
