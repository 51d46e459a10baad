#!/usr/bin/env bash
# Makes a small set of sample files of one kind, for bench/meta/run.sh:
#   media      WAVE, Ogg, Sun audio, AVI, MP4, MOV, WMV, MPEG (ffmpeg, sox)
#   documents  PDF, HTML, PNG, GIF, BMP, ICO (ImageMagick), a program with
#              a version resource (from the Windows build) and, when the
#              shared sample corpus is there, a Word and an Excel file
#              copied from it at run time.
# Usage: bench/meta/samples.sh media|documents OUTDIR [build/win64]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
KIND=${1:?media or documents}
OUT=${2:?output folder}
WIN=${3:-$ROOT/build/win64}
CORPUS=${VELTO_CORPUS:-$ROOT/../shared/corpus}/files
mkdir -p "$OUT"
need() { command -v "$1" >/dev/null || { echo "$1 is needed: apt-get install $2" >&2; exit 1; }; }
case $KIND in
media)
  need ffmpeg ffmpeg; need sox sox
  ff() { ffmpeg -v error -y "$@"; }
  video=(-f lavfi -i testsrc=size=160x120:rate=25:duration=2 -f lavfi -i sine=duration=2 -shortest)
  ff -f lavfi -i sine=duration=2 -metadata title=Sine -metadata artist=Velto "$OUT/wave.wav"
  ff -f lavfi -i sine=duration=2 -c:a libvorbis -metadata title=Sine -metadata track=3 "$OUT/song.ogg"
  ff "${video[@]}" -c:v mpeg4 -vtag DX50 -c:a libmp3lame "$OUT/clip.avi"
  ff "${video[@]}" -c:v libx264 -c:a aac "$OUT/clip.mp4"
  ff "${video[@]}" -c:v mpeg4 -c:a aac "$OUT/clip.mov"
  ff "${video[@]}" -c:v wmv2 -c:a wmav2 -metadata title=Clip "$OUT/clip.wmv"
  ff "${video[@]}" -c:v mpeg1video -c:a mp2 -f mpeg "$OUT/clip.mpg"
  sox -n -r 8000 -c 1 "$OUT/tone.au" synth 1 sine 440
  ;;
documents)
  need convert imagemagick
  # A one-page PDF with an Info dictionary and a classic cross-reference
  # table (ImageMagick's default policy refuses to write PDFs).
  pdf() {
    local objs=("<< /Type /Catalog /Pages 2 0 R >>" "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] >>"
      "<< /Title (A page) /Author (Velto) /Creator (samples.sh) /Producer (bash) /CreationDate (D:20240102030405+01'00') >>")
    local body="%PDF-1.4"$'\n' xref="" i
    for i in "${!objs[@]}"; do
      xref+=$(printf '%010d 00000 n \n' "${#body}")$'\n'
      body+="$((i + 1)) 0 obj"$'\n'"${objs[$i]}"$'\n'"endobj"$'\n'
    done
    printf '%sxref\n0 5\n0000000000 65535 f \n%strailer\n<< /Size 5 /Root 1 0 R /Info 4 0 R >>\nstartxref\n%d\n%%%%EOF\n' \
      "$body" "$xref" "${#body}" >"$1"
  }
  convert -size 64x48 gradient:red-blue "$OUT/picture.png"
  convert -size 64x48 gradient:red-blue "$OUT/picture.gif"
  convert -size 64x48 gradient:red-blue BMP3:"$OUT/picture.bmp"
  convert -size 32x32 gradient:red-blue -define icon:auto-resize=32,16 "$OUT/picture.ico"
  pdf "$OUT/page.pdf"
  printf '<html><head><title>A page</title><meta name="author" content="Velto">\n' >"$OUT/page.html"
  printf '<meta name="DC.subject" content="Tests"></head><body>%s</body></html>\n' "$(seq 1 400)" >>"$OUT/page.html"
  for p in "$WIN/tests/docs/version_sample.exe" "$WIN/bench/bare_read.exe"; do
    [ -f "$p" ] && { cp "$p" "$OUT/program.exe"; break; }
  done
  for f in ole/doc.doc ole/xls.xls; do [ -f "$CORPUS/$f" ] && cp "$CORPUS/$f" "$OUT/"; done
  ;;
*) echo "usage: $0 media|documents OUTDIR [build/win64]" >&2; exit 2 ;;
esac
