#!/usr/bin/env bash
# Unattended batch runs of velto.exe against bare loops making the same Win32
# calls (bare_batch.exe), each process timed whole (wall clock) over its own
# freshly made, identical directory, in the same run:
#   rename   10,000 files in one directory     /D dir /S * /E "x_%f" /R /Q
#   rename  100,000 files in 100 dirs of 1,000  the same with /T
#   copy     10,000 small files                 /C instead of /R
#   names   100,000 files, future names only    neither /R nor /C
# plus the recursive rename and the future names at a tenth of the size, so the
# growth of Velto's own cost (its time minus the bare loop's, per file) shows.
# Usage: bench/batch/run.sh [build/win64]
# BASELINE=path/velto.exe also times another build of the program in the same
# run (base_s and its ratio), to compare before and after a change.
# ONLY=figure-files (as printed, e.g. "rename/T-10000") runs that figure alone.
# RUNS (default 3) is the number of runs a median is taken of; BIG_RUNS
# (default 1) the same for the copy and the two full-size renames, which spend
# about 80 s, 50 s and 100 s per run inside Wine's CopyFileA and MoveFileA
# alone (each scans the whole directory for the new name): three runs of
# each would take half an hour.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WIN=$(cd "${1:-$ROOT/build/win64}" && pwd)
RUNS=${RUNS:-3}
BIG_RUNS=${BIG_RUNS:-1}
. "$ROOT/bench/timing.sh"
bench_start
# A first process pays Wine's own start-up; keep it out of the figures.
wine "$WIN/bench/bare_batch.exe" list 'C:\' >/dev/null 2>&1 || true

# make DIR SUBDIRS FILES_PER_DIR BYTES: a fresh tree of distinct files (flat
# when SUBDIRS is 0).
make_tree() {
  local dir=$1 subs=$2 per=$3 bytes=$4 s
  rm -rf "$dir"
  mkdir -p "$dir"
  if [ "$subs" -eq 0 ]; then
    fill "$dir" "$per" "$bytes"
  else
    for s in $(seq -f 's%03g' 1 "$subs"); do
      mkdir "$dir/$s"
      fill "$dir/$s" "$per" "$bytes"
    done
  fi
}
fill() {
  local dir=$1 n=$2 bytes=$3
  if [ "$bytes" -eq 0 ]; then
    (cd "$dir" && seq -f 'f%06g.dat' 1 "$n" | xargs touch)
  else
    # Distinct contents, so a copy that read the wrong file would show.
    (cd "$dir" && head -c $((n * bytes)) /dev/urandom | split -b "$bytes" -a 6 -d --additional-suffix=.dat - f)
  fi
}

# timed SUBDIRS PER BYTES CMD...: makes the tree at $work/d, then prints the
# seconds the command took. The new tree is written to disk before the clock
# starts: otherwise the kernel writes it back during the timed run, which
# adds tens of percent of noise to either side. A run that fails or hangs (an
# error box nobody answers) stops the benchmark.
timed() {
  local subs=$1 per=$2 bytes=$3 s e
  shift 3
  make_tree "$work/d" "$subs" "$per" "$bytes"
  sync
  rm -f "$work/bench.ini"
  s=$(date +%s.%N)
  if ! timeout 1200 "$@" >/dev/null 2>&1; then
    echo "run failed: $*" >&2
    exit 1
  fi
  e=$(date +%s.%N)
  echo "$e - $s" | bc -l
}

# figure LABEL RUNS SUBDIRS PER BYTES BARE_MODE VELTO_SWITCHES...
# The programs take turns within each round (bare, Velto, the baseline), so a
# change in the machine's state during the figure reaches all of them alike.
figure() {
  local label=$1 runs=$2 subs=$3 per=$4 bytes=$5 mode=$6 i n rec=""
  shift 6
  [ "$subs" -gt 0 ] && rec=/T
  n=$(( (subs > 0 ? subs : 1) * per ))
  [ -n "${ONLY:-}" ] && [ "$label$rec-$n" != "$ONLY" ] && return 0
  local wd cfg bares="" veltos="" bases=""
  wd=$(winepath -w "$work/d")
  cfg=$(winepath -w "$work/bench.ini")
  for i in $(seq "$runs"); do
    bares+="$(timed "$subs" "$per" "$bytes" "$WINELOADER" "$WIN/bench/bare_batch.exe" "$mode" "$wd" $rec)"$'\n'
    veltos+="$(timed "$subs" "$per" "$bytes" "$WINELOADER" "$WIN/velto.exe" /I "$cfg" /D "$wd" $rec /S '*' /E 'x_%f' "$@" /Q /P)"$'\n'
    if [ -n "${BASELINE:-}" ]; then
      bases+="$(timed "$subs" "$per" "$bytes" "$WINELOADER" "$BASELINE" /I "$cfg" /D "$wd" $rec /S '*' /E 'x_%f' "$@" /Q /P)"$'\n'
    fi
  done
  local bare velto
  bare=$(printf '%s' "$bares" | median)
  velto=$(printf '%s' "$veltos" | median)
  printf '%-9s %8d %5d %9.2f %9.2f %6.2f %9.1f' "$label$rec" "$n" "$runs" "$bare" "$velto" \
    "$(echo "$velto / $bare" | bc -l)" "$(echo "($velto - $bare) * 1000000 / $n" | bc -l)"
  if [ -n "${BASELINE:-}" ]; then
    local base
    base=$(printf '%s' "$bases" | median)
    printf ' %9.2f %6.2f' "$base" "$(echo "$base / $bare" | bc -l)"
  fi
  echo
}

printf '%-9s %8s %5s %9s %9s %6s %9s' figure files runs bare_s velto_s ratio extra_us
[ -n "${BASELINE:-}" ] && printf ' %9s %6s' base_s ratio
echo
figure names   "$RUNS"      0  10000   0 list
figure names   "$RUNS"      0 100000   0 list
figure copy    "$BIG_RUNS"  0  10000 100 copy /C
figure rename  "$RUNS"      0   2000   0 rename /R
figure rename  "$BIG_RUNS"  0  10000   0 rename /R
figure rename  "$RUNS"     10   1000   0 rename /R
figure rename  "$BIG_RUNS" 100  1000   0 rename /R
echo "extra_us: Velto's time minus the bare loop's, per file, in microseconds."
