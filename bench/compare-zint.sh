#!/usr/bin/env bash
# Wall time of lintaro-batch against zint --batch on the same texts at the same pixel size,
# both writing PNG files into fresh folders. Runs the two programs alternately five times
# and prints the median ratio lintaro-batch / zint for -j 1 and -j 2 and both data sets.
# Usage: bench/compare-zint.sh [path/to/lintaro-batch]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lintaro="${1:-$here/build-rel/src/cli/lintaro-batch}"
rounds=5
count=1000
command -v zint >/dev/null || { echo "zint is not installed (Debian package zint)" >&2; exit 2; }
[ -x "$lintaro" ] || { echo "no lintaro-batch at $lintaro" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for ((i = 1; i <= count; i++)); do printf 'ITEM-%06d\n' "$i"; done >"$work/code128.txt"
# About 60 characters each.
for ((i = 1; i <= count; i++)); do
  printf 'https://www.kelmora.example/lintaro/item/%06d?lot=ABCDEFGH\n' "$i"
done >"$work/qr.txt"

# zint's PNG at --scale=1 has 2-pixel modules; lintaro-batch scales the symbol into --size,
# so giving it zint's image size yields the same 2-pixel modules.
png_size() { # file -> WxH from the PNG header
  od -An -tu1 -j16 -N8 "$1" | awk '{printf "%dx%d", $3*256+$4, $7*256+$8}'
}

seconds() { # command... -> elapsed wall seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN {print b - a}'
}

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

compare() { # name zint-barcode-number lintaro-symbology input
  local name=$1 zintType=$2 symbology=$3 input=$4
  zint -b "$zintType" --scale=1 -d "$(head -n1 "$input")" -o "$work/probe.png" >/dev/null
  local size
  size=$(png_size "$work/probe.png")
  for jobs in 1 2; do
    local ratios=()
    for ((r = 1; r <= rounds; r++)); do
      local out="$work/out-$name-$jobs-$r"
      mkdir -p "$out/zint" "$out/lintaro"
      local tz tl
      tz=$(seconds zint -b "$zintType" --scale=1 --batch --filetype=PNG \
        -o "$out/zint/~~~~~.png" -i "$input")
      tl=$(seconds "$lintaro" -s "$symbology" --size "$size" -f png -j "$jobs" \
        -o "$out/lintaro" "$input")
      ratios+=("$(awk -v l="$tl" -v z="$tz" 'BEGIN {print l / z}')")
      local nz nl
      nz=$(find "$out/zint" -name '*.png' | wc -l)
      nl=$(find "$out/lintaro" -name '*.png' | wc -l)
      [ "$nz" -eq "$count" ] && [ "$nl" -eq "$count" ] ||
        { echo "$name: zint wrote $nz, lintaro-batch $nl files" >&2; exit 1; }
      rm -rf "$out"
    done
    # zint has no parallel mode: -j 2 compares against the same single-threaded zint.
    printf '%-8s %s  -j %d  median lintaro-batch/zint = %.2f\n' "$name" "$size" "$jobs" \
      "$(printf '%s\n' "${ratios[@]}" | median)"
  done
}

compare code128 20 zsCODE128 "$work/code128.txt"
compare qr 58 zsQRCODE "$work/qr.txt"
