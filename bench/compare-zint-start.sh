#!/usr/bin/env bash
# Start-up: lintaro-batch on a one-line input against zint writing one file, the same QR Code
# as PNG, run alternately 20 times. Prints the medians of wall and CPU (user + system) time
# and their ratios lintaro-batch / zint.
# Usage: bench/compare-zint-start.sh [path/to/lintaro-batch] [runs]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lintaro="${1:-$here/build-rel/src/cli/lintaro-batch}"
runs="${2:-20}"
command -v zint >/dev/null || { echo "zint is not installed (Debian package zint)" >&2; exit 2; }
[ -x "$lintaro" ] || { echo "no lintaro-batch at $lintaro" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
text='LBL/00001-9e37'
printf '%s\n' "$text" >"$work/input.txt"

measure() { # file command... -> appends "wall cpu" seconds to file
  local file=$1 TIMEFORMAT='%3R %3U %3S'
  shift
  { time "$@" >/dev/null 2>&1; } 2>"$work/time"
  awk '{print $1, $2 + $3}' "$work/time" >>"$file"
}

for ((r = 1; r <= runs; r++)); do
  rm -rf "$work/out" && mkdir "$work/out"
  measure "$work/zint" zint -b 58 --scale=1 -d "$text" -o "$work/out/zint.png"
  measure "$work/lintaro" "$lintaro" -s zsQRCODE --quiet-zones none -f png -o "$work/out" \
    "$work/input.txt"
  [ -s "$work/out/zint.png" ] && [ -s "$work/out/1.png" ] || { echo "a file is missing" >&2; exit 1; }
done

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
column_median() { awk -v c="$2" '{print $c}' "$1" | median; }
for c in 1 2; do
  name=$([ "$c" = 1 ] && echo wall || echo cpu)
  z=$(column_median "$work/zint" "$c")
  l=$(column_median "$work/lintaro" "$c")
  printf '%-4s median: zint %.3f s, lintaro-batch %.3f s, ratio %s\n' "$name" "$z" "$l" \
    "$(awk -v l="$l" -v z="$z" 'BEGIN {if (z > 0) printf "%.1f", l / z; else print "(zint under the clock resolution)"}')"
done
