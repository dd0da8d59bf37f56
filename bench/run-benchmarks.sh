#!/usr/bin/env bash
# Runs the drawing benchmark, then times 1000 Code 128 PNGs written by one tallyrune-cli
# --batch run against zint --batch writing the same 1000 symbols.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v zint >/dev/null || tools/install-deps.sh <(echo zint)
export QT_QPA_PLATFORM=offscreen

"$build/bench/bench_draw" --benchmark_min_time=0.5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for i in $(seq 1 1000); do printf 'TALLYRUNE-%010d\n' "$i"; done >"$work/list.txt"
mkdir -p "$work/ours" "$work/zint"

seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }'
}
ours=$(seconds "$build/tallyrune-cli" export --type "Code 128" --batch "$work/list.txt" \
    --module 3 --dpi 300 -o "$work/ours/{n}.png")
theirs=$(seconds zint -b 20 --batch -i "$work/list.txt" --scale 1.5 --height 50 \
    --filetype=PNG -o "$work/zint/~~~~.png")
echo "tallyrune-cli --batch: 1000 PNGs in ${ours} s ($(ls "$work/ours" | wc -l) files)"
echo "zint --batch:          1000 PNGs in ${theirs} s ($(ls "$work/zint" | wc -l) files)"
awk -v o="$ours" -v t="$theirs" 'BEGIN { printf "ratio (zint time / tallyrune time): %.2f\n", t / o }'
