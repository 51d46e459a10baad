# Timing helpers shared by the benchmark scripts (sourced).
# median: the median of the numbers on standard input, one a line.
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# timeit CMD...: the seconds one run of CMD takes, its output discarded.
timeit() {
  local s e
  s=$(date +%s.%N); "$@" >/dev/null 2>&1; e=$(date +%s.%N)
  echo "$e - $s" | bc -l
}
