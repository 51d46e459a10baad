#!/usr/bin/env bash
# The main window over 100,000 selected entries against the engine alone on
# the same entries: a full recompute, typing with the immediate recompute on,
# painting a page (window_bench.cpp says what each figure is).
# Usage: bench/window/run.sh [build/win64 [files]]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WIN=${1:-$ROOT/build/win64}
N=${2:-100000}
. "$ROOT/bench/timing.sh"
bench_start
mkdir -p "$work/d"
(cd "$work/d" && seq -f 'f%06g.dat' 1 "$N" | xargs touch)
wine "$WIN/bench/window_bench.exe" "$(winepath -w "$work/d")"
