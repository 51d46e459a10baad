#!/bin/bash
# Draws the toolbar button images (16x16 tiles side by side, palette BMP) with
# ImageMagick. The light grey background (192,192,192) is the colour the
# toolbar maps to the button face, so it shows as transparent.
# Usage: res/make_bitmaps.sh  (writes res/tb_*.bmp)
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
BG='rgb(192,192,192)'
n=0

# tile NAME [WIDTH] -- ImageMagick draw options...: one button image.
tile() {
  local name=$1 width=16
  shift
  if [[ ${1:-} =~ ^[0-9]+$ ]]; then width=$1; shift; fi
  convert -size "${width}x16" "xc:$BG" +antialias "$@" "$tmp/$name.png"
}

# letter NAME COLOUR TEXT: a coloured square with a white letter.
letter() {
  tile "$1" -fill "$2" -stroke '#202020' -draw 'roundrectangle 1,1 14,14 3,3' \
    -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 11 -gravity center -annotate +0+0 "$3"
}

folder=(-fill '#f0c040' -stroke '#806010' -draw 'rectangle 1,4 14,13' -draw 'rectangle 1,2 6,4')

# Band 1: Rename, Recompute, Copy, Options.
tile rename -fill white -stroke '#303030' -draw 'rectangle 2,1 10,14' \
  -stroke '#c02020' -strokewidth 2 -draw 'line 5,12 14,3' -stroke '#202020' -strokewidth 1 -draw 'point 4,13'
tile recompute -fill none -stroke '#208020' -strokewidth 2 -draw 'arc 2,2 13,13 200,470' \
  -stroke none -fill '#208020' -draw 'polygon 1,4 6,4 3,9'
tile copy -fill white -stroke '#303030' -draw 'rectangle 1,1 9,11' -draw 'rectangle 6,4 14,14'
tile options -fill '#707070' -stroke '#303030' -draw 'circle 8,8 8,2' \
  -draw 'rectangle 7,0 9,3' -draw 'rectangle 7,13 9,15' -draw 'rectangle 0,7 3,9' -draw 'rectangle 13,7 15,9' \
  -fill "$BG" -draw 'circle 8,8 8,6'

# Band 2: All, None, Invert, Select, Unselect, Select and Unselect with a filter.
boxes() {  # boxes NAME tick1 tick2 tick3 (1 = ticked)
  local name=$1 args=() y
  shift
  for y in 1 6 11; do
    args+=(-fill white -stroke '#303030' -draw "rectangle 1,$y 5,$((y + 4))")
    if [[ $1 == 1 ]]; then args+=(-stroke '#108010' -draw "line 2,$((y + 2)) 3,$((y + 3))" -draw "line 3,$((y + 3)) 5,$y"); fi
    args+=(-stroke '#404040' -draw "line 8,$((y + 2)) 14,$((y + 2))")
    shift
  done
  tile "$name" "${args[@]}"
}
boxes all 1 1 1
boxes none 0 0 0
boxes invert 1 0 1
tile select -stroke '#108010' -strokewidth 3 -draw 'line 2,8 6,12' -draw 'line 6,12 14,3'
tile unselect -stroke '#c02020' -strokewidth 3 -draw 'line 3,3 13,13' -draw 'line 13,3 3,13'
funnel=(-fill '#4070c0' -stroke '#203060' -draw 'polygon 0,1 10,1 6,6 6,11 4,11 4,6')
tile selfilter "${funnel[@]}" -stroke '#108010' -strokewidth 2 -draw 'line 8,11 11,14' -draw 'line 11,14 15,8'
tile unselfilter "${funnel[@]}" -stroke '#c02020' -strokewidth 2 -draw 'line 9,9 15,15' -draw 'line 15,9 9,15'

# Band 3: the column groups.
letter base '#707070' B
letter audio '#2060c0' A
letter id3v1 '#4080e0' 1
letter audtag '#1040a0' T
letter video '#8030a0' V
letter vidtag '#602080' T
letter image '#209040' I
letter exif '#107030' E
letter iptc '#30a070' P
letter doc '#d07010' D
letter exe '#a02020' X

# The Add-directory button, 12 wide.
tile adddir 12 -fill '#20a020' -stroke '#106010' -draw 'rectangle 4,2 7,13' -draw 'rectangle 0,6 11,9' \
  -stroke none -draw 'rectangle 5,3 6,12'

# Band 6: Back, Forward, Choose, Parent, Explorer's directory, Reload, Sub directories, Stop.
tile back -fill '#208020' -stroke '#104010' -draw 'polygon 1,8 8,1 8,5 14,5 14,11 8,11 8,15'
tile forward -fill '#208020' -stroke '#104010' -draw 'polygon 14,8 7,1 7,5 1,5 1,11 7,11 7,15'
tile choose "${folder[@]}" -fill white -stroke '#303030' -draw 'rectangle 8,8 14,14' \
  -stroke '#303030' -draw 'line 9,10 13,10' -draw 'line 9,12 13,12'
tile parent "${folder[@]}" -fill '#208020' -stroke '#104010' -draw 'polygon 8,5 12,9 10,9 10,12 6,12 6,9 4,9'
tile explorer "${folder[@]}" -fill '#3060c0' -stroke '#102060' -draw 'rectangle 7,7 15,15' \
  -fill white -stroke none -draw 'rectangle 8,10 14,14'
tile reload -fill none -stroke '#2050c0' -strokewidth 2 -draw 'arc 2,2 13,13 30,330' \
  -stroke none -fill '#2050c0' -draw 'polygon 15,2 15,9 9,6'
tile subdirs -fill '#f0c040' -stroke '#806010' -draw 'rectangle 0,1 7,6' -draw 'rectangle 7,9 14,14' \
  -stroke '#303030' -draw 'line 3,7 3,11' -draw 'line 3,11 6,11'
tile stop -fill '#d02020' -stroke '#701010' -draw 'polygon 5,1 10,1 14,5 14,10 10,14 5,14 1,10 1,5' \
  -fill white -stroke none -draw 'rectangle 4,7 11,8'

# strip OUT tiles...: the tiles left to right, as an palette BMP (the toolbar maps palette colours only).
strip() {
  local out=$1 files=()
  shift
  for t in "$@"; do files+=("$tmp/$t.png"); done
  convert "${files[@]}" +append -type Palette -colors 256 "BMP3:$out"
}
strip tb_main.bmp rename recompute copy options
strip tb_select.bmp all none invert select unselect selfilter unselfilter
strip tb_groups.bmp base audio id3v1 audtag video vidtag image exif iptc doc exe
strip tb_adddir.bmp adddir
strip tb_nav.bmp back forward choose parent explorer reload subdirs stop
