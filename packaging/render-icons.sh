#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its drawing (run after changing the SVG; the PNGs are
# kept in the repository so a build needs no SVG renderer).
set -euo pipefail
dir=$(cd "$(dirname "$0")/../src/res/desktop" && pwd)
for size in 16 32 48 64 128 256; do
    convert -background none -density 384 "$dir/hearthstead.svg" -resize "${size}x${size}" \
        -depth 8 -strip "PNG32:$dir/hearthstead-$size.png"
done
