#!/usr/bin/env bash
# Runs each fuzz target in turn for SECONDS over its seed corpus (tests/fuzz/corpus/<target>,
# read only) and a work corpus in the build folder, and prints executions and coverage per
# target. The first finding stops the run with status 1; libFuzzer leaves the input under
# BUILD/findings/<target>/. Usage: tools/run-fuzz.sh BUILD SECONDS
set -euo pipefail
build=$1
seconds=$2
source=$(cd "$(dirname "$0")/.." && pwd)
for target in $(cat "$build/tests/fuzz/targets.txt"); do
    name=${target#fuzz_}
    work="$build/corpus/$name"
    findings="$build/findings/$name"
    log="$build/$target.log"
    mkdir -p "$work" "$findings"
    if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "$source/tests/fuzz/corpus/$name" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz: $target found a fault; the input is in $findings/" >&2
        exit 1
    fi
    done=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)
    printf '%-20s %s\n' "$target" "$(sed -E 's/^#([0-9]+)[[:space:]]+DONE[[:space:]]+(cov: [0-9]+ ft: [0-9]+).*exec\/s: ([0-9]+).*/\1 runs, \2, \3 exec\/s/' <<<"$done")"
done
