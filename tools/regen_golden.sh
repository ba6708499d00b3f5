#!/usr/bin/env bash
# Rewrites every NAME.expected beside the example and golden scripts from what the program prints
# now, then shows what changed: review the diff before committing it.
# Usage: tools/regen_golden.sh BUILD   (the build folder, e.g. build)
set -euo pipefail
build=${1:?usage: tools/regen_golden.sh BUILD}
cd "$(dirname "$0")/.."
cmake --build "$build" --target test_golden vardelin-cli -j2 >/dev/null
VD_REGEN_GOLDEN=1 "$build/tests/golden/test_golden" --gtest_brief=1 >/dev/null
git status --short -- examples tests/golden
git diff --stat -- examples tests/golden
