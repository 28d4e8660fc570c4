#!/bin/bash
# Regenerates the bundled images: the graph-paper background (1x and 2x)
# and the program icon at all sizes, plus assets.qrc.
# Needs ImageMagick 6 (apt-get install imagemagick).
set -euo pipefail
cd "$(dirname "$0")"

IM=/usr/bin/convert      # call ImageMagick directly, not whatever is first in PATH
IDENTIFY=/usr/bin/identify

# round(n / d) for non-negative integers, halves rounded up
rdiv() { echo $(( (2 * $1 + $2) / (2 * $2) )); }

# ---------------------------------------------------------------------------
# Graph paper: white sheet, 33 vertical and 20 horizontal cyan lines.
# At scale 1 each line is 2 px wide; at scale 2 every coordinate doubles.
# The numbers are those of the program's own definition of the paper,
# sheet/paper.h, which draws it for vector and scaled output; tst_sheet
# holds the paper drawn from there against these two pictures.
# ---------------------------------------------------------------------------
graphpaper() {   # graphpaper OUT SCALE
    local out=$1 s=$2 w=$((1016 * $2)) h=$((606 * $2)) lw=$((2 * $2))
    local cmds="" i x y
    for i in $(seq 0 32); do
        x=$(( s * (3 + $(rdiv $((i * 1007)) 32)) ))
        cmds+="rectangle $x,0 $((x + lw - 1)),$((h - 1)) "
    done
    for i in $(seq 0 19); do
        y=$(( s * (2 + $(rdiv $((i * 598)) 19)) ))
        cmds+="rectangle 0,$y $((w - 1)),$((y + lw - 1)) "
    done
    "$IM" -size ${w}x${h} xc:white +antialias -fill 'rgb(0,255,255)' -stroke none \
        -draw "$cmds" -strip -type TrueColor -colorspace sRGB \
        -quality 100 -sampling-factor 1x1 -interlace none \
        -units PixelsPerInch -density $((96 * s)) "$out"
}

graphpaper graphpaper.jpg 1
graphpaper graphpaper@2x.jpg 2

# ---------------------------------------------------------------------------
# Icon: a small window (grey border, cyan title bar, white body) with a red
# sine curve on the body, on a transparent background.
# ---------------------------------------------------------------------------
cat > icon.svg <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="16.5" y="24.5" width="223" height="207" fill="#ffffff" stroke="#404040" stroke-width="1"/>
  <rect x="17" y="25" width="222" height="47" fill="#00ffff"/>
  <line x1="17" y1="72.5" x2="239" y2="72.5" stroke="#404040" stroke-width="1"/>
  <path d="M 33,151.5 C 48.41,113.85 63.15,78 80.25,78 S 112.09,113.85 127.5,151.5
           S 157.65,225 174.75,225 S 206.59,189.15 222,151.5"
        fill="none" stroke="#ff0000" stroke-width="9" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
SVG

icon() {   # icon SIZE
    local n=$1
    local m=$((n / 16))                          # margin around the window
    local x0=$m x1=$((n - 1 - m))
    local y0=$((m + n / 32)) y1=$((n - 1 - m - n / 32))
    local tb=$(( n * 3 / 16 > 3 ? n * 3 / 16 : 3 ))  # title bar height
    local sw=$(( (n + 14) / 28 ))                # curve stroke width
    # red sine curve across the body, one full period
    local bx0=$((x0 + 1 + (n + 15) / 16)) bx1=$((x1 - 1 - (n + 15) / 16))
    local by0=$((y0 + tb + 1)) by1=$((y1 - 1))
    local pts
    pts=$(awk -v a=$bx0 -v b=$bx1 -v c=$by0 -v d=$by1 -v sw=$sw 'BEGIN {
        mid = (c + d) / 2; amp = (d - c) / 2 - sw / 2 - 1; if (amp < 1) amp = 1
        for (k = 0; k <= 48; k++) {
            x = a + (b - a) * k / 48
            printf "%.2f,%.2f ", x, mid - amp * sin(6.283185307 * k / 48)
        } }')
    "$IM" -size ${n}x${n} xc:none +antialias -stroke none \
        -fill 'rgb(64,64,64)'  -draw "rectangle $x0,$y0 $x1,$y1" \
        -fill white            -draw "rectangle $((x0 + 1)),$((y0 + 1)) $((x1 - 1)),$((y1 - 1))" \
        -fill 'rgb(0,255,255)' -draw "rectangle $((x0 + 1)),$((y0 + 1)) $((x1 - 1)),$((y0 + tb - 1))" \
        -fill 'rgb(64,64,64)'  -draw "rectangle $((x0 + 1)),$((y0 + tb)) $((x1 - 1)),$((y0 + tb))" \
        -antialias -fill none -stroke 'rgb(255,0,0)' -strokewidth $sw \
        -draw "stroke-linecap round stroke-linejoin round polyline $pts" \
        -strip PNG32:icon-$n.png
}

for n in 16 32 48 64 128 256; do icon $n; done

# ---------------------------------------------------------------------------
# Qt resource file
# ---------------------------------------------------------------------------
cat > assets.qrc <<'QRC'
<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/">
    <file>graphpaper.jpg</file>
    <file>graphpaper@2x.jpg</file>
    <file>icon-16.png</file>
    <file>icon-32.png</file>
    <file>icon-64.png</file>
  </qresource>
</RCC>
QRC

# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------
fail() { echo "draw-assets: $*" >&2; exit 1; }

pixel() {   # pixel FILE X Y  -> "r g b"
    local c="p{$2,$3}"
    "$IM" "$1" -format "%[fx:round(255*$c.r)] %[fx:round(255*$c.g)] %[fx:round(255*$c.b)]\n" info:
}

expect() {   # expect FILE X Y R G B   (each channel within +-24)
    local r g b
    read -r r g b < <(pixel "$1" "$2" "$3")
    (( ${r} - $4 <= 24 && $4 - ${r} <= 24 &&
       ${g} - $5 <= 24 && $5 - ${g} <= 24 &&
       ${b} - $6 <= 24 && $6 - ${b} <= 24 )) ||
        fail "$1 pixel ($2,$3) is $r,$g,$b, expected about $4,$5,$6"
}

check_sheet() {   # check_sheet FILE SCALE DPI
    local file=$1 s=$2 info
    expect "$file" $((3 * s))   $((300 * s)) 0 255 255
    expect "$file" $((4 * s))   $((300 * s)) 0 255 255
    expect "$file" $((300 * s)) $((2 * s))   0 255 255
    expect "$file" $((20 * s))  $((20 * s))  255 255 255
    info=$("$IDENTIFY" -verbose "$file")
    grep -q "Interlace: None" <<<"$info" || fail "$file is interlaced"
    # A clean sheet has too few distinct colours for identify to call it
    # "TrueColor" (it says "Palette"), so check the colour layout directly:
    # three full-resolution components, sRGB, not greyscale.
    grep -q "Colorspace: sRGB" <<<"$info" || fail "$file is not sRGB"
    grep -q "jpeg:sampling-factor: 1x1,1x1,1x1" <<<"$info" || fail "$file is not 3-component 4:4:4"
    grep -Eq "Type: (TrueColor|Palette)$" <<<"$info" || fail "$file is not a colour image"
    grep -q "Geometry: $((1016 * s))x$((606 * s))+0+0" <<<"$info" || fail "$file has wrong size"
    grep -q "Resolution: $3x$3" <<<"$info" || fail "$file has wrong density"
    grep -q "Units: PixelsPerInch" <<<"$info" || fail "$file has wrong density units"
}

check_sheet graphpaper.jpg 1 96
check_sheet graphpaper@2x.jpg 2 192
echo "draw-assets: all files written and checked"
