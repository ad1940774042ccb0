#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hand-drawn SVG icon into the PNG sizes that are committed beside it
# (and installed to the hicolor theme). Run again after any change to the SVG:
#     packaging/icons/render-icons.sh
# Needs rsvg-convert (Debian package librsvg2-bin) and ImageMagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/org.systemesregulation.SystemesRegulation.svg"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$here/icon-$size.png" "$svg"
done
# The Windows program's icon holds every size (ImageMagick, package imagemagick).
convert "$here"/icon-16.png "$here"/icon-32.png "$here"/icon-48.png "$here"/icon-64.png \
    "$here"/icon-128.png "$here"/icon-256.png "$here/icon.ico"
