#!/usr/bin/env bash
# Batch export speed of a two-dimensional symbol: 5000 QR Codes of 40 characters as PNG at 3
# dots a module (10 mils at 300 dpi; zint --batch draws the same module at --scale 1.5), error
# correction M and the 4-module quiet zone in both, no readable text, written by
# tallyrune-cli --batch beside zint --batch. The two take turns, BENCH_RUNS times (default 5);
# each figure is the median wall time and user + system CPU time. The goal: at least 2x zint's
# speed by wall time.
# Usage: bench/matrix-batch-benchmark.sh [BUILD]; files go to a fresh folder under BENCH_DIR
# (default /dev/shm when it exists, so that the disk does not dominate).
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${BENCH_RUNS:-5}
count=${BENCH_COUNT:-5000}
base=${BENCH_DIR:-$([[ -d /dev/shm && -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")}
export QT_QPA_PLATFORM=offscreen
for tool in "$build/tallyrune-cli" "$(command -v zint)"; do
    [[ -x $tool ]] || { echo "missing $tool: make build (zint: tools/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d "$base/tallyrune-qr-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT
for i in $(seq 1 "$count"); do printf 'https://tallyrune.example/item/%08d/\n' "$i"; done \
    >"$work/list.txt"
[[ $(head -1 "$work/list.txt" | tr -d '\n' | wc -c) -eq 40 ]] || { echo "not 40 characters" >&2; exit 1; }

tallyrune() {
    "$build/tallyrune-cli" export --type "QR Code" --ecc M --no-readable --batch "$work/list.txt" \
        -o "$1/{n}.png"
}
zint_batch() {
    zint -b 58 --secure=2 --quietzones --batch -i "$work/list.txt" --scale 1.5 --filetype=PNG \
        -o "$1/~~~~~.png"
}
programs=(tallyrune zint_batch)

. "$(dirname "$0")/timing.sh"

declare -A walls=() cpus=()
for ((run = 0; run < runs; run++)); do
    for program in "${programs[@]}"; do
        folder="$work/$program"
        rm -rf "$folder" && mkdir "$folder"
        read -r wall cpu < <(timed $program "$folder")
        [[ $(find "$folder" -name '*.png' | wc -l) -eq $count ]] ||
            { echo "$program wrote the wrong number of files" >&2; exit 1; }
        walls[$program]+="$wall "
        cpus[$program]+="$cpu "
    done
done
# The same symbol: both first pictures have the same size.
ours=$(file -b "$work/tallyrune/1.png" | grep -o '[0-9]* x [0-9]*')
theirs=$(file -b "$work/zint_batch/00001.png" | grep -o '[0-9]* x [0-9]*')

echo "Batch export: $count QR Codes of 40 characters, PNG, 3 dots a module ($ours beside zint's" \
    "$theirs); median of $runs runs taking turns; $(nproc) processors; files under $base"
wall() { tr ' ' '\n' <<<"${walls[$1]}" | grep . | median; }
cpu() { tr ' ' '\n' <<<"${cpus[$1]}" | grep . | median; }
printf '%-12s %10s %10s\n' program "wall s" "cpu s"
for program in "${programs[@]}"; do
    printf '%-12s %10.3f %10.3f\n' "$program" "$(wall "$program")" "$(cpu "$program")"
done
awk -v z="$(wall zint_batch)" -v t="$(wall tallyrune)" -v zc="$(cpu zint_batch)" \
    -v tc="$(cpu tallyrune)" 'BEGIN {
    printf "speed against zint: %.2fx by wall time (%.2fx by CPU time); goal 2x: %s\n",
        z / t, zc / tc, ((z / t >= 2) ? "met" : "NOT met") }'
