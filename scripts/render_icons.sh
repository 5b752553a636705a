#!/bin/sh
# Renders resources/kivra32.svg into the PNG sizes kept beside it (needs librsvg2-bin).
# Run it after editing the SVG and commit the PNGs with it.
set -eu
cd "$(dirname "$0")/../resources"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" kivra32.svg --output "icons/kivra32-$size.png"
done
