#!/bin/sh
# Renders the application icon into the PNG sizes that the hicolor icon theme installs. The PNGs
# are kept in the repository so that a build needs no SVG renderer.
# Needs rsvg-convert: apt-get install librsvg2-bin
set -e
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "icons/varnwick-$size.png" ../../src/ui/qt/res/varnwick.svg
done
