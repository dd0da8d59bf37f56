#!/usr/bin/env bash
# Runs the drawing, export and window benchmarks, times the designer's start-up, and the batch
# export speed against zint and the floor (bench/batch-benchmark.sh) and of QR Codes against
# zint (bench/matrix-batch-benchmark.sh), then times tallyrune-cli
# --batch writing an EAN-13 and a 20-character Code 128 at 300 dpi (10 mils, 0.75 inch) in each
# of the eight formats, beside zint --batch writing the same symbols (3 pixels a module) in the
# formats it has. Each pair is also timed writing one image, so that the cost of an image
# without the program's start (loading Qt and fontconfig for the readable text, about 15 ms
# against zint's 1 ms) is shown beside it.
# Usage: bench/run-benchmarks.sh [BUILD] ; BENCH_IMAGES (default 2000) images per run, the
# best of BENCH_RUNS (default 3) runs; files go to a fresh folder under BENCH_DIR (default
# /dev/shm when it exists, so that the disk does not dominate).
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export QT_QPA_PLATFORM=offscreen
images=${BENCH_IMAGES:-2000}
runs=${BENCH_RUNS:-3}
base=${BENCH_DIR:-$([[ -d /dev/shm && -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")}

"$build/bench/bench_draw" --benchmark_min_time=0.5
TMPDIR="$base" "$build/bench/bench_export" --benchmark_min_time=0.2
"$build/bench/bench_window" --benchmark_min_time=0.5
"$build/bench/bench_shell" --benchmark_min_time=0.2
bench/startup-benchmark.sh "$build"
echo
BENCH_DIR="$base" bench/batch-benchmark.sh "$build"
echo
BENCH_DIR="$base" bench/matrix-batch-benchmark.sh "$build"

work=$(mktemp -d "$base/tallyrune-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
for i in $(seq 1 "$images"); do printf '4006381%05d\n' "$i"; done >"$work/ean13.txt"
for i in $(seq 1 "$images"); do printf 'TALLYRUNE-%010d\n' "$i"; done >"$work/code128.txt"
for symbol in ean13 code128; do head -1 "$work/$symbol.txt" >"$work/$symbol-1.txt"; done

# Seconds of the fastest of $runs runs of "${@:2}", each writing $1 files into an empty folder
# $work/out.
best_seconds() {
    local count=$1 best="" run start end
    shift
    for ((run = 0; run < runs; run++)); do
        rm -rf "$work/out" && mkdir "$work/out"
        start=$(date +%s.%N)
        "$@" >/dev/null
        end=$(date +%s.%N)
        [[ $(ls "$work/out" | wc -l) -eq $count ]] || { echo "wrong file count: $*" >&2; exit 1; }
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

# Microseconds an image takes without the program's start: the time of $images images less
# that of one, over $images - 1.
per_image() {
    awk -v n="$images" -v all="$1" -v one="$2" 'BEGIN { printf "%.1f", (all - one) / (n - 1) * 1e6 }'
}

ours() { # LIST SYMBOL EXT COUNT
    best_seconds "$4" "$build/tallyrune-cli" export --type "$(our_type "$2")" --batch "$1" --dpi 300 \
        -o "$work/out/{n}.$3"
}
theirs() { # LIST SYMBOL FORMAT EXT COUNT
    best_seconds "$5" zint -b "$(zint_type "$2")" --batch -i "$1" --scale 1.5 --height 65 \
        --filetype="$3" -o "$work/out/~~~~~.$4"
}

echo
echo "$images images per run, best of $runs, written under $base; per image: start excluded"
printf '%-8s %-6s %12s %10s %7s   %14s %10s %7s\n' symbol format "tallyrune/s" "zint/s" ratio \
    "tallyrune us" "zint us" ratio
for symbol in ean13 code128; do
    for ext in bmp png jpg tif emf wmf svg pdf; do
        all=$(ours "$work/$symbol.txt" $symbol $ext "$images")
        one=$(ours "$work/$symbol-1.txt" $symbol $ext 1)
        ourRate=$(awk -v t="$all" -v n="$images" 'BEGIN { printf "%.0f", n / t }')
        ourImage=$(per_image "$all" "$one")
        format=$(zint_format $ext)
        theirRate="-" ratio="-" theirImage="-" imageRatio="-"
        if [[ -n $format ]]; then
            theirAll=$(theirs "$work/$symbol.txt" $symbol "$format" $ext "$images")
            theirOne=$(theirs "$work/$symbol-1.txt" $symbol "$format" $ext 1)
            theirRate=$(awk -v t="$theirAll" -v n="$images" 'BEGIN { printf "%.0f", n / t }')
            ratio=$(awk -v o="$all" -v t="$theirAll" 'BEGIN { printf "%.2f", t / o }')
            theirImage=$(per_image "$theirAll" "$theirOne")
            imageRatio=$(awk -v o="$ourImage" -v t="$theirImage" 'BEGIN { printf "%.2f", t / o }')
        fi
        printf '%-8s %-6s %12s %10s %7s   %14s %10s %7s\n' "$symbol" "$ext" "$ourRate" \
            "$theirRate" "$ratio" "$ourImage" "$theirImage" "$imageRatio"
    done
done
