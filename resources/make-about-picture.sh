#!/usr/bin/env bash
# Draws the about window's picture, Zuva2020.jpg (194 x 251): a small Varnel diagram of our
# own, two observers at 0.6 c. Black's space axis is horizontal and red's time axis vertical;
# black's time axis and red's space axis are tilted by the angle whose sine is 0.6, so each
# time axis is perpendicular to the other observer's space axis. Grey calibration circles one
# grid unit (36 px here) apart, the blue light cone, which halves the angle between each
# observer's own two axes, and one event.
#
# Needs ImageMagick's convert. Run from anywhere; writes next to this script.
set -euo pipefail
cd "$(dirname "$0")"

# The origin of the diagram, and a font for the caption where one is to be found.
ox=97
oy=118
font=$(fc-match -f '%{file}' 'Liberation Sans:bold' 2>/dev/null || true)
caption=()
if [ -n "$font" ] && [ -f "$font" ]; then
  caption=(-font "$font" -pointsize 15 -fill '#203040' -gravity south
           -annotate +0+10 'Varnel diagram')
fi

# A point at distance r along the direction (dx, dy) from the origin.
at() {
  awk -v ox="$ox" -v oy="$oy" -v dx="$1" -v dy="$2" -v r="$3" 'BEGIN {
    x = dx * r; y = dy * r
    printf "%d,%d", ox + x + (x < 0 ? -0.5 : 0.5), oy + y + (y < 0 ? -0.5 : 0.5)
  }'
}

circles=""
for r in 36 72 108 144; do
  circles+="circle $ox,$oy $((ox + r)),$oy "
done

convert -size 194x251 xc:'#fbfaf6' \
  -fill none -stroke '#d2d2d2' -strokewidth 1 -draw "$circles" \
  -stroke '#5050de' -strokewidth 1 \
  -draw "line $(at -0.4472 0.8944 200) $(at 0.4472 -0.8944 200)" \
  -draw "line $(at -0.8944 -0.4472 200) $(at 0.8944 0.4472 200)" \
  -stroke black -strokewidth 2 \
  -draw "line 0,$oy 194,$oy" \
  -draw "line $(at -0.6 -0.8 200) $(at 0.6 0.8 200)" \
  -stroke '#dc0000' -strokewidth 2 \
  -draw "line $ox,0 $ox,251" \
  -draw "line $(at -0.8 0.6 200) $(at 0.8 -0.6 200)" \
  -stroke none -fill '#1a1a1a' -draw "circle 124,48 127,48" \
  -fill '#eeeae0' -draw "rectangle 0,218 194,251" \
  -stroke '#b0a890' -strokewidth 1 -draw "line 0,218 194,218" \
  -stroke none "${caption[@]}" \
  -strip -quality 92 Zuva2020.jpg

echo "wrote $(pwd)/Zuva2020.jpg"
