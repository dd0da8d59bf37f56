#!/usr/bin/env bash
# Batch export speed: EAN-13 PNG pictures at 3 dots a module (10 mils at 300 dpi; zint --batch
# draws the same module at --scale 1.5) written by tallyrune-cli --batch, on all processors and
# on one (--jobs 1), beside zint --batch and beside the floor, bench_write_floor writing the
# same bytes to as many files. Three cases: 5000 images into a new folder, 5000 replacing the
# files of an earlier run, 1000 into a new folder. Each figure is the median of BENCH_RUNS
# (default 5) runs, the programs taking turns; wall time, and user + system CPU time. Speed
# against zint is zint's time over ours; the goal is judged on wall time.
# Usage: bench/batch-benchmark.sh [BUILD]; the files go to a fresh folder under BENCH_DIR
# (default /dev/shm when it exists, so that the disk does not dominate).
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${BENCH_RUNS:-5}
base=${BENCH_DIR:-$([[ -d /dev/shm && -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")}
export QT_QPA_PLATFORM=offscreen
for tool in "$build/tallyrune-cli" "$build/bench/bench_write_floor" "$(command -v zint)"; do
    [[ -x $tool ]] || { echo "missing $tool: make build (zint: tools/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d "$base/tallyrune-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT
for count in 1000 5000; do
    for i in $(seq 1 "$count"); do printf '4006381%05d\n' "$i"; done >"$work/list-$count.txt"
done
"$build/tallyrune-cli" export --type "EAN 13" --text 400638100001 -o "$work/sample.png" >/dev/null

# The programs, each writing the list $1 into the folder $2.
tallyrune() { "$build/tallyrune-cli" export --type "EAN 13" --batch "$1" -o "$2/{n}.png"; }
tallyrune_1() { "$build/tallyrune-cli" export --type "EAN 13" --batch "$1" --jobs 1 -o "$2/{n}.png"; }
zint_batch() {
    zint -b 13 --batch -i "$1" --scale 1.5 --height 65 --filetype=PNG -o "$2/~~~~~.png"
}
floor() { "$build/bench/bench_write_floor" "$work/sample.png" "$(wc -l <"$1")" "$2"; }
programs=(tallyrune tallyrune_1 zint_batch floor)

. "$(dirname "$0")/timing.sh"

# measure CASE COUNT: $runs rounds of every program; prints "PROGRAM WALL CPU" medians.
measure() {
    local kind=$1 count=$2 run program folder
    declare -A walls=() cpus=()
    for program in "${programs[@]}"; do # a replacing run finds the files of a first run
        folder="$work/$program"
        rm -rf "$folder" && mkdir "$folder"
        [[ $kind == replace ]] && $program "$work/list-$count.txt" "$folder" >/dev/null
    done
    for ((run = 0; run < runs; run++)); do
        for program in "${programs[@]}"; do
            folder="$work/$program"
            [[ $kind == new ]] && { rm -rf "$folder" && mkdir "$folder"; }
            read -r wall cpu < <(timed $program "$work/list-$count.txt" "$folder")
            [[ $(find "$folder" -name '*.png' | wc -l) -eq $count ]] ||
                { echo "$program wrote the wrong number of files" >&2; exit 1; }
            walls[$program]+="$wall "
            cpus[$program]+="$cpu "
        done
    done
    for program in "${programs[@]}"; do
        echo "$program $(tr ' ' '\n' <<<"${walls[$program]}" | grep . | median)" \
            "$(tr ' ' '\n' <<<"${cpus[$program]}" | grep . | median)"
    done
}

echo "Batch export: EAN-13 PNG, 3 dots a module; median of $runs runs taking turns;" \
    "$(nproc) processors; files under $base"
printf '%-16s %6s  %-15s %-15s %-15s %-15s %7s %7s  %s\n' case images "tallyrune" \
    "tallyrune -j1" "zint" "floor" "x zint" "(cpu)" goal
printf '%-16s %6s  %-15s %-15s %-15s %-15s %7s %7s\n' "" "" "wall / cpu s" "wall / cpu s" \
    "wall / cpu s" "wall / cpu s" "wall" "cpu"
for row in "new 5000 3 new folder" "replace 5000 2.5 replacing" "new 1000 2 new folder"; do
    read -r kind count goal name <<<"$row"
    measure "$kind" "$count" | awk -v name="$name" -v count="$count" -v goal="$goal" '
        { wall[NR] = $2; cpu[NR] = $3; cell[NR] = sprintf("%.3f / %.3f", $2, $3) }
        END {
            speed = wall[3] / wall[1]; cpuSpeed = cpu[3] / cpu[1]
            printf "%-16s %6d  %-15s %-15s %-15s %-15s %6.2fx %6.2fx  %sx: %s\n", name, count,
                   cell[1], cell[2], cell[3], cell[4], speed, cpuSpeed, goal,
                   (speed >= goal ? "met" : "not met")
        }'
done
