#!/usr/bin/env bash
# Wall time of lintaro-batch against zint --batch on the same texts at the same pixel size,
# both writing PNG files into fresh folders. Runs the two programs alternately five times
# and prints the median ratio lintaro-batch / zint for -j 1 and -j 2 and every data set.
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

# Label texts as a batch of labels carries them, and the digits of EAN-13 numbers.
for ((i = 1; i <= count; i++)); do printf 'LBL/%05d-%04x\n' "$i" $(((i * 40503) % 65536)); done >"$work/labels.txt"
for ((i = 1; i <= count; i++)); do printf '590123%06d\n' "$i"; done >"$work/ean13.txt"
# The hardest realistic case for QR Code: a web address of about 60 characters.
for ((i = 1; i <= count; i++)); do
  printf 'https://www.kelmora.example/lintaro/item/%06d?lot=ABCDEFGH\n' "$i"
done >"$work/urls.txt"

# zint's PNG at --scale=1 has 2-pixel modules, as lintaro-batch's default has, and no quiet
# zones for these symbologies. Matrix symbols then come out at the same pixel size as they
# stand; linear ones are given zint's image size with bars that fill it, as the two draw
# their text differently.
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

compare() { # name zint-barcode-number lintaro-symbology input linear|matrix
  local name=$1 zintType=$2 symbology=$3 input=$4 shape=$5
  zint -b "$zintType" --scale=1 -d "$(head -n1 "$input")" -o "$work/probe.png" >/dev/null
  local size
  size=$(png_size "$work/probe.png")
  local sizing=(--quiet-zones none)
  [ "$shape" = linear ] && sizing+=(--size "$size" --bar-height fill)
  for jobs in 1 2; do
    local ratios=()
    for ((r = 1; r <= rounds; r++)); do
      local out="$work/out-$name-$jobs-$r"
      mkdir -p "$out/zint" "$out/lintaro"
      local tz tl
      tz=$(seconds zint -b "$zintType" --scale=1 --batch --filetype=PNG \
        -o "$out/zint/~~~~~.png" -i "$input")
      tl=$(seconds "$lintaro" -s "$symbology" "${sizing[@]}" -f png -j "$jobs" \
        -o "$out/lintaro" "$input")
      ratios+=("$(awk -v l="$tl" -v z="$tz" 'BEGIN {print l / z}')")
      local nz nl
      nz=$(find "$out/zint" -name '*.png' | wc -l)
      nl=$(find "$out/lintaro" -name '*.png' | wc -l)
      [ "$nz" -eq "$count" ] && [ "$nl" -eq "$count" ] ||
        { echo "$name: zint wrote $nz, lintaro-batch $nl files" >&2; exit 1; }
      [ "$(png_size "$out/zint/00500.png")" = "$(png_size "$out/lintaro/500.png")" ] ||
        { echo "$name: images of different sizes" >&2; exit 1; }
      rm -rf "$out"
    done
    # zint has no parallel mode: -j 2 compares against the same single-threaded zint.
    printf '%-8s %s  -j %d  median lintaro-batch/zint = %.2f\n' "$name" "$size" "$jobs" \
      "$(printf '%s\n' "${ratios[@]}" | median)"
  done
}

compare code128 20 zsCODE128 "$work/labels.txt" linear
compare qr 58 zsQRCODE "$work/labels.txt" matrix
compare qr-url 58 zsQRCODE "$work/urls.txt" matrix
compare datamatrix 71 zsDATAMATRIX "$work/labels.txt" matrix
compare ean13 13 zsEANX "$work/ean13.txt" linear
compare pdf417 55 zsPDF417 "$work/labels.txt" matrix
