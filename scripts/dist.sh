#!/usr/bin/env bash
# Writes the shippable folder: MarvonTablora_Setup.exe with tablora_file/
# beside it (cfg.ini and the three language files from data/). Copied to a
# Windows PC, that folder is the product.
#   DIST_DIR   where to write it (default: dist/ at the repository root)
#   BUILD_DIR  the build that made the installer (default: build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${BUILD_DIR:=$root/build}"
dist=${DIST_DIR:-$root/dist}
setup=$BUILD_DIR/win/bin/MarvonTablora_Setup.exe
data_files=(cfg.ini tlrc_lang_ch.ini tlrc_lang_en.ini tlrc_lang_other.ini)

fail() { echo "dist: $*" >&2; exit 1; }
[ -f "$setup" ] || fail "$setup is missing (make win builds it)"
for name in "${data_files[@]}"; do
  [ -f "$root/data/$name" ] || fail "data/$name is missing"
done

# The text of a profile file, UTF-16LE (with its mark) or single-byte.
text_of() {
  if [ "$(head -c2 "$1" | od -An -tx1 | tr -d ' \n')" = "fffe" ]; then
    tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8
  else
    cat "$1"
  fi
}
# The board sends this version text to the host: it must be a real one.
version=$(text_of "$root/data/cfg.ini" | tr -d '\r' | sed -n 's/^tlr_version=//p' | head -n1)
[ -n "$version" ] && [ "$version" != "unknow" ] || fail "data/cfg.ini has no real tlr_version"

# Only the product's own entries are replaced; anything else in DIST_DIR stays.
mkdir -p "$dist"
rm -rf "$dist/tablora_file" "$dist/MarvonTablora_Setup.exe"
mkdir -p "$dist/tablora_file"
cp "$setup" "$dist/MarvonTablora_Setup.exe"
for name in "${data_files[@]}"; do
  cp "$root/data/$name" "$dist/tablora_file/$name"
done
echo "dist: $dist (MarvonTablora_Setup.exe $(stat -c %s "$dist/MarvonTablora_Setup.exe") bytes, tlr_version $version)"
