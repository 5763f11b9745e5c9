#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for SECONDS (default 60),
# one after the other, at low priority.
#   ./scripts/fuzz.sh [SECONDS] [TARGET...]
# What a target finds that raises coverage is kept in build/fuzz/corpus/TARGET,
# so later runs go on from there; a crashing input is saved as
# build/fuzz/artifacts/TARGET-crash-... (replay it: build/fuzz/tests/fuzz/TARGET FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
QVX_WITH_FUZZ=1 ./scripts/deps.sh
./scripts/configure.sh fuzz >/dev/null

build=build/fuzz
mkdir -p "$build/corpus" "$build/artifacts" "$build/logs"
failed=0
printf '%-24s %8s %14s %8s\n' target seconds executions crashes
while IFS='=' read -r target seed; do
  [ -n "$target" ] || continue
  if [ $# -gt 0 ] && [[ " $* " != *" $target "* ]]; then continue; fi
  corpus=$build/corpus/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus"
  status=0
  nice -n 10 "$build/tests/fuzz/$target" "$corpus" -seed_inputs="$seed" -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  crashes=$(find "$build/artifacts" -name "$target-*" -newer "$corpus" 2>/dev/null | wc -l)
  if [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ]; then crashes=1; fi
  printf '%-24s %8s %14s %8s\n' "$target" "$seconds" "${executions:-?}" "$crashes"
  if [ "$status" -ne 0 ]; then
    failed=1
    echo "  $target failed (exit $status); see $log" >&2
    grep -m 3 -E 'ERROR|SUMMARY|Test unit written' "$log" | sed 's/^/  /' >&2 || true
  fi
  touch "$corpus"
done <"$build/tests/fuzz/fuzzers.txt"
exit "$failed"
