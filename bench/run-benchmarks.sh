#!/usr/bin/env bash
# Runs the drawing and export benchmarks, then times tallyrune-cli --batch writing an EAN-13
# and a 20-character Code 128 at 300 dpi (10 mils, 0.75 inch) in each of the eight formats,
# beside zint --batch writing the same symbols (3 pixels a module) in the formats it has.
# Usage: bench/run-benchmarks.sh [BUILD] ; BENCH_IMAGES (default 2000) images per run, the
# best of BENCH_RUNS (default 3) runs; files go to a fresh folder under BENCH_DIR (default
# /dev/shm when it exists, so that the disk does not dominate).
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v zint >/dev/null || tools/install-deps.sh <(echo zint)
export QT_QPA_PLATFORM=offscreen
images=${BENCH_IMAGES:-2000}
runs=${BENCH_RUNS:-3}
base=${BENCH_DIR:-$([[ -d /dev/shm && -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")}

"$build/bench/bench_draw" --benchmark_min_time=0.5
TMPDIR="$base" "$build/bench/bench_export" --benchmark_min_time=0.2

work=$(mktemp -d "$base/tallyrune-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
for i in $(seq 1 "$images"); do printf '4006381%05d\n' "$i"; done >"$work/ean13.txt"
for i in $(seq 1 "$images"); do printf 'TALLYRUNE-%010d\n' "$i"; done >"$work/code128.txt"

# Seconds of the fastest of $runs runs of "$@", each writing into an empty folder $work/out.
best_seconds() {
    local best="" run start end
    for ((run = 0; run < runs; run++)); do
        rm -rf "$work/out" && mkdir "$work/out"
        start=$(date +%s.%N)
        "$@" >/dev/null
        end=$(date +%s.%N)
        [[ $(ls "$work/out" | wc -l) -eq $images ]] || { echo "wrong file count: $*" >&2; exit 1; }
        best=$(awk -v s="$start" -v e="$end" -v b="$best" \
            'BEGIN { t = e - s; print (b == "" || t < b) ? t : b }')
    done
    echo "$best"
}

zint_type() { [[ $1 == ean13 ]] && echo 13 || echo 20; }
our_type() { [[ $1 == ean13 ]] && echo "EAN 13" || echo "Code 128"; }
zint_format() {
    case $1 in png) echo PNG ;; bmp) echo BMP ;; tif) echo TIF ;; emf) echo EMF ;; svg) echo SVG ;;
    *) echo "" ;; esac
}

echo
echo "$images images per run, best of $runs, written under $base"
printf '%-8s %-6s %14s %14s %8s\n' symbol format "tallyrune/s" "zint/s" ratio
for symbol in ean13 code128; do
    for ext in bmp png jpg tif emf wmf svg pdf; do
        ours=$(best_seconds "$build/tallyrune-cli" export --type "$(our_type $symbol)" \
            --batch "$work/$symbol.txt" --dpi 300 -o "$work/out/{n}.$ext")
        ourRate=$(awk -v t="$ours" -v n="$images" 'BEGIN { printf "%.0f", n / t }')
        format=$(zint_format $ext)
        if [[ -n $format ]]; then
            theirs=$(best_seconds zint -b "$(zint_type $symbol)" --batch -i "$work/$symbol.txt" \
                --scale 1.5 --height 65 --filetype="$format" -o "$work/out/~~~~~.$ext")
            theirRate=$(awk -v t="$theirs" -v n="$images" 'BEGIN { printf "%.0f", n / t }')
            ratio=$(awk -v o="$ours" -v t="$theirs" 'BEGIN { printf "%.2f", t / o }')
        else
            theirRate="-" ratio="-"
        fi
        printf '%-8s %-6s %14s %14s %8s\n' "$symbol" "$ext" "$ourRate" "$theirRate" "$ratio"
    done
done
