#!/usr/bin/env bash
# Takes the screenshots that the AppStream metainfo shows (resources/screenshots/) from the built
# designer on a private X server, as the end-to-end tests drive it: Xvfb and openbox started
# here and stopped by their PIDs, a private home, a barcode typed in, the print dialog opened.
# Usage: tools/take-screenshots.sh [BUILD] [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
out=${2:-$here/resources/screenshots}
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Polls a command for up to 20 s.
eventually() {
    for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "gave up waiting for: $*" >&2
    return 1
}

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime LANG=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
eventually test -s "$work/display"
export DISPLAY=:$(cat "$work/display")
openbox --sm-disable --startup "touch $work/openbox-ready" 2>/dev/null &
pids+=($!)
eventually test -e "$work/openbox-ready"

"$build/tallyrune" --new-instance 2>/dev/null &
pids+=($!)
main_window() { xdotool search --onlyvisible --name '^Tallyrune v3\.1'; }
eventually main_window
window=$(main_window | head -1)
# 16:9, as software centres show them
xdotool windowsize --sync "$window" 960 540 || true
xdotool windowactivate --sync "$window"
xdotool type --delay 20 "TALLYRUNE 2026"
mkdir -p "$out"
# The picture is redrawn a moment after the typing; wait until the window stops changing.
shot() { import -window "$1" "$2"; }
settled() {
    shot "$1" "$work/a.png" && sleep 0.5 && shot "$1" "$work/b.png" &&
        compare -metric AE "$work/a.png" "$work/b.png" null: 2>/dev/null
}
eventually settled "$window"
shot "$window" "$out/designer.png"

xdotool key ctrl+p
print_dialog() { xdotool search --onlyvisible --name '^Print Barcode$'; }
eventually print_dialog
dialog=$(print_dialog | head -1)
xdotool windowactivate --sync "$dialog"
eventually settled "$dialog"
shot "$dialog" "$out/print.png"
echo "screenshots in $out: $(cd "$out" && echo *.png)"
