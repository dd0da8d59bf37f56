# shellcheck shell=bash
# Sourced by the CLI timing scripts (long-runs.sh, data-runs.sh): GNU time's measure of a run,
# and the label sheet they print on.

# Installs GNU time when it is missing; it is needed only by these scripts.
need_gnu_time() {
    [[ -x /usr/bin/time ]] || "$(dirname "${BASH_SOURCE[0]}")/../tools/install-deps.sh" <(echo time)
}

# bench_workspace BUILD NAME: the build's tallyrune-cli in `cli`, and a fresh folder
# tallyrune-NAME.XXXXXX under BENCH_DIR (default /dev/shm when it is writable, so that the disk
# does not dominate) in `work` and as the current folder, removed at exit; `base` is where it is.
bench_workspace() {
    cli=$(realpath "$1")/tallyrune-cli
    [[ -x $cli ]] || { echo "missing $cli: make programs" >&2; exit 1; }
    base=${BENCH_DIR:-$([[ -d /dev/shm && -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")}
    export QT_QPA_PLATFORM=offscreen
    need_gnu_time
    work=$(mktemp -d "$base/tallyrune-$2.XXXXXX")
    # shellcheck disable=SC2064 # the folder is known now
    trap "rm -rf '$work'" EXIT
    cd "$work"
}

# gnu_time STATUS COMMAND...: one run of COMMAND under GNU time, its output in run.log, which must
# end with exit status STATUS (else the output is shown and the script stops). Sets `seconds`,
# the wall time read from the clock around the run (GNU time rounds it to 10 ms), and `kb`, the
# peak resident set size.
gnu_time() {
    local status=$1 start end ran=0
    shift
    start=$(date +%s%N)
    /usr/bin/time -v -o time.txt "$@" >run.log 2>&1 || ran=$?
    end=$(date +%s%N)
    ((ran == status)) || { cat run.log time.txt >&2; echo "exit status $ran, not $status" >&2; exit 1; }
    # shellcheck disable=SC2034 # read by the caller
    seconds=$(awk -v t=$((end - start)) 'BEGIN { print t / 1e9 }')
    # shellcheck disable=SC2034
    kb=$(awk '/Maximum resident set size/ { print $NF }' time.txt)
}

# write_label_sheet FILE: a document on the Letter sheet of 30 labels (3 x 10, 2.625 x 1 inch):
# Code 128 half an inch high, its sequence numbered LB000001Z onwards.
write_label_sheet() {
    printf '%s\r\n' '[BARCODE]' METRIC=0 HEIGHT=0.5 SCALE=1 INTERPRET=1 TYPE=0 ROTATE=0 TEXT=HELLO \
        AUTOSIZE=1 BAR_WIDTH=10 '[SEQUENCE]' USE=1 MIN=0 MAX=999999999 CURRENT=1 MIN_SIZE=6 \
        PREFIX=LB SUFFIX=Z '[FORMAT]' HEIGHT=1 WIDTH=2.625 TOPMARGIN=0.5 LEFTMARGIN=0.1875 \
        GAPHEIGHT=0 GAPWIDTH=0.125 METRIC=0 >"$1"
}
