#!/usr/bin/env bash
# 1,000 serial-numbered Code 128 labels, 2 x 1 inch, three ways in one run:
#   zpl     tallyrune-cli print --roll -o labels.zpl: our own ZPL, one graphic field a label
#   driver  tallyrune-cli print --roll --printer Zebra: a PDF of one label a page through CUPS'
#           own Zebra ZPL driver (gstoraster, rastertolabel) on a private scheduler, timed until
#           the queue's file is complete (the job completed)
#   sheet   today's PDF sheet path: the same labels on Letter sheets of 40 (4 x 10), 600 dpi
# Each figure is the fastest wall time of BENCH_RUNS (default 3) runs.
# Usage: bench/label-printer-benchmark.sh [BUILD_DIR]   (tallyrune-cli must be built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=$(realpath "${1:-$root/build}")/tallyrune-cli
[[ -x $cli ]] || { echo "missing $cli: cmake --build ${1:-build} --target tallyrune-cli" >&2; exit 1; }
runs=${BENCH_RUNS:-3}
labels=${LABELS:-1000}
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
chmod 755 "$work" # the filters run as lp
cupsd_pid=""
cleanup() {
    [[ -n $cupsd_pid ]] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

# A private scheduler on a socket, with the Zebra ZPL driver on a file: device.
mkdir -p spool tmp cache state log ppd
chmod 1777 tmp
printf 'ServerRoot %s\nRequestRoot %s/spool\nTempDir %s/tmp\nCacheDir %s/cache\nStateDir %s/state\nAccessLog %s/log/access_log\nErrorLog %s/log/error_log\nPageLog %s/log/page_log\nPrintcap %s/printcap\nFileDevice Yes\n' \
    "$work" "$work" "$work" "$work" "$work" "$work" "$work" "$work" "$work" >cups-files.conf
printf 'Listen %s/cups.sock\nBrowsing No\nLogLevel warn\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n' \
    "$work" >cupsd.conf
/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$work/cups.sock
ppdc -d ppd /usr/share/cups/drv/sample.drv >/dev/null
for _ in $(seq 100); do
    lpadmin -p Zebra -E -v "file://$work/zebra.out" -P ppd/zebra.ppd 2>/dev/null && break
    sleep 0.1
done

# Code 128, 0.5 inch high, SN000001 onwards; a Letter sheet of 2 x 1 inch labels.
printf '%s\r\n' '[BARCODE]' METRIC=0 HEIGHT=0.5 TYPE=0 TEXT=SN '[SEQUENCE]' USE=1 CURRENT=1 \
    MIN_SIZE=6 PREFIX=SN '[FORMAT]' HEIGHT=1 WIDTH=2 TOPMARGIN=0.25 LEFTMARGIN=0.25 \
    GAPHEIGHT=0 GAPWIDTH=0 METRIC=0 >labels.tlr

now() { date +%s%N; }
# Waits until the queue has no job left unfinished.
wait_idle() { while [[ -n $(lpstat -o Zebra 2>/dev/null) ]]; do sleep 0.02; done; }

best() { # best NAME COMMAND...: the fastest of $runs runs, in seconds
    local name=$1 fastest="" start end took
    shift
    for _ in $(seq "$runs"); do
        start=$(now)
        "$@"
        end=$(now)
        took=$((end - start))
        if [[ -z $fastest ]] || ((took < fastest)); then fastest=$took; fi
    done
    awk -v n="$name" -v ns="$fastest" -v l="$labels" \
        'BEGIN { printf "%-8s %8.2f s  %7.1f labels/s\n", n, ns / 1e9, l / (ns / 1e9) }'
}

zpl() { "$cli" print labels.tlr --roll --paper 2x1in --labels "$labels" -o labels.zpl; }
driver() {
    rm -f zebra.out
    "$cli" print labels.tlr --roll --paper 2x1in --labels "$labels" --printer Zebra
    wait_idle
}
sheet() { "$cli" print labels.tlr --labels "$labels" -o sheet.pdf; }

echo "$labels labels of 2 x 1 in, Code 128, fastest of $runs runs:"
best zpl zpl
best driver driver
best sheet sheet
printf 'bytes: zpl %s, driver output %s, sheet pdf %s\n' "$(stat -c %s labels.zpl)" \
    "$(stat -c %s zebra.out)" "$(stat -c %s sheet.pdf)"
printf 'pages: zpl %s labels, driver %s labels\n' "$(grep -o '\^XA\^PW' labels.zpl | wc -l)" \
    "$(grep -o '\^XGR:' zebra.out | wc -l)"
