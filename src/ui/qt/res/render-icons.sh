#!/bin/sh
# Renders the drawn SVG icons into the PNG files the program loads (Qt reads PNG without plugins).
# Needs ImageMagick: apt-get install imagemagick
set -e
cd "$(dirname "$0")"
for svg in *.svg; do
  /usr/bin/convert -background none "$svg" "PNG32:${svg%.svg}.png"
done
