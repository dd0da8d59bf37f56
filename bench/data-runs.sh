#!/usr/bin/env bash
# Data files: whether reading one a record at a time keeps memory flat and time in step with the
# record count. For each of DATA_COUNTS (default 10000 1000000) a CSV file of that many records
# (a header, then "N,TR-000000N" with CRLF) is made, and measured by GNU time (wall time, peak
# resident set size):
#   print:  tallyrune-cli print DOC --data FILE --column part -o out.pdf, the document on the
#           Letter sheet of 30 labels (3 x 10) at 300 dpi: both passes, every record printed;
#   check:  the same with a last record Code 128 cannot carry: the first pass alone, which reads
#           and checks every record, then refuses the file before a page is printed;
#   stdin:  the check run with the file on standard input (--data -), which is also copied to a
#           temporary file for the second pass.
# Per series the biggest run's peak RSS is judged against the smallest run's: "flat" when within
# 10% of it. PRINT_COUNTS (default DATA_COUNTS) chooses the print runs, which take longest.
# Usage: bench/data-runs.sh [BUILD]; files go to a fresh folder under BENCH_DIR (default
# /dev/shm when it exists, so that the disk does not dominate).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
read -r -a counts <<<"${DATA_COUNTS:-10000 1000000}"
read -r -a printCounts <<<"${PRINT_COUNTS:-${counts[*]}}"
source "$root/bench/gnu-time.sh"
bench_workspace "${1:-build}" data

export TMPDIR=$work # standard input's copy
write_label_sheet sheet.tlr

# data COUNT [LAST]: the CSV file of COUNT records, the last one's text LAST when given.
data() {
    awk -v n="$1" -v last="${2:-}" 'BEGIN {
        printf "id,part\r\n"
        for (i = 1; i <= n; i++) printf "%d,%s\r\n", i, (i == n && last != "") ? last : sprintf("TR-%07d", i)
    }'
}

# measure SERIES COUNT STATUS CHECK COMMAND...: one run under GNU time ending with STATUS; CHECK
# (a command) must then succeed. Appends "SERIES COUNT SECONDS KB" to results.txt.
measure() {
    local series=$1 count=$2 status=$3 check=$4
    shift 4
    rm -f sheet.pdf
    gnu_time "$status" "$@"
    $check "$count" || { echo "$series $count: wrong output" >&2; cat run.log >&2; exit 1; }
    echo "$series $count $seconds $kb" >>results.txt
}

printed() { [[ $(pdfinfo sheet.pdf | awk '/^Pages:/ { print $2 }') -eq $((($1 + 29) / 30)) ]]; }
# The last record, on line COUNT + 1, is refused, and nothing is printed.
refused() { grep -q ", line $(($1 + 1)): Code 128 cannot carry" run.log && [[ ! -e sheet.pdf ]]; }

for count in "${counts[@]}"; do
    data "$count" 'TR-€' >refused.csv
    measure check "$count" 1 refused "$cli" print sheet.tlr --data refused.csv --column part \
        -o sheet.pdf
    measure stdin "$count" 1 refused "$cli" print sheet.tlr --data - --column part \
        -o sheet.pdf <refused.csv
done
rm -f refused.csv
for count in "${printCounts[@]}"; do
    data "$count" >data.csv
    measure print "$count" 0 printed "$cli" print sheet.tlr --data data.csv --column part \
        -o sheet.pdf --dpi 300
done

echo "$(nproc) processors, load $(cut -d' ' -f1-3 /proc/loadavg); files under $base"
awk '
    BEGIN { printf "%-6s %8s %10s %12s %9s\n", "series", "records", "seconds", "us/record", "peak MB" }
    { printf "%-6s %8d %10.3f %12.2f %9.1f\n", $1, $2, $3, $3 / $2 * 1e6, $4 / 1024
      if (!($1 in low) || $2 < low[$1]) { low[$1] = $2; lowRss[$1] = $4 }
      if ($2 >= top[$1]) { top[$1] = $2; topRss[$1] = $4 } }
    END {
        for (s in top) {
            if (top[s] == low[s]) continue
            rss = topRss[s] / lowRss[s]
            printf "%s: peak RSS of %d records / %d records = %.3f (%s)\n", s, top[s], low[s], rss,
                   (rss <= 1.10 && rss >= 0.90 ? "within 10%" : "NOT within 10%")
        }
    }' results.txt
