# Time from process start until the /FONT window is mapped, next to a bare Qt
# dialog of the same size, under an X server (Xvfb when none is running);
# medians of 15 runs each, and peak memory of each.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
corvane_install xvfb libx11-dev libxtst-dev
cmake --build "$CORVANE_BUILD" --target corvane bare_dialog >&2
gcc -O2 "$CORVANE_ROOT/tools/maptime.c" -o "$CORVANE_BUILD/maptime" -lX11 -lXtst
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:97
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid' EXIT
    sleep 1
fi
runs=15
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
map_times() {
    for _ in $(seq $runs); do
        "$CORVANE_BUILD/maptime" -k Escape -- "$@" </dev/null 2>/dev/null | sed -n 's/.*map_ms=\([0-9.]*\).*/\1/p'
    done | median
}
peak_kb() {
    /usr/bin/time -f %M "$CORVANE_BUILD/maptime" -k Escape -- "$@" </dev/null 2>&1 >/dev/null | tail -n 1
}
# maptime's own peak is tiny; GNU time reports the largest of it and its child.
corvane_ms=$(map_times "$CORVANE_BUILD/corvane" /FONT)
bare_ms=$(map_times "$CORVANE_BUILD/bare_dialog")
empty_ms=$(map_times "$CORVANE_BUILD/bare_dialog" empty)
corvane_kb=$(peak_kb "$CORVANE_BUILD/corvane" /FONT)
bare_kb=$(peak_kb "$CORVANE_BUILD/bare_dialog")
echo "time to map, median of $runs: corvane /FONT ${corvane_ms} ms, bare Qt dialog with OK/Cancel ${bare_ms} ms (ratio $(awk "BEGIN{printf \"%.2f\", $corvane_ms/$bare_ms}"); target <= 1.3)"
echo "  (an empty Qt dialog without any text, which never sets up fonts: ${empty_ms} ms)"
echo "peak memory: corvane /FONT ${corvane_kb} KiB, bare Qt dialog ${bare_kb} KiB (ratio $(awk "BEGIN{printf \"%.2f\", $corvane_kb/$bare_kb}"); target <= 1.3)"
