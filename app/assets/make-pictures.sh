#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick: khaki and olive, a dawn over hills (the "şafak"
# the program counts down to). Fixed seeds and stripped metadata make every run give the same files.
set -euo pipefail
cd "$(dirname "$0")"
. ./palette.sh

# A low-contrast camouflage texture: blurred plasma cut into four olive and khaki tones.
camouflage() { # width height seed output
    convert -size "$1x$2" -seed "$3" plasma:fractal -blur 0x9 -colorspace gray -auto-level \
        -posterize 4 \( -size 1x4 xc:"$olive_dark" xc:"$olive" xc:'#8c8a55' xc:"$khaki" +append \) \
        -clut "$4"
}

# Main window background, 615 x 554: light khaki where the inputs are, an olive band behind the
# white second count row, a dawn over hills in the free middle, darker khaki at the bottom.
camouflage 615 554 17 /tmp/dorvak-camo.png
convert -size 615x554 gradient:"$khaki_light"-"$khaki" \
    /tmp/dorvak-camo.png -compose blend -define compose:args=18 -composite \
    -fill "$olive" -draw "rectangle 0,201 615,236" \
    -fill "$olive_dark" -draw "rectangle 0,236 615,238" \
    \( -size 615x228 gradient:'#e9d9a0'-'#f6c56b' \) -geometry +0+284 -compose over -composite \
    -fill "$sun_light" -draw "circle 300,430 300,352" \
    -fill "$sun" -draw "circle 300,430 300,372" \
    -stroke "$sun" -strokewidth 3 \
    -draw "line 300,340 300,318" -draw "line 225,368 208,352" -draw "line 375,368 392,352" \
    -draw "line 190,410 168,404" -draw "line 410,410 432,404" -stroke none \
    -fill "$olive" -draw "path 'M 0,470 Q 120,400 250,452 T 470,440 T 615,430 L 615,512 L 0,512 Z'" \
    -fill "$olive_dark" -draw "path 'M 0,492 Q 160,448 320,486 T 615,470 L 615,512 L 0,512 Z'" \
    -fill "$khaki" -draw "rectangle 0,512 615,554" \
    -fill "$olive_dark" -draw "rectangle 0,510 615,512" \
    -strip -quality 88 -sampling-factor 4:2:0 form1-background.jpg

# About banner, 600 x 198: the same dawn, wide.
convert -size 600x198 gradient:'#2b3550'-'#f2b25c' \
    -fill "$sun_light" -draw "circle 300,150 300,84" \
    -fill "$sun" -draw "circle 300,150 300,100" \
    -stroke "$sun_light" -strokewidth 2 \
    -draw "line 300,70 300,40" -draw "line 230,96 200,74" -draw "line 370,96 400,74" \
    -draw "line 196,134 160,126" -draw "line 404,134 440,126" -stroke none \
    -fill "$olive" -draw "path 'M 0,150 Q 140,110 300,146 T 600,130 L 600,198 L 0,198 Z'" \
    -fill "$olive_dark" -draw "path 'M 0,172 Q 200,140 380,168 T 600,160 L 600,198 L 0,198 Z'" \
    -strip -quality 88 -sampling-factor 4:2:0 about-banner.jpg

# Program icon, 32 x 32: a rising sun on an olive tile.
convert -size 32x32 xc:none \
    -fill "$olive" -draw "roundrectangle 0,0 31,31 6,6" \
    -fill "$sun" -draw "circle 16,21 16,11" \
    -fill "$olive_dark" -draw "roundrectangle 0,21 31,31 6,6" -draw "rectangle 0,21 31,25" \
    -fill "$khaki" -draw "rectangle 1,21 30,22" \
    -depth 8 -define png:exclude-chunks=date,time -strip dorvak.png

# About mark, 28 x 28: an hourglass in khaki, for the count running down.
convert -size 28x28 xc:none -fill "$khaki" -stroke "$olive_dark" -strokewidth 1 \
    -draw "polygon 6,3 22,3 22,6 15,14 22,22 22,25 6,25 6,22 13,14 6,6" \
    -stroke none -fill "$sun" -draw "polygon 10,22 18,22 14,17" \
    -depth 8 -define png:exclude-chunks=date,time -strip about-mark.png

# Start-up banner, 462 x 55, 24-bit: the dawn over hills once more, low and wide; the notice and
# the count stand on its right.
convert -size 462x55 gradient:'#2b3550'-'#f2b25c' \
    -fill "$sun_light" -draw "circle 70,50 70,22" \
    -fill "$sun" -draw "circle 70,50 70,30" \
    -stroke "$sun_light" -strokewidth 2 \
    -draw "line 70,16 70,6" -draw "line 40,26 32,18" -draw "line 100,26 108,18" -stroke none \
    -fill "$olive" -draw "path 'M 0,44 Q 90,30 190,42 T 462,36 L 462,55 L 0,55 Z'" \
    -fill "$olive_dark" -draw "path 'M 0,50 Q 120,40 260,48 T 462,46 L 462,55 L 0,55 Z'" \
    -type TrueColor BMP3:startup-banner.bmp

# The blinking picture, 53 x 114, 24-bit: a sun-coloured arrow pointing at the page beside it,
# on camouflage.
camouflage 53 114 29 /tmp/dorvak-camo.png
convert /tmp/dorvak-camo.png \
    -fill "$olive_dark" -draw "rectangle 0,8 52,60" \
    -fill "$sun" -stroke "$sun_light" -strokewidth 2 \
    -draw "polygon 6,34 26,16 26,27 46,27 46,41 26,41 26,52" -stroke none \
    -type TrueColor BMP3:startup-blink.bmp

rm -f /tmp/dorvak-camo.png
