#!/usr/bin/env bash
# Loading a directory of 10,000 camera JPEGs (copies of one sample photo with
# Exif, a thumbnail and a maker note, made here at run time and removed at
# the end) through `velto.exe /D dir /Q /P` with extr_meta on and off, against
# the bare open+read+close loop under Wine and, when installed, ExifTool
# (-fast -j) and exiv2 (pr) natively, all in the same run. Another sample
# file (a song: sample/music/track02.mp3 has an ID3v2 tag and a Xing header)
# is copied under its own extension; the JPEG readers alone and exiv2 are
# then left out. A folder of samples (bench/meta/samples.sh makes one of
# audio and video files, and one of documents and images) is copied in turn
# to make the count, and MediaInfo, when installed, is timed on it too;
# `media` or `documents` in its place makes that set here first.
# Usage: bench/meta/run.sh [build/win64] [photo, sample, folder, media or documents] [count]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WIN=${1:-$ROOT/build/win64}
PHOTO=${2:-${VELTO_CORPUS:-$ROOT/../shared/corpus}/files/jpeg/exiv2-canon-powershot-s40.jpg}
N=${3:-10000}
. "$ROOT/bench/timing.sh"
bench_start
case $PHOTO in
media | documents) "$ROOT/bench/meta/samples.sh" "$PHOTO" "$work/samples" "$WIN"; PHOTO=$work/samples ;;
esac
[ -e "$PHOTO" ] || { echo "no sample photo at $PHOTO" >&2; exit 1; }
# A first process pays Wine's own start-up; keep it out of the figures.
wine "$WIN/bench/bare_read.exe" 'C:\' >/dev/null 2>&1 || true
d=$work/photos
mkdir -p "$d"
if [ -d "$PHOTO" ]; then
  samples=("$PHOTO"/*)
  ext=mixed
else
  samples=("$PHOTO")
  ext=${PHOTO##*.}
  ext=${ext,,}
fi
for i in $(seq 1 "$N"); do
  s=${samples[$(( (i - 1) % ${#samples[@]} ))]}
  e=${s##*.}
  cp "$s" "$d/IMG_$(printf %05d "$i").${e,,}"
done
wd=$(winepath -w "$d")
printf '[general]\r\nextr_meta=1\r\n' >"$work/on.ini"
printf '[general]\r\nextr_meta=0\r\n' >"$work/off.ini"
on=$(winepath -w "$work/on.ini")
off=$(winepath -w "$work/off.ini")
bare=$(for i in 1 2 3; do timeit wine "$WIN/bench/bare_read.exe" "$wd"; done | median)
readers=
[ "$ext" = jpg ] && readers=$(for i in 1 2 3; do timeit wine "$WIN/bench/read_photos.exe" "$wd"; done | median)
voff=$(for i in 1 2 3; do timeit wine "$WIN/velto.exe" /I "$off" /D "$wd" /Q /P; done | median)
von=$(for i in 1 2 3; do timeit wine "$WIN/velto.exe" /I "$on" /D "$wd" /Q /P; done | median)
printf '%-34s %8s\n' run seconds
printf '%-34s %8.2f\n' "bare open+read+close (Wine)" "$bare"
[ -n "$readers" ] && printf '%-34s %8.2f\n' "photo readers alone (Wine)" "$readers"
printf '%-34s %8.2f\n' "velto, extr_meta off" "$voff" "velto, extr_meta on" "$von"
[ -n "$readers" ] && printf 'readers / bare = %.2f\n' "$(echo "$readers / $bare" | bc -l)"
floor=$(echo "$bare + $voff" | bc -l)
printf 'on / (bare + off) = %.2f (goal <= 1.25)\n' "$(echo "$von / $floor" | bc -l)"
if command -v exiftool >/dev/null; then
  et=$(timeit exiftool -fast -j "$d")
  printf '%-34s %8.2f   velto on is %.1f times faster (goal >= 20), the bare loop %.1f times\n' \
    "exiftool -fast -j (native)" "$et" "$(echo "$et / $von" | bc -l)" "$(echo "$et / $bare" | bc -l)"
fi
if [ "$ext" = mixed ] && command -v mediainfo >/dev/null; then
  mi=$(timeit mediainfo --Output=JSON "$d")
  printf '%-34s %8.2f   velto on is %.1f times faster\n' "mediainfo (native)" "$mi" "$(echo "$mi / $von" | bc -l)"
fi
if [ "$ext" = jpg ] && command -v exiv2 >/dev/null; then
  ex=$(timeit sh -c "exiv2 pr \"$d\"/*.jpg")
  printf '%-34s %8.2f\n' "exiv2 pr (native)" "$ex"
fi
