#!/bin/sh
# Renders the splash picture and the program icon from their SVG sources.
# The outputs are committed, so a build never needs these tools; run this only
# after editing an SVG. Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The splash window shows a 254 by 254 colour JPEG. No chroma subsampling:
# the thin yellow lettering on the dark band smears with 4:2:0.
rsvg-convert -w 254 -h 254 splash.svg -o "$tmp/splash.png"
convert "$tmp/splash.png" -strip -sampling-factor 1x1 -quality 92 splash.jpg

# The window icon is 32 by 32 with 256 colours; the larger sizes are for a
# desktop theme.
rsvg-convert -w 32 -h 32 icon.svg -o "$tmp/icon-32.png"
convert "$tmp/icon-32.png" -strip -colors 256 PNG8:icon-32.png
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" icon.svg -o "$tmp/icon.png"
    convert "$tmp/icon.png" -strip "icon-$size.png"
done
