#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS seconds (default 30) on a copy of its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B $build -DCMAKE_BUILD_TYPE=Debug -DVD_FUZZ=ON -DVD_BUILD_GUI=OFF -DVD_WERROR=OFF >/dev/null
cmake --build $build -j"$(nproc)"
for target in $build/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  work=$(mktemp -d)
  cp -r fuzz/corpus/"$name"/. "$work"/ 2>/dev/null || true
  echo "== fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 "$work" 2>&1 | tail -n 12
  rm -rf "$work"
done
