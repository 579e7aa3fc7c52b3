#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick: khaki and olive, a dawn over hills (the "şafak"
# the program counts down to). Fixed seeds and stripped metadata make every run give the same files.
# Each picture is drawn twice: at its own size, and from the same shapes at twice its size as
# <name>@2x.<suffix>, which screens above 1× show instead of the 1× pixels magnified.
set -euo pipefail
cd "$(dirname "$0")"
. ./palette.sh

# A low-contrast camouflage texture: blurred plasma cut into four olive and khaki tones.
# At 2× the same blurred field, sampled finer, is cut into its tones at the finer grid.
camouflage() { # width height seed output
    local finer=()
    ((s == 1)) || finer=(-resize "$((100 * s))%")
    convert -size "$1x$2" -seed "$3" plasma:fractal -blur 0x9 "${finer[@]}" -colorspace gray -auto-level \
        -posterize 4 \( -size 1x4 xc:"$olive_dark" xc:"$olive" xc:'#8c8a55' xc:"$khaki" +append \) \
        -clut "$4"
}

# Main window background, 615 x 554: light khaki where the inputs are, an olive band behind the
# white second count row, a dawn over hills in the free middle, darker khaki at the bottom.
main_window_background() {
    camouflage 615 554 17 /tmp/dorvak-camo.png
    convert -size "$((615 * s))x$((554 * s))" gradient:"$khaki_light"-"$khaki" \
        /tmp/dorvak-camo.png -compose blend -define compose:args=18 -composite \
        -fill "$olive" -draw "${at}rectangle 0,201 615,236" \
        -fill "$olive_dark" -draw "${at}rectangle 0,236 615,238" \
        \( -size "$((615 * s))x$((228 * s))" gradient:'#e9d9a0'-'#f6c56b' \) -geometry "+0+$((284 * s))" -compose over -composite \
        -fill "$sun_light" -draw "${at}circle 300,430 300,352" \
        -fill "$sun" -draw "${at}circle 300,430 300,372" \
        -stroke "$sun" -strokewidth 3 \
        -draw "${at}line 300,340 300,318" -draw "${at}line 225,368 208,352" -draw "${at}line 375,368 392,352" \
        -draw "${at}line 190,410 168,404" -draw "${at}line 410,410 432,404" -stroke none \
        -fill "$olive" -draw "${at}path 'M 0,470 Q 120,400 250,452 T 470,440 T 615,430 L 615,512 L 0,512 Z'" \
        -fill "$olive_dark" -draw "${at}path 'M 0,492 Q 160,448 320,486 T 615,470 L 615,512 L 0,512 Z'" \
        -fill "$khaki" -draw "${at}rectangle 0,512 615,554" \
        -fill "$olive_dark" -draw "${at}rectangle 0,510 615,512" \
        -strip -quality 88 -sampling-factor 4:2:0 "form1-background$x.jpg"
}

# About banner, 600 x 198: the same dawn, wide.
about_banner() {
    convert -size "$((600 * s))x$((198 * s))" gradient:'#2b3550'-'#f2b25c' \
        -fill "$sun_light" -draw "${at}circle 300,150 300,84" \
        -fill "$sun" -draw "${at}circle 300,150 300,100" \
        -stroke "$sun_light" -strokewidth 2 \
        -draw "${at}line 300,70 300,40" -draw "${at}line 230,96 200,74" -draw "${at}line 370,96 400,74" \
        -draw "${at}line 196,134 160,126" -draw "${at}line 404,134 440,126" -stroke none \
        -fill "$olive" -draw "${at}path 'M 0,150 Q 140,110 300,146 T 600,130 L 600,198 L 0,198 Z'" \
        -fill "$olive_dark" -draw "${at}path 'M 0,172 Q 200,140 380,168 T 600,160 L 600,198 L 0,198 Z'" \
        -strip -quality 88 -sampling-factor 4:2:0 "about-banner$x.jpg"
}

# Program icon, 32 x 32: a rising sun on an olive tile.
program_icon() {
    convert -size "$((32 * s))x$((32 * s))" xc:none \
        -fill "$olive" -draw "${at}roundrectangle 0,0 31,31 6,6" \
        -fill "$sun" -draw "${at}circle 16,21 16,11" \
        -fill "$olive_dark" -draw "${at}roundrectangle 0,21 31,31 6,6" -draw "${at}rectangle 0,21 31,25" \
        -fill "$khaki" -draw "${at}rectangle 1,21 30,22" \
        -depth 8 -define png:exclude-chunks=date,time -strip "dorvak$x.png"
}

# About mark, 28 x 28: an hourglass in khaki, for the count running down.
about_mark() {
    convert -size "$((28 * s))x$((28 * s))" xc:none -fill "$khaki" -stroke "$olive_dark" -strokewidth 1 \
        -draw "${at}polygon 6,3 22,3 22,6 15,14 22,22 22,25 6,25 6,22 13,14 6,6" \
        -stroke none -fill "$sun" -draw "${at}polygon 10,22 18,22 14,17" \
        -depth 8 -define png:exclude-chunks=date,time -strip "about-mark$x.png"
}

# Start-up banner, 462 x 55, 24-bit: the dawn over hills once more, low and wide; the notice and
# the count stand on its right.
start_up_banner() {
    convert -size "$((462 * s))x$((55 * s))" gradient:'#2b3550'-'#f2b25c' \
        -fill "$sun_light" -draw "${at}circle 70,50 70,22" \
        -fill "$sun" -draw "${at}circle 70,50 70,30" \
        -stroke "$sun_light" -strokewidth 2 \
        -draw "${at}line 70,16 70,6" -draw "${at}line 40,26 32,18" -draw "${at}line 100,26 108,18" -stroke none \
        -fill "$olive" -draw "${at}path 'M 0,44 Q 90,30 190,42 T 462,36 L 462,55 L 0,55 Z'" \
        -fill "$olive_dark" -draw "${at}path 'M 0,50 Q 120,40 260,48 T 462,46 L 462,55 L 0,55 Z'" \
        -type TrueColor BMP3:"startup-banner$x.bmp"
}

# The blinking picture, 53 x 114, 24-bit: a sun-coloured arrow pointing at the page beside it,
# on camouflage.
start_up_blink() {
    camouflage 53 114 29 /tmp/dorvak-camo.png
    convert /tmp/dorvak-camo.png \
        -fill "$olive_dark" -draw "${at}rectangle 0,8 52,60" \
        -fill "$sun" -stroke "$sun_light" -strokewidth 2 \
        -draw "${at}polygon 6,34 26,16 26,27 46,27 46,41 26,41 26,52" -stroke none \
        -type TrueColor BMP3:"startup-blink$x.bmp"
}

# s is the scale and x the file name's mark. At 2× the affine doubles the 1× drawing, strokes
# and radii with it, so that its edges fall on whole device pixels; a rectangle, whose last row
# and column ImageMagick paints whole, ends one device pixel short of its 2 × 2 blocks.
for s in 1 2; do
    if ((s == 1)); then at='' x=''; else at='affine 2,0,0,2,0,0 ' x='@2x'; fi
    main_window_background
    about_banner
    program_icon
    about_mark
    start_up_banner
    start_up_blink
done
rm -f /tmp/dorvak-camo.png
