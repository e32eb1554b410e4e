#!/usr/bin/env bash
# Packs square PNG pictures into one Windows icon file, each stored as PNG (which Windows reads
# since Vista), so the installer shows the same pictures as the Linux menu entry.
#   png-to-ico.sh OUTPUT.ico PNG...
set -euo pipefail
output=$1
shift

# Little-endian 16- and 32-bit numbers as printf escapes.
u16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)); }
u32() { printf '%s%s' "$(u16 $(($1 & 65535)))" "$(u16 $(($1 >> 16)))"; }
# Width from the PNG's IHDR chunk; an icon entry writes 256 as 0.
png_width() { od -An -tu1 -j16 -N4 "$1" | awk '{ print $3 * 256 + $4 }'; }

header=$(u16 0)$(u16 1)$(u16 $#)
offset=$((6 + 16 * $#))
entries=
for png in "$@"; do
  width=$(png_width "$png")
  [ "$width" -le 256 ] || { echo "png-to-ico: $png is wider than 256 pixels" >&2; exit 1; }
  size=$(stat -c %s "$png")
  entries+=$(printf '\\x%02x\\x%02x' $((width & 255)) $((width & 255)))'\x00\x00'$(u16 1)$(u16 32)$(u32 "$size")$(u32 "$offset")
  offset=$((offset + size))
done
{ printf "$header$entries"; cat "$@"; } >"$output.tmp"
mv "$output.tmp" "$output"
