#!/bin/sh
# Draws the shipped page themes into data/themes/ with ImageMagick: for each theme NAME a
# background tile (t_), a divider line (l_), left, right, up and down arrows (w_, e_, n_, s_) and
# a question mark (q_), all GIFs. Run from anywhere; the GIFs are committed, so the build does not
# need ImageMagick.
set -eu
out="$(cd "$(dirname "$0")/../.." && pwd)/data/themes"
mkdir -p "$out"

# theme  page tint  pattern tint  dark  light
theme() {
    name=$1 page=$2 pattern=$3 dark=$4 light=$5

    # A seamless tile: a soft diamond lattice over the page tint.
    convert -size 96x96 "xc:$page" -fill none -stroke "$pattern" -strokewidth 2 \
        -draw "line 0,48 48,0" -draw "line 48,0 96,48" -draw "line 96,48 48,96" -draw "line 48,96 0,48" \
        -fill "$pattern" -stroke none -draw "circle 48,48 48,44" -draw "circle 0,0 0,4" \
        -draw "circle 96,0 96,4" -draw "circle 0,96 0,100" -draw "circle 96,96 96,100" \
        "$out/t_$name.gif"

    # A divider with a bead in its middle.
    convert -size 400x10 xc:none -fill "$dark" -draw "roundrectangle 0,3 399,6 2,2" \
        -fill "$light" -draw "line 0,4 399,4" -fill "$dark" -draw "circle 200,5 200,0" "$out/l_$name.gif"

    button() {
        convert -size 40x40 xc:none -fill "$dark" -draw "roundrectangle 1,1 38,38 9,9" \
            -fill "$light" -draw "roundrectangle 4,4 35,35 7,7" \
            -fill "$dark" -draw "polygon $2" "$out/$1"
    }
    button "w_$name.gif" "10,20 21,9 21,16 30,16 30,24 21,24 21,31"
    button "e_$name.gif" "30,20 19,9 19,16 10,16 10,24 19,24 19,31"
    button "n_$name.gif" "20,10 31,21 24,21 24,30 16,30 16,21 9,21"
    button "s_$name.gif" "20,30 31,19 24,19 24,10 16,10 16,19 9,19"
    convert -size 40x40 xc:none -fill "$dark" -draw "circle 20,20 20,1" -fill "$light" -draw "circle 20,20 20,4" \
        -fill "$dark" -font DejaVu-Sans-Bold -pointsize 24 -gravity center -annotate +0+1 "?" "$out/q_$name.gif"
}

theme blue "#eef4fb" "#d5e4f5" "#1f4e8c" "#a9c8ee"
theme garden "#f1f7ec" "#dcebd0" "#2f6b2a" "#b8dca4"
theme sunset "#fdf3e7" "#f6dfc4" "#a4431c" "#f4c08c"
