#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hand-drawn SVG icons (the program's, and the lesson files') into
# the PNG sizes that are committed beside them (and installed to the hicolor
# theme). Run again after any change to an SVG:
#     packaging/icons/render-icons.sh
# Needs rsvg-convert (Debian package librsvg2-bin) and ImageMagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/org.systemesregulation.SystemesRegulation.svg"
lesson="$here/application-x-systemes-regulation-seance.svg"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$here/icon-$size.png" "$svg"
    rsvg-convert --width "$size" --height "$size" --output "$here/seance-$size.png" "$lesson"
done
# The web page's, as the browsers' install prompts and home screens ask.
for size in 192 512; do
    rsvg-convert --width "$size" --height "$size" --output "$here/icon-$size.png" "$svg"
done
# The Windows program's icon holds every size (ImageMagick, package imagemagick).
convert "$here"/icon-16.png "$here"/icon-32.png "$here"/icon-48.png "$here"/icon-64.png \
    "$here"/icon-128.png "$here"/icon-256.png "$here/icon.ico"
convert "$here"/seance-16.png "$here"/seance-32.png "$here"/seance-48.png "$here"/seance-64.png \
    "$here"/seance-128.png "$here"/seance-256.png "$here/seance.ico"
