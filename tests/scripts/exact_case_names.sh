#!/usr/bin/env bash
# A name given on the command line in a case-sensitive directory (a Linux
# directory under Wine holds a.txt and A.txt side by side): the file of that
# exact case is renamed, its twin is left alone; a name that no file carries
# exactly still finds its file without regard to case.
# Usage: exact_case_names.sh WINDOWS_BUILD_TREE (run by ctest, with WINEPREFIX set)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WIN=$1
. "$ROOT/tools/wine-env.sh"
fail() { echo "FAIL: $*"; exit 1; }
velto_find_wine

# files (space-separated), the name given, the names expected after the run
run_case() {
  local dir=$WIN/testdata/exact_case_names
  rm -rf "$dir"; mkdir -p "$dir"
  local f
  for f in $1; do printf '%s' "$f" >"$dir/$f"; done
  local out
  out=$(VELTO_BINARY_DIR=$WIN wine "$WIN/tests/support/velto_answering.exe" /I "$(winepath -w "$WIN/testdata/exact_case.ini")" \
          /D "$(winepath -w "$dir")" "$(winepath -w "$dir")\\$2" /E 'x_%f' /R /Q /P) || fail "velto.exe did not end: $out"
  ! grep -q '^box:' <<<"$out" || fail "$2: unexpected box: $out"
  local got
  got=$(cd "$dir" && LC_ALL=C && for f in *; do printf '%s=%s ' "$f" "$(cat "$f")"; done)
  [ "$got" = "$3" ] || fail "$2 among [$1]: got [$got], expected [$3]"
}

run_case "a.txt A.txt" a.txt "A.txt=A.txt x_a.txt=a.txt "
run_case "a.txt A.txt" A.txt "a.txt=a.txt x_A.txt=A.txt "
run_case "b.txt c.txt" B.TXT "c.txt=c.txt x_b.txt=b.txt "
echo "exact_case_names: 3 passed, 0 failed"
