# Shared by the batch benchmarks (sourced): timing one run and taking a median.

# Prints "WALL CPU" in seconds for one run of "$@": the clock, and the user + system time of the
# command as bash's `times` reports its children (to the millisecond).
timed() {
    local start end cpu
    start=$(date +%s%N)
    cpu=$({ "$@" >/dev/null; times; } | awk 'NR == 2 {
        split($0, t, /[ms ]+/); print t[1] * 60 + t[2] + t[3] * 60 + t[4] }')
    end=$(date +%s%N)
    echo "$(((end - start) / 1000))e-6 $cpu"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
