#!/usr/bin/env bash
# Builds the libFuzzer targets in BUILD (configured by `make fuzz`: clang, sanitizers, fuzzing coverage)
# and runs each for SECONDS seconds (default 30) on a copy of its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
seconds=${2:-30}
targets=$(cd fuzz && ls *_fuzz.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$build" -j"$(nproc)" --target $targets
for name in $targets; do
  corpus=fuzz/corpus/${name%_fuzz}
  work=$(mktemp -d)
  cp -r "$corpus"/. "$work"/ 2>/dev/null || true
  echo "== fuzzing ${name%_fuzz} for ${seconds}s"
  # An absolute corpus path: the script target moves into a scratch directory of its own.
  LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0" \
  "$build/fuzz/$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=4096 \
      -print_final_stats=1 -artifact_prefix="$work/" "$work" 2>&1 | tail -n 6
  rm -rf "$work"
done
