# Sourced by every script that runs Windows binaries: one prefix in the build
# folder, no Mono or Gecko prompts, no debug noise, no debugger that would
# wait for ever on a crashed program, nothing from WINEPATH.
: "${BUILD_DIR:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export WINEPREFIX="$BUILD_DIR/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
unset WINEPATH
