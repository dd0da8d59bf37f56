#!/usr/bin/env bash
# Prints 3000 Code 128 labels LB0001Z..LB3000Z on 100 Letter pages of 30 labels (3 x 10,
# 2.625 x 1 inch) with tallyrune-cli (a sequence, 600 dpi) and with glabels-3-batch (a CSV
# merge), and compares pages per second and peak memory. tallyrune-cli also prints 10 pages, to
# show that its memory does not grow with the page count. Each figure is the fastest wall time
# and the highest peak RSS of BENCH_RUNS (default 3) runs.
# Usage: bench/print-benchmark.sh [BUILD_DIR]   (default build; tallyrune-cli must be built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cli=$(realpath "${1:-build}")/tallyrune-cli
[[ -x $cli ]] || { echo "missing $cli: cmake --build ${1:-build} --target tallyrune-cli" >&2; exit 1; }
runs=${BENCH_RUNS:-3}
export QT_QPA_PLATFORM=offscreen

# glabels and GNU time are needed only here, so they are installed here, not with the build.
missing=()
command -v glabels-3-batch >/dev/null || missing+=(glabels)
[[ -x /usr/bin/time ]] || missing+=(time)
((${#missing[@]} == 0)) || tools/install-deps.sh <(printf '%s\n' "${missing[@]}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The sheet as a Tallyrune document: Code 128 0.5 inch high, the sequence LB0001Z onwards.
printf '%s\r\n' '[BARCODE]' METRIC=0 HEIGHT=0.5 SCALE=1 INTERPRET=1 TYPE=0 ROTATE=0 TEXT=HELLO \
    AUTOSIZE=1 BAR_WIDTH=10 '[SEQUENCE]' USE=1 MIN=0 MAX=999999999 CURRENT=1 MIN_SIZE=4 \
    PREFIX=LB SUFFIX=Z '[FORMAT]' HEIGHT=1 WIDTH=2.625 TOPMARGIN=0.5 LEFTMARGIN=0.1875 \
    GAPHEIGHT=0 GAPWIDTH=0.125 METRIC=0 >sheet.tlr

# The same sheet for glabels 3, the data merged from codes.csv (its first column is field "1").
# Only the gnu-barcode backend has Code 128; it keeps the symbol's own proportions inside w x h.
seq -f 'LB%04gZ' 1 3000 >codes.csv
cat >sheet.glabels <<EOF
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Bench" part="30-up" size="US-Letter" description="3 x 10 labels">
    <Label-rectangle id="0" width="2.625in" height="1in" round="0in">
      <Layout nx="3" ny="10" x0="0.1875in" y0="0.5in" dx="2.75in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-barcode x="0in" y="0.25in" w="2.625in" h="0.5in" backend="gnu-barcode"
        style="Code128" text="True" checksum="True" field="1" color="0x000000ff"
        a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
  </Objects>
  <Merge type="Text/Comma" src="$work/codes.csv"/>
</Glabels-document>
EOF

# measure NAME PAGES PDF COMMAND...: runs COMMAND under GNU time $runs times, checks that PDF
# has PAGES pages and records "NAME PAGES SECONDS KB". The wall time is read from the clock
# around each run, because GNU time rounds it to 10 ms.
measure() {
    local name=$1 pages=$2 pdf=$3 best="" rss=0 run start end kb got
    shift 3
    for ((run = 0; run < runs; run++)); do
        rm -f "$pdf"
        start=$(date +%s%N)
        /usr/bin/time -v -o time.txt "$@" >run.log 2>&1 || { cat run.log time.txt >&2; exit 1; }
        end=$(date +%s%N)
        kb=$(awk '/Maximum resident set size/ { print $NF }' time.txt)
        ((kb > rss)) && rss=$kb
        best=$(awk -v t=$((end - start)) -v b="$best" \
            'BEGIN { t /= 1e9; print (b == "" || t < b) ? t : b }')
    done
    got=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
    [[ $got == "$pages" ]] || { echo "$name: $pdf has $got pages, not $pages" >&2; exit 1; }
    echo "$name $pages $best $rss" >>results.txt
}

measure tallyrune-cli 100 ours.pdf "$cli" print sheet.tlr -o ours.pdf --pages 100 --dpi 600
measure tallyrune-cli 10 ours.pdf "$cli" print sheet.tlr -o ours.pdf --pages 10 --dpi 600
measure glabels-3-batch 100 theirs.pdf glabels-3-batch -o theirs.pdf sheet.glabels

echo "best of $runs runs; $(nproc) CPUs"
awk '
    BEGIN { printf "%-16s %6s %7s %9s %9s %8s\n", "program", "pages", "labels", "seconds",
            "pages/s", "peak MB" }
    { rate[NR] = $2 / $3
      printf "%-16s %6d %7d %9.3f %9.1f %8.1f\n", $1, $2, $2 * 30, $3, rate[NR], $4 / 1024 }
    END { ratio = rate[1] / rate[3]
          printf "pages per second, tallyrune-cli / glabels-3-batch: %.1fx (goal 10x: %s)\n",
                 ratio, (ratio >= 10) ? "met" : "not met" }
' results.txt
