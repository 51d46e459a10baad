#!/usr/bin/env bash
# Runs every libFuzzer target of the native tree for a bounded time, seeded
# from its corpus in the repository (new inputs go to a scratch directory).
# Usage: fuzz/smoke.sh build/native [seconds per target]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
NAT=${1:?native build directory}
SECS=${2:-${FUZZ_SECONDS:-60}}
SAMPLES=${VELTO_CORPUS:-$ROOT/../shared/corpus}/files
rc=0
shopt -s nullglob
for bin in "$NAT"/fuzz/*/fuzz_*; do
  [ -x "$bin" ] || continue
  group=$(basename "$(dirname "$bin")")
  scratch=$(mktemp -d)
  args=(-max_total_time="$SECS" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0)
  for d in "$ROOT/fuzz/$group"/*.dict; do args+=(-dict="$d"); done
  seeds=()
  [ -d "$ROOT/fuzz/$group/corpus" ] && seeds+=("$ROOT/fuzz/$group/corpus")
  # corpus-dirs names folders of the shared sample corpus that seed the group
  # too; they are read in place, never copied into the repository.
  if [ -f "$ROOT/fuzz/$group/corpus-dirs" ]; then
    while read -r d; do
      [ -n "$d" ] && [ -d "$SAMPLES/$d" ] && seeds+=("$SAMPLES/$d")
    done <"$ROOT/fuzz/$group/corpus-dirs"
  fi
  echo "-- $(basename "$bin") for ${SECS}s"
  if ! "$bin" "${args[@]}" -artifact_prefix="$scratch/" "$scratch" "${seeds[@]}" >"$scratch/log" 2>&1; then
    echo "FAILED: $(basename "$bin")"; tail -40 "$scratch/log"; rc=1
  else
    grep -E '^Done|#[0-9]+.*DONE' "$scratch/log" | tail -1 || true
  fi
  rm -rf "$scratch"
done
exit $rc
