#!/usr/bin/env bash
# Draws the sample disc's two backgrounds for the partner code "Orbit" with
# ImageMagick. The results are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/jar/com/vestrel/integration/tools/launcher/image"
convert=/usr/bin/convert
font=DejaVu-Sans-Bold

banner() {  # the dark band across the top, with the suite's emblem and name
  "$convert" -size 600x78 gradient:'#0B1F3A'-'#1D4E89' \
    -fill none -stroke '#F5B700' -strokewidth 3 -draw "ellipse 48,39 30,13 0,360" \
    -fill '#F5B700' -stroke none -draw "circle 48,39 48,31" -draw "circle 76,33 76,30" \
    -font "$font" -pointsize 30 -fill white -annotate +96+49 'ORBIT STUDIO 5' \
    -font DejaVu-Sans -pointsize 13 -fill '#BFD3EA' -annotate +98+68 'design · develop · deliver' \
    "$1"
}

body() {  # light field with faint orbits at the right
  "$convert" -size 600x322 gradient:'#F4F7FB'-'#DCE4EE' \
    -fill none -stroke '#C9D5E3' -strokewidth 2 \
    -draw "ellipse 520,170 150,60 0,360" -draw "ellipse 520,170 110,150 0,360" \
    -fill '#C9D5E3' -stroke none -draw "circle 520,170 520,150" \
    -fill '#1D4E89' -draw "rectangle 0,314 600,322" \
    "$1"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
banner "$tmp/banner.png"
body "$tmp/body.png"
"$convert" "$tmp/banner.png" "$tmp/body.png" -append -quality 90 launcherOrbit.jpg

# The selection page keeps the right side plain for the description.
"$convert" "$tmp/banner.png" \( -size 600x322 xc:'#EEF2F7' -fill '#FFFFFF' -draw "rectangle 350,90 585,360" \
  -fill '#1D4E89' -draw "rectangle 0,314 600,322" \) -append -quality 90 launcherOrbitPg2.jpg
