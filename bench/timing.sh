# Timing helpers shared by the benchmark scripts (sourced).
# median: the median of the numbers on standard input, one a line.
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# timeit CMD...: the seconds one run of CMD takes, its output discarded.
timeit() {
  local s e
  s=$(date +%s.%N); "$@" >/dev/null 2>&1; e=$(date +%s.%N)
  echo "$e - $s" | bc -l
}
# bench_start: the set-up every Wine benchmark shares (needs ROOT): UTC, the
# build's prefix, the null window driver (an error box needs one, or a run
# would end unseen), a scratch directory $work removed at exit with the Wine
# server, and a server kept running between the timed processes.
bench_start() {
  export TZ=UTC
  . "$ROOT/tools/wine-env.sh"
  velto_wine_setup "${WINEPREFIX:-$ROOT/build/wineprefix}" strict
  velto_wine_driver null
  work=$(mktemp -d)
  trap 'rm -rf "$work"; wineserver -k 2>/dev/null || true' EXIT
  wineserver -p 2>/dev/null || true
}
