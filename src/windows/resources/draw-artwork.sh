#!/usr/bin/env bash
# Draws the launcher's own artwork with ImageMagick: the message windows'
# picture, the two designed page backgrounds (shown when a disc carries none)
# and the stage pictures. The results in art/ are committed and embedded in
# the exe; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/art"
convert=/usr/bin/convert
bold=DejaVu-Sans-Bold

# The launcher's emblem: a disc with a rising arrow, at a given size.
emblem() {  # size file
  local s=$1 c=$(( $1 / 2 ))
  "$convert" -size "${s}x${s}" xc:none \
    -fill '#E8E8E8' -draw "circle $c,$c $c,1" \
    -fill '#3A3A3A' -draw "circle $c,$c $c,$(( c - s / 7 ))" \
    -fill '#F5B700' -draw "polygon $c,$(( s / 6 )) $(( c + s / 4 )),$(( c + s / 12 )) $(( c - s / 4 )),$(( c + s / 12 ))" \
    -draw "rectangle $(( c - s / 12 )),$(( c + s / 12 )) $(( c + s / 12 )),$(( s - s / 5 ))" \
    "$2"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
emblem 56 "$tmp/emblem56.png"
emblem 40 "$tmp/emblem40.png"
emblem 32 "$tmp/emblem32.png"
emblem 16 "$tmp/emblem16.png"
# The two sizes the shell shows the program in; every byte counts in the exe.
# Sixteen colours and a transparency mask instead of 32-bit pixels: a quarter
# of the bytes, and the emblem's flat colours lose nothing but their soft
# outer edge.
"$convert" "$tmp/emblem16.png" "$tmp/emblem32.png" -channel A -threshold 50% +channel -colors 16 launcher.ico

# Message windows, 450 x 333: black band with the emblem, grey field, thin
# black band at the bottom. Grey, black and white lose nothing to halved
# colour resolution (4:2:0), which keeps the exe small; the stage pictures'
# orange would, so they keep it whole.
"$convert" -size 450x333 xc:'#D9D9D9' \
  -fill black -draw "rectangle 0,0 449,74" -draw "rectangle 0,325 449,332" \
  -fill '#F5B700' -draw "rectangle 0,74 449,75" \
  "$tmp/emblem56.png" -geometry +14+9 -composite \
  -font "$bold" -pointsize 22 -fill white -annotate +82+45 'Setup' \
  -font DejaVu-Sans -pointsize 11 -fill '#BBBBBB' -annotate +83+62 'Installation disc' \
  -sampling-factor 4:2:0 -quality 80 dialog.jpg

# Designed page backgrounds, 600 x 400, for a disc without its own. The two
# differ only in their subtitle: the selection page's is kept as a strip
# (SUBTITLE_X, SUBTITLE_Y in resource.h; whole 8 x 8 blocks, in the plain
# dark band) that the launcher lays over the menu's picture.
page() {  # file subtitle
  "$convert" -size 600x400 xc:'#DADDE2' \
    -fill '#1E1E1E' -draw "rectangle 0,0 599,77" -fill '#F5B700' -draw "rectangle 0,77 599,78" \
    -fill '#1E1E1E' -draw "rectangle 0,392 599,399" \
    "$tmp/emblem56.png" -geometry +14+11 -composite \
    -font "$bold" -pointsize 24 -fill white -annotate +82+44 'Setup' \
    -font DejaVu-Sans -pointsize 12 -fill '#BBBBBB' -annotate +83+63 "$2" \
    "$1"
}
page "$tmp/menu.png" 'Choose what to do with this disc'
page "$tmp/selection.png" 'Choose the components to install'
"$convert" "$tmp/menu.png" -sampling-factor 4:2:0 -quality 80 menu.jpg
"$convert" "$tmp/selection.png" -crop 512x24+80+48 +repage -quality 80 selectionSubtitle.jpg

# Stage pictures, 50 x 50: the stage's word above its emblem on a dark
# ground, grey when at rest, orange-yellow when lit. All twelve in one
# picture (one JPEG's tables instead of twelve): stage k at rest at
# (56 k, 0), lit at (56 k, 56), each in whole 8 x 8 blocks of its own.
stage() {  # word shape colour file
  "$convert" -size 50x50 xc:'#202428' -fill none -stroke "$3" -strokewidth 2 -draw "$2" \
    -stroke none -fill "$3" -font "$bold" -pointsize 8 -gravity north -annotate +0+3 "$1" \
    "$4"
}
shapes=(
  "DEFINE|circle 25,32 25,24"
  "DESIGN|polygon 25,22 35,40 15,40"
  "DEVELOP|polyline 18,26 12,32 18,38 polyline 32,26 38,32 32,38"
  "TEST|polyline 15,32 22,39 36,24"
  "DEPLOY|line 25,40 25,22 polyline 18,29 25,22 32,29"
  "MANAGE|rectangle 16,24 34,40"
)
tiles=()
k=0
for entry in "${shapes[@]}"; do
  word=${entry%%|*}
  shape=${entry#*|}
  stage "$word" "$shape" '#9AA0A6' "$tmp/static$k.png"
  stage "$word" "$shape" '#FFB400' "$tmp/active$k.png"
  tiles+=("$tmp/static$k.png" -geometry "+$(( 56 * k ))+0" -composite
          "$tmp/active$k.png" -geometry "+$(( 56 * k ))+56" -composite)
  k=$(( k + 1 ))
done
"$convert" -size 336x112 xc:'#202428' "${tiles[@]}" -sampling-factor 4:4:4 -quality 85 stages.jpg
