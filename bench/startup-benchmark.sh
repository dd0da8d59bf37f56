#!/usr/bin/env bash
# Times tallyrune from its start to its main window mapped on a fresh X server (Xvfb, no window
# manager): the whole path, loading Qt and fontconfig included. The window is looked for as fast
# as xdotool can ask (a few milliseconds a look). Prints each run and the median.
# Usage: bench/startup-benchmark.sh [BUILD] ; STARTUP_RUNS (default 9) runs.
set -euo pipefail
build=${1:-build}
runs=${STARTUP_RUNS:-9}
program=$(cd "$build" && pwd)/tallyrune
work=$(mktemp -d)
xvfb="" app=""
cleanup() {
    for pid in $app $xvfb; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
number=90
while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
until xdpyinfo >/dev/null 2>&1; do sleep 0.01; done

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
times=()
for ((run = 0; run < runs; run++)); do
    rm -rf "$XDG_CONFIG_HOME"
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    app=$!
    until xdotool search --onlyvisible --name '^Tallyrune v3.1$' >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { echo "tallyrune stopped" >&2; exit 1; }
    done
    end=$(date +%s%N)
    kill "$app" && wait "$app" 2>/dev/null || true
    app=""
    times+=($(((end - start) / 1000000)))
    echo "run $((run + 1)): ${times[-1]} ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "start-up to the main window mapped: median $median ms of $runs runs"
