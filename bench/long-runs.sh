#!/usr/bin/env bash
# Long runs: whether memory stays flat and time grows in step with the work.
#   export: tallyrune-cli export --batch of EXPORT_COUNTS lines (default 1000 10000 100000),
#           Code 128 PNG pictures at 300 dpi;
#   print:  tallyrune-cli print of PRINT_COUNTS pages (default 100 1000 10000) of 30 sequence
#           labels (3 x 10, 2.625 x 1 inch, Letter, 600 dpi) to a PDF file (-o).
# Each run is measured by GNU time: wall time and peak resident set size. Per series the
# biggest run is judged against the 1,000-item run: "flat" when its peak RSS is within 10% of
# it, "linear" when its time per item is at most 20% above it (the program's start weighs less
# the longer the run, so a linear series shows a falling or level time per item).
# Usage: bench/long-runs.sh [BUILD]; files go to a fresh folder under BENCH_DIR (default
# /dev/shm when it exists, so that the disk does not dominate).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
read -r -a exportCounts <<<"${EXPORT_COUNTS:-1000 10000 100000}"
read -r -a printCounts <<<"${PRINT_COUNTS:-100 1000 10000}"
source "$root/bench/gnu-time.sh"
bench_workspace "${1:-build}" long


write_label_sheet sheet.tlr

# measure SERIES COUNT CHECK COMMAND...: one run under GNU time; CHECK (a command) must then
# succeed. Appends "SERIES COUNT SECONDS KB" to results.txt.
measure() {
    local series=$1 count=$2 check=$3
    shift 3
    gnu_time 0 "$@"
    $check "$count" || { echo "$series $count: wrong output" >&2; exit 1; }
    echo "$series $count $seconds $kb" >>results.txt
}

exported() { [[ $(find out -name '*.png' | wc -l) -eq $1 ]]; }
printed() { [[ $(pdfinfo sheet.pdf | awk '/^Pages:/ { print $2 }') -eq $1 ]]; }

for count in "${exportCounts[@]}"; do
    seq -f 'TALLYRUNE-%010g' 1 "$count" >list.txt
    rm -rf out && mkdir out
    measure export "$count" exported "$cli" export --batch list.txt --dpi 300 -o 'out/{n}.png'
done
rm -rf out
for count in "${printCounts[@]}"; do
    rm -f sheet.pdf
    measure print "$count" printed "$cli" print sheet.tlr -o sheet.pdf --labels $((count * 30)) \
        --dpi 600
done

echo "$(nproc) processors, load $(cut -d' ' -f1-3 /proc/loadavg); files under $base"
awk '
    BEGIN { printf "%-7s %7s %10s %12s %9s\n", "series", "items", "seconds", "us per item",
            "peak MB" }
    { printf "%-7s %7d %10.3f %12.1f %9.1f\n", $1, $2, $3, $3 / $2 * 1e6, $4 / 1024
      if ($2 == 1000) { baseRss[$1] = $4; baseTime[$1] = $3 / $2 }
      if ($2 >= top[$1]) { top[$1] = $2; topRss[$1] = $4; topTime[$1] = $3 / $2 } }
    END {
        for (s in top) {
            if (!(s in baseRss)) { printf "%s: no 1,000-item run to judge against\n", s; continue }
            rss = topRss[s] / baseRss[s]; time = topTime[s] / baseTime[s]
            printf "%s: peak RSS of %d items / 1,000 items = %.3f (%s); time per item %.2fx (%s)\n",
                   s, top[s], rss, (rss <= 1.10 ? "flat" : "NOT flat"), time,
                   (time <= 1.20 ? "linear" : "NOT linear")
        }
    }' results.txt
