#!/bin/sh
# Checks and sizes the floor framing schedule (floor_framing.csv) with the AISC 360-22 flexure form and
# compares the table with floor_framing.expected.csv; the reports go to OUTDIR/reports.
# Usage: run_floor_framing.sh PATH/TO/vardelin-cli [OUTDIR]
set -eu
cli=$1
out=${2:-.}
here=$(dirname "$0")
mkdir -p "$out"
"$cli" --settings "$out/floor_framing.ini" --batch "Steel Flexure AISC 360-22" "$here/floor_framing.csv" \
  --lightest --reports "$out/reports" >"$out/floor_framing.out.csv"
cmp "$here/floor_framing.expected.csv" "$out/floor_framing.out.csv"
echo "floor framing: $(($(wc -l <"$out/floor_framing.out.csv") - 1)) beams, as expected"
