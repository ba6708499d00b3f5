#!/usr/bin/env bash
# tools/form_result_screenshots.sh BUILD OUTDIR: a PNG of every design and analysis form right after
# Calculate, with the inputs of the example scripts, to look at what each form shows.
# BUILD is a configured build folder with vardelin-cli and gui_screenshots built.
set -euo pipefail
build=$(realpath "${1:?build folder}")
out=$(realpath -m "${2:?output folder}")
src=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
scratch=$(mktemp -d)
# gui_screenshots opens its forms with the settings of its own scratch folder: fill them from the examples.
settings=$(dirname "$(mktemp -u)")/vd_screenshots/Vardelin.ini
mkdir -p "$(dirname "$settings")"
rm -f "$settings"
(cd "$scratch" && for f in $(find "$src/examples" -name '*.txt' | sort); do
  "$build/src/cli/vardelin-cli" --settings "$settings" "$f" >/dev/null 2>&1 || true
done)
# Command ids with the caption of the button that calculates; the wood forms first pick their member.
# One run per form, so a form that stops on a message box costs only its own picture.
for shot in 603+Calculate 3001+Calculate 604+Calculate 553+Calculate 605+Calculate 559+Calculate 606+Calculate \
  544+Calculate 561+Calculate 552+Calculate "617+'As' to find 'Mom.'" "618+'Mom' to find 'As'" 608+Calculate \
  "600+Calculate the results" "599+Calculate the results" "601+Calculate the results" "602+Calculate the results" \
  929+Calculate "477+OK;479+Calculate" "477+OK;2450+Calculate" "478+OK;480+Calculate" "478+OK;2550+Calculate" \
  "483+OK;578+Calculate" 3601+Calculate 3602+Calculate 3603+Calculate; do
  IFS=';' read -r -a args <<<"$shot"  # several forms in one run: "PICK+OK;FORM+Calculate"
  QT_QPA_PLATFORM=offscreen timeout 30 "$build/tools/screenshots/gui_screenshots" "$out" "${args[@]}" ||
    echo "no picture for $shot" >&2
done
rm -rf "$scratch"
