#!/usr/bin/env bash
# Writes the shipped language files data/tlrc_lang_*.ini from the readable
# UTF-8 texts here: UTF-16LE with the byte-order mark FF FE, CR LF line ends.
# Run it after editing a text; a native test checks that both agree.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for code in ch en other; do
  { printf '\xFF\xFE'; sed 's/$/\r/' "$here/tlrc_lang_$code.txt" | iconv -f UTF-8 -t UTF-16LE; } \
    > "$here/../../data/tlrc_lang_$code.ini"
done
