#!/bin/sh
# Converts the Linux program's drawn pictures into the resources of the Windows program: the two
# image strips as 24-bit bitmaps over their transparent colours (magenta for the check boxes, white
# for the member icons), and the program icon at 16, 32 and 48 pixels.
# Needs ImageMagick: apt-get install imagemagick
set -e
cd "$(dirname "$0")"
qt=../../qt/res
strip() {
  background=$1 out=$2
  shift 2
  /usr/bin/convert "$@" -background "$background" +append -alpha remove -alpha off -type TrueColor "BMP3:$out"
}
strip '#ff00ff' checks.bmp $qt/check0.png $qt/check1.png $qt/check2.png
strip white members.bmp $qt/member0.png $qt/member1.png $qt/member2.png $qt/member3.png $qt/member4.png $qt/member5.png
/usr/bin/convert -background none $qt/varnwick.svg -define icon:auto-resize=48,32,16 varnwick.ico
