#!/usr/bin/env bash
# Runs every libFuzzer target of the native tree for a bounded time, seeded
# from its corpus in the repository (new inputs go to a scratch directory).
# Usage: fuzz/smoke.sh build/native [seconds per target] [target ...]
# With target names (fuzz_riff ...), only those run. FUZZ_LOGDIR, when set,
# keeps each target's log there (its last lines give runs and coverage).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
NAT=${1:?native build directory}
SECS=${2:-${FUZZ_SECONDS:-60}}
shift $(( $# < 2 ? $# : 2 ))
ONLY=" $* "
SAMPLES=${VELTO_CORPUS:-$ROOT/../shared/corpus}/files
rc=0
shopt -s nullglob
for bin in "$NAT"/fuzz/*/fuzz_*; do
  [ -x "$bin" ] || continue
  [ "$ONLY" = "  " ] || [[ "$ONLY" == *" $(basename "$bin") "* ]] || continue
  group=$(basename "$(dirname "$bin")")
  scratch=$(mktemp -d)
  args=(-max_total_time="$SECS" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)
  for d in "$ROOT/fuzz/$group"/*.dict; do args+=(-dict="$d"); done
  seeds=()
  [ -d "$ROOT/fuzz/$group/corpus" ] && seeds+=("$ROOT/fuzz/$group/corpus")
  # <target>.corpus-dirs (or the group's corpus-dirs) names folders of the
  # shared sample corpus that seed the target too; they are read in place,
  # never copied into the repository.
  dirs=$ROOT/fuzz/$group/$(basename "$bin").corpus-dirs
  [ -f "$dirs" ] || dirs=$ROOT/fuzz/$group/corpus-dirs
  if [ -f "$dirs" ]; then
    while read -r d; do
      [ -n "$d" ] && [ -d "$SAMPLES/$d" ] && seeds+=("$SAMPLES/$d")
    done <"$dirs"
  fi
  echo "-- $(basename "$bin") for ${SECS}s"
  if ! "$bin" "${args[@]}" -artifact_prefix="$scratch/" "$scratch" "${seeds[@]}" >"$scratch/log" 2>&1; then
    keep=${FUZZ_LOGDIR:-$NAT}
    cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-* "$keep/" 2>/dev/null || true
    echo "FAILED: $(basename "$bin") (its input is kept in $keep)"; tail -40 "$scratch/log"; rc=1
  else
    grep -E '^Done|#[0-9]+.*DONE' "$scratch/log" | tail -1 || true
  fi
  [ -n "${FUZZ_LOGDIR:-}" ] && cp "$scratch/log" "$FUZZ_LOGDIR/$(basename "$bin").log"
  rm -rf "$scratch"
done
exit $rc
