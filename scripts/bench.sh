#!/usr/bin/env bash
# Runs every benchmark program and prints one table: name, real time per iteration, and the rate.
set -euo pipefail
build=${1:-build}
printf '%-52s %14s %18s\n' "benchmark" "time" "per second"
for program in "$build"/bench/bench_*; do
  [ -x "$program" ] || continue
  "$program" --benchmark_format=csv 2>/dev/null | awk -F, '
    NR > 1 && $1 != "" {
      name = $1; gsub(/"/, "", name)
      unit = $5; gsub(/"/, "", unit)
      if ($9 == "true") { printf "%-52s %14s %18s\n", name, "skipped", ""; next }
      scale = (unit == "ns") ? 1e-9 : (unit == "us") ? 1e-6 : (unit == "ms") ? 1e-3 : 1
      rate = ($7 != "") ? $7 : (($3 > 0) ? 1 / ($3 * scale) : 0)
      printf "%-52s %11.3f %-2s %18.0f\n", name, $3, unit, rate
    }'
done
