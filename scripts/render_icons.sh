#!/bin/sh
# Renders resources/kivra32.svg into the PNG sizes kept beside it and the Windows icon (needs
# librsvg2-bin and imagemagick).
# Run it after editing the SVG and commit the PNGs with it.
set -eu
cd "$(dirname "$0")/../resources"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" kivra32.svg --output "icons/kivra32-$size.png"
done
# The Windows executable's icon, from the same pictures.
convert icons/kivra32-16.png icons/kivra32-32.png icons/kivra32-48.png icons/kivra32-256.png kivra32.ico
