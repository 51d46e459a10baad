#!/usr/bin/env bash
# Synchronous start-up load of 10,000 and 100,000 empty files through
# `velto.exe /D dir /Q /P`, against the bare find loop, in the same run.
# Usage: bench/load/run.sh [build/win64]
# BASELINE=path/velto.exe also times another build of the program in the same
# run (its ratio in the last column), to compare before and after a change.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WIN=${1:-$ROOT/build/win64}
. "$ROOT/bench/timing.sh"
bench_start
printf '%-8s %10s %10s %7s' files bare_s velto_s ratio
[ -n "${BASELINE:-}" ] && printf ' %10s %7s' base_s ratio
echo
for n in 10000 100000; do
  d=$work/d$n
  mkdir -p "$d"
  (cd "$d" && seq -f 'f%06g.dat' 1 "$n" | xargs touch)
  wd=$(winepath -w "$d")
  cfg=$(winepath -w "$work/bench.ini")
  # A run that fails ends as fast as a quick load: check that one stores the
  # directory it loaded.
  rm -f "$work/bench.ini"
  wine "$WIN/velto.exe" /I "$cfg" /D "$wd" /Q
  if ! grep -qiF "rep=$wd" "$work/bench.ini" 2>/dev/null; then
    echo "velto.exe did not load $wd" >&2
    exit 1
  fi
  # The programs take turns within each round, so a change in the machine's
  # state reaches all of them alike.
  bares="" veltos="" bases=""
  for i in 1 2 3; do
    bares+="$(timeit wine "$WIN/bench/bare_list.exe" "$wd")"$'\n'
    veltos+="$(timeit wine "$WIN/velto.exe" /I "$cfg" /D "$wd" /Q /P)"$'\n'
    [ -n "${BASELINE:-}" ] && bases+="$(timeit wine "$BASELINE" /I "$cfg" /D "$wd" /Q /P)"$'\n'
  done
  bare=$(printf '%s' "$bares" | median)
  velto=$(printf '%s' "$veltos" | median)
  printf '%-8s %10.3f %10.3f %7.2f' "$n" "$bare" "$velto" "$(echo "$velto / $bare" | bc -l)"
  if [ -n "${BASELINE:-}" ]; then
    base=$(printf '%s' "$bases" | median)
    printf ' %10.3f %7.2f' "$base" "$(echo "$base / $bare" | bc -l)"
  fi
  echo
done
