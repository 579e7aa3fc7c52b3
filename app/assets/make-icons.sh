#!/usr/bin/env bash
# Draws the program's icon for the desktop's icon theme: dorvak.svg, the rising sun on an olive
# tile of the 32 x 32 window icon (make-pictures.sh) as a scalable drawing, and its renderings
# at the theme's fixed sizes in icons/. Needs rsvg-convert (librsvg2-bin); its PNGs carry no
# time stamps, so every run gives the same files.
set -euo pipefail
cd "$(dirname "$0")"
. ./palette.sh

# The same shapes as the window icon on its 32-pixel grid: the tile with rounded corners, the
# sun cut by the dark band of the ground, and the khaki horizon line.
cat >dorvak.svg <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect width="32" height="32" rx="6" fill="$olive"/>
  <circle cx="16.5" cy="21.5" r="10" fill="$sun"/>
  <path d="M0 21H32V26A6 6 0 0 1 26 32H6A6 6 0 0 1 0 26Z" fill="$olive_dark"/>
  <rect x="1" y="21" width="30" height="2" fill="$khaki"/>
</svg>
SVG

mkdir -p icons
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" dorvak.svg --output "icons/dorvak-$size.png"
done
