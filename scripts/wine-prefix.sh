#!/usr/bin/env bash
# Creates the Wine prefix once, up front, before any test uses it: a 32-bit
# prefix with Arial mapped to a metric-compatible font and a Chinese font
# linked in for glyphs that Arial lacks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
stamp="$WINEPREFIX/.tablora-ready"
[ -f "$stamp" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot --init >/dev/null 2>&1 || true
wineserver -w
reg=$(mktemp --suffix=.reg)
cjk='wqy-microhei.ttc,WenQuanYi Micro Hei'
{
  printf 'Windows Registry Editor Version 5.00\n\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
  printf '"Arial"="Liberation Sans"\n"SimSun"="WenQuanYi Micro Hei"\n"Microsoft YaHei"="WenQuanYi Micro Hei"\n\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\n'
  for f in "Arial" "Liberation Sans" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    printf '"%s"=hex(7):' "$f"
    printf '%s' "$cjk" | iconv -t UTF-16LE | od -An -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//'
    printf ',00,00,00,00\n'
  done
} > "$reg"
wine regedit "$reg" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$stamp"
