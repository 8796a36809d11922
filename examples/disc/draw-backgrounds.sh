#!/usr/bin/env bash
# Draws the sample disc's two backgrounds for the partner code "Orbit" with
# ImageMagick, once at 600 x 400 and once at twice that for scaled screens
# (the @2x members), from the same drawing. The results are committed; run
# this only to change them.
set -euo pipefail
cd "$(dirname "$0")/jar/com/vestrel/integration/tools/launcher/image"
convert=/usr/bin/convert
font=DejaVu-Sans-Bold

# Every length of the drawing below is a design pixel times the scale s.
banner() {  # the dark band across the top, with the suite's emblem and name
  "$convert" -size $((600 * s))x$((78 * s)) gradient:'#0B1F3A'-'#1D4E89' \
    -fill none -stroke '#F5B700' -strokewidth $((3 * s)) \
    -draw "ellipse $((48 * s)),$((39 * s)) $((30 * s)),$((13 * s)) 0,360" \
    -fill '#F5B700' -stroke none -draw "circle $((48 * s)),$((39 * s)) $((48 * s)),$((31 * s))" \
    -draw "circle $((76 * s)),$((33 * s)) $((76 * s)),$((30 * s))" \
    -font "$font" -pointsize $((30 * s)) -fill white -annotate +$((96 * s))+$((49 * s)) 'ORBIT STUDIO 5' \
    -font DejaVu-Sans -pointsize $((13 * s)) -fill '#BFD3EA' -annotate +$((98 * s))+$((68 * s)) \
    'design · develop · deliver' \
    "$1"
}

body() {  # light field with faint orbits at the right
  "$convert" -size $((600 * s))x$((322 * s)) gradient:'#F4F7FB'-'#DCE4EE' \
    -fill none -stroke '#C9D5E3' -strokewidth $((2 * s)) \
    -draw "ellipse $((520 * s)),$((170 * s)) $((150 * s)),$((60 * s)) 0,360" \
    -draw "ellipse $((520 * s)),$((170 * s)) $((110 * s)),$((150 * s)) 0,360" \
    -fill '#C9D5E3' -stroke none -draw "circle $((520 * s)),$((170 * s)) $((520 * s)),$((150 * s))" \
    -fill '#1D4E89' -draw "rectangle 0,$((314 * s)) $((600 * s)),$((322 * s))" \
    "$1"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 1 2; do
  suffix=$([ "$s" = 1 ] && echo "" || echo "@${s}x")
  banner "$tmp/banner.png"
  body "$tmp/body.png"
  "$convert" "$tmp/banner.png" "$tmp/body.png" -append -quality 90 "launcherOrbit$suffix.jpg"

  # The selection page keeps the right side plain for the description.
  "$convert" "$tmp/banner.png" \( -size $((600 * s))x$((322 * s)) xc:'#EEF2F7' -fill '#FFFFFF' \
    -draw "rectangle $((350 * s)),$((90 * s)) $((585 * s)),$((360 * s))" \
    -fill '#1D4E89' -draw "rectangle 0,$((314 * s)) $((600 * s)),$((322 * s))" \) \
    -append -quality 90 "launcherOrbitPg2$suffix.jpg"
done
