#!/usr/bin/env bash
# Draws the program icon (a rocket leaving a blue tile: the launcher) and
# the folder icon with ImageMagick, renders every size on its own so that
# small sizes stay sharp, and packs them with pack_ico.cpp:
#   Lumarel.ico  128, 96, 72, 64, 48, 32, 24, 16 px, 32-bit  (161,862 bytes)
#   Folder.ico    64, 48, 32, 16 px, 32-bit                  (32,038 bytes)
# The drawings use a 128-unit square; sizes of 24 px and below get a
# simpler rocket with thicker parts. Run it after changing a drawing and
# commit the ICO files: the build uses them as they are.
#   draw_icons.sh [OUTDIR]        (default: the folder of this script)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

c++ -std=c++17 -O2 -o "$work/pack_ico" "$here/pack_ico.cpp"

# The blue tile behind the rocket, with a light rim along its top.
tile() {  # SIZE OUT.png
    local n=$1 s
    s=$(awk "BEGIN{print $1/128}")
    convert -size "${n}x${n}" gradient:'#5FA0FF-#3B36C4' -alpha set \
        \( -size "${n}x${n}" xc:none -fill white \
           -draw "scale $s,$s roundrectangle 6,6 121,121 26,26" \) \
        -compose DstIn -composite \
        \( -size "${n}x${n}" xc:none -fill none -stroke '#FFFFFF50' -strokewidth "$(awk "BEGIN{print $n/64}")" \
           -draw "scale $s,$s roundrectangle 8,8 119,119 24,24" \) \
        -compose Over -composite "$2"
}

# The rocket, drawn pointing up and turned to point up and to the right.
rocket_mvg() {  # SIMPLE(0/1)
    echo "translate 64,66 rotate 45 translate -64,-64"
    if [ "$1" = 1 ]; then
        # flame, fins, body: the shapes only, a little wider
        echo "fill '#FFC23A' path 'M 50,84 C 50,100 58,110 64,122 C 70,110 78,100 78,84 Z'"
        echo "fill '#FF4F6A' path 'M 44,56 L 26,92 L 48,84 Z'"
        echo "fill '#FF4F6A' path 'M 84,56 L 102,92 L 80,84 Z'"
        echo "fill '#FFFFFF' path 'M 64,10 C 86,26 90,54 86,88 L 42,88 C 38,54 42,26 64,10 Z'"
        echo "fill '#2B3FB0' circle 64,50 64,60"
    else
        echo "fill '#FF9A2E' path 'M 51,84 C 50,98 57,108 64,120 C 71,108 78,98 77,84 Z'"
        echo "fill '#FFE27A' path 'M 57,84 C 57,94 60,101 64,108 C 68,101 71,94 71,84 Z'"
        echo "fill '#FF4F6A' path 'M 47,58 C 36,64 30,76 30,92 L 48,82 Z'"
        echo "fill '#FF4F6A' path 'M 81,58 C 92,64 98,76 98,92 L 80,82 Z'"
        echo "fill '#C8D0EE' rectangle 50,80 78,88"
        echo "fill '#FFFFFF' path 'M 64,14 C 82,28 86,52 82,82 L 46,82 C 42,52 46,28 64,14 Z'"
        echo "fill '#DCE3FA' path 'M 64,14 C 82,28 86,52 82,82 L 72,82 C 75,52 73,30 64,14 Z'"
        echo "fill '#FF4F6A' path 'M 64,14 C 70,19 74,24 77,30 L 51,30 C 54,24 58,19 64,14 Z'"
        echo "fill '#2B3FB0' stroke '#C8D0EE' stroke-width 4 circle 64,50 64,60"
        echo "fill '#7FB2FF' stroke none circle 61,47 61,50"
        echo "fill '#FF4F6A' rectangle 62,66 66,82"
    fi
}

program_picture() {  # SIZE OUT.rgba
    local n=$1 s simple=0
    s=$(awk "BEGIN{print $1/128}")
    [ "$n" -le 24 ] && simple=1
    tile "$n" "$work/tile.png"
    {
        echo "scale $s,$s"
        rocket_mvg "$simple"
    } >"$work/rocket.mvg"
    # a soft shadow of the rocket on the tile, then the rocket
    convert -size "${n}x${n}" xc:none -draw "$(cat "$work/rocket.mvg")" "$work/rocket.png"
    local off
    off=$(awk "BEGIN{printf \"%d\", $n/40}")
    convert "$work/rocket.png" -alpha extract -blur "0x$(awk "BEGIN{print $n/48}")" \
        -background '#0A1040' -alpha shape -channel A -evaluate multiply 0.45 +channel \
        "$work/shadow.png"
    # Atop keeps the tile's own outline; the shadow stays inside it.
    convert "$work/tile.png" "$work/shadow.png" -geometry "+$off+$off" -compose Atop -composite \
        "$work/rocket.png" -compose Over -composite \
        -depth 8 "RGBA:$2"
}

folder_picture() {  # SIZE OUT.rgba
    local n=$1 s
    s=$(awk "BEGIN{print $1/128}")
    convert -size "${n}x${n}" xc:none -draw "scale $s,$s
        fill '#C9861A' path 'M 8,30 Q 8,22 16,22 L 48,22 Q 53,22 56,26 L 61,32 L 112,32 Q 120,32 120,40 L 120,104 Q 120,110 114,110 L 14,110 Q 8,110 8,104 Z'
        fill '#FFF6DA' path 'M 16,38 L 112,38 L 112,60 L 16,60 Z'
        fill '#F6B630' path 'M 4,52 Q 4,44 12,44 L 116,44 Q 124,44 124,52 L 120,104 Q 120,112 112,112 L 16,112 Q 8,112 8,104 Z'
        fill '#FFD766' path 'M 4,52 Q 4,44 12,44 L 116,44 Q 124,44 124,52 L 123.5,58 L 4.5,58 Z'
        fill '#E0A020' path 'M 8,104 L 120,104 Q 120,112 112,112 L 16,112 Q 8,112 8,104 Z'" \
        -depth 8 "RGBA:$2"
}

args=()
for n in 128 96 72 64 48 32 24 16; do
    program_picture "$n" "$work/program$n.rgba"
    args+=("$n:$work/program$n.rgba")
done
"$work/pack_ico" "$out/Lumarel.ico" "${args[@]}"

args=()
for n in 64 48 32 16; do
    folder_picture "$n" "$work/folder$n.rgba"
    args+=("$n:$work/folder$n.rgba")
done
"$work/pack_ico" "$out/Folder.ico" "${args[@]}"

ls -l "$out/Lumarel.ico" "$out/Folder.ico"
