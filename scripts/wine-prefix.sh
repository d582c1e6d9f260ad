#!/usr/bin/env bash
# Creates the Wine prefix once, up front, before any test uses it: a 32-bit
# prefix with Arial mapped to a metric-compatible font and a Chinese font
# linked in for glyphs that Arial lacks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
stamp="$WINEPREFIX/.tablora-ready"
# Bump when the settings below change, so that existing prefixes get them.
settings_version=3
settings_stamp="$WINEPREFIX/.tablora-settings"
[ -f "$stamp" ] && [ "$(cat "$settings_stamp" 2>/dev/null)" = "$settings_version" ] && exit 0
if [ ! -f "$stamp" ]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  reg=$(mktemp --suffix=.reg)
  {
    printf 'Windows Registry Editor Version 5.00\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
    printf '"Arial"="Liberation Sans"\n"SimSun"="WenQuanYi Micro Hei"\n"Microsoft YaHei"="WenQuanYi Micro Hei"\n'
  } > "$reg"
  wine regedit "$reg" >/dev/null 2>&1
  wineserver -w
  rm -f "$reg"
  touch "$stamp"
fi
# Font links, written as text with reg (regedit reads a .reg file without a
# byte-order mark as ANSI and would widen every byte of UTF-16 hex data).
# Wine looks links up by the chosen face's name, so the bold face that the
# board's bold Arial resolves to needs its own entry.
link_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Arial" "Arial Bold" "Liberation Sans" "Liberation Sans Bold" "Tahoma" "MS Shell Dlg" \
            "MS Shell Dlg 2" "Microsoft Sans Serif"; do
  wine reg add "$link_key" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
done
# Windows are not handed to a window manager: under Xvfb there is none, and
# Wine would wait about two seconds for it each time a window is hidden.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w
echo "$settings_version" > "$settings_stamp"
