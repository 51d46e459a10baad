#!/usr/bin/env bash
# The demo's main job on a copy of the sample directory: one unattended run
# of velto.exe under Wine, headless, then the directory as the loader sees it.
# Usage: tools/demo-run.sh VELTO_EXE DIR
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
velto_find_wine
exe=$1
dir=$2
bin=$(dirname "$exe")
wdir=$(winepath -w "$dir")
cfg=$(winepath -w "$dir/../velto-demo.ini")
# Photos by the date they were taken, before the run below renames the folder;
# the old base name keeps every name unique even for a photo without a date.
photos="$wdir\\photos"
echo "== velto.exe /I velto-demo.ini /D \"$photos\" /S \"*.jpg\" /E '%Xdo{\"%Y-%m-%d_%H%M%S\"}_%b.%e' /R /Q"
wine "$exe" /I "$cfg" /D "$photos" /S "*.jpg" /E '%Xdo{"%Y-%m-%d_%H%M%S"}_%b.%e' /R /Q
# Songs by their tags: title and artist from the ID3v2 tags.
music="$wdir\\music"
echo "== velto.exe /I velto-demo.ini /D \"$music\" /S \"*.mp3\" /E '%At - %Aa.%e' /R /Q"
wine "$exe" /I "$cfg" /D "$music" /S "*.mp3" /E '%At - %Aa.%e' /R /Q
echo "== velto.exe /I velto-demo.ini /D \"$wdir\" /S \"*\" /E \"%b_%dmd_%n.%e\" /R /Q"
wine "$exe" /I "$cfg" /D "$wdir" /S "*" /E "%b_%dmd_%n.%e" /R /Q
echo "== Listing through Velto's loader"
wine "$bin/velto_list.exe" "$wdir" /T
rm -f "$dir/../velto-demo.ini"
