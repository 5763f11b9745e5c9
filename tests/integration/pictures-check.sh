#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every picture the window loads is in the resource file, with its double-size variant,
# at the right size and with an alpha channel:
#   pictures-check.sh PICTURES_DIR
set -euo pipefail
dir=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# Width, height and colour type of a PNG file, from its IHDR chunk.
png_header() {
  set -- $(od -An -tu1 -j16 -N10 "$1" | tr -s ' \n' ' ')
  local width=$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))
  local height=$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))
  echo "${width}x${height} type ${10}"
}

check() {
  local name=$1 size=$2
  for variant in "$name.png:$size" "$name@2x.png:$((size * 2))"; do
    local file=${variant%%:*} pixels=${variant#*:}
    [ -s "$dir/$file" ] || fail "$file is missing"
    grep -q "<file>$file</file>" "$dir/pictures.qrc" || fail "$file is not in pictures.qrc"
    # Colour type 6 is RGBA: real transparency, no colour key.
    [ "$(png_header "$dir/$file")" = "${pixels}x${pixels} type 6" ] \
      || fail "$file is $(png_header "$dir/$file"), expected ${pixels}x${pixels} type 6"
  done
}

check program-icon 32
check tab-television 16
check tab-radio 16
for kind in television radio; do
  for picture in provider channel channel-selected channel-scrambled; do
    check "$kind-$picture" 16
  done
done
check drag-provider 32
check drag-channel 32
echo "ok: every picture is there at 1x and 2x"
