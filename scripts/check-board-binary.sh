#!/usr/bin/env bash
# Checks what ships as the board program: a 32-bit Windows GUI program that
# imports the shared C++ runtime and the language library by name, and
# carries its manifest, version block, icon and dialogs; and that the
# language library exports the four operations the board program calls.
#   check-board-binary.sh MarvonTablora.exe KXM_Language.dll
set -uo pipefail
exe=$1
library=$2
fail=0
check() { if ! grep -qE "$2" <<<"$3"; then echo "FAIL: $1"; fail=1; else echo "ok: $1"; fi; }

header=$(i686-w64-mingw32-objdump -p "$exe")
check "32-bit PE" 'Magic[[:space:]]+010b' "$header"
check "Windows GUI subsystem" 'Subsystem[[:space:]]+00000002' "$header"
for import in 'libstdc\+\+-6\.dll' 'libgcc_s_dw2-1\.dll' 'KXM_Language\.dll'; do
  check "imports $import" "DLL Name: $import" "$header"
done

resources=$(i686-w64-mingw32-windres -i "$exe" -O rc 2>/dev/null)
check "version block 10.26.4.8" 'FILEVERSION 10, 26, 4, 8' "$resources"
check "manifest" 'RT_MANIFEST' "$resources"
check "icon 128" '^128 14 /\* RT_GROUP_ICON' "$resources"
for dialog in 100 102 129; do
  check "dialog $dialog" "^$dialog DIALOGEX" "$resources"
done
manifest=$(strings -e l "$exe"; strings "$exe")
check "common controls 6 in the manifest" 'Microsoft.Windows.Common-Controls' "$manifest"
check "runs as invoker" 'level="asInvoker"' "$manifest"
check "DPI-aware" '<dpiAware[^>]*>true' "$manifest"
exports=$(i686-w64-mingw32-objdump -p "$library")
for operation in 'CIniUnicodeC1Ev' 'CIniUnicode25ReadTextFromFileBySection' 'CIniUnicode17GetOneSectionText' \
                 'CIniUnicode12ClearAllText'; do
  check "the library exports $operation" "\] _ZN11$operation" "$exports"
done
for operation in 'CIniUnicodeC1Ev' 'CIniUnicode25ReadTextFromFileBySection' 'CIniUnicode17GetOneSectionText' \
                 'CIniUnicode12ClearAllText'; do
  check "the board imports $operation" "_ZN11$operation" "$header"
done
exit $fail
