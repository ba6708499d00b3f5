#!/usr/bin/env bash
# Runs every benchmark program and prints one table: name, real time per iteration and the rate
# (items per second where the benchmark counts items, else iterations per second).
set -euo pipefail
build=${1:-build}
for program in "$build"/bench/bench_*; do
  [ -x "$program" ] || continue
  "$program" --benchmark_format=json 2>/dev/null || true
done | python3 "$(dirname "$0")/bench_table.py"
