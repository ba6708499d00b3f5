#!/usr/bin/env bash
# Screenshots of every form at 1366 x 768 (scale 1) and at 2560 x 1440 with QT_SCALE_FACTOR=2, into
# docs/screenshots/forms-1366x768 and docs/screenshots/forms-2560x1440-x2; fails when a form does not
# fit its screen. Usage: tools/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target gui_screenshots -j2 >/dev/null
tool="$build/tools/screenshots/gui_screenshots"
status=0
for size in 1366x768:1 2560x1440:2; do
  screen=${size%%:*}
  scale=${size##*:}
  out="docs/screenshots/forms-$screen"
  [ "$scale" != 1 ] && out="$out-x$scale"
  rm -rf "$out"
  QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/gui/screens/$screen.json" QT_SCALE_FACTOR=$scale \
    "$tool" --forms "$out" | grep -v '\.png$' || status=1
done
exit $status
