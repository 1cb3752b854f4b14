#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for SECONDS each on its seeds in
# fuzz/corpus/<name>/ (left unchanged: new inputs go to a scratch folder).
# Fails on the first target with a finding or without seeds.
# Usage: scripts/run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:?build folder}
seconds=${2:?seconds per target}
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz" >&2; exit 1; }
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
for target in "${targets[@]}"; do
  [ -x "$target" ] && [ -f "$target" ] || continue
  name=${target##*/fuzz_}
  seeds="$here/fuzz/corpus/$name"
  if [ ! -d "$seeds" ] || [ -z "$(ls -A "$seeds")" ]; then
    echo "fuzz_$name: no seeds in fuzz/corpus/$name" >&2
    exit 1
  fi
  mkdir -p "$scratch/$name"
  log="$scratch/$name.log"
  if "$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$scratch/$name-" "$scratch/$name" "$seeds" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$name: ${seconds}s, ${runs:-?} runs, no finding"
  else
    echo "fuzz_$name: FINDING" >&2
    tail -n 60 "$log" >&2
    for crash in "$scratch/$name"-*; do
      echo "input: $(base64 -w0 "$crash" | head -c 4000)" >&2
    done
    exit 1
  fi
done
