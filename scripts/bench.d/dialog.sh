# Time from process start until the /FONT window is mapped, next to the font
# dialog written by hand in plain Qt with the same controls and fonts
# (tools/font_dialog.cpp, the yardstick), a bare Qt dialog of the same size
# and an empty one, under an X server (Xvfb when none is running); medians
# of 15 interleaved runs each, and peak memory of each.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
corvane_install xvfb libx11-dev libxtst-dev libxdamage-dev
cmake --build "$CORVANE_BUILD" --target corvane bare_dialog font_dialog >&2
gcc -O2 "$CORVANE_ROOT/tools/maptime.c" -o "$CORVANE_BUILD/maptime" -lX11 -lXtst -lXdamage
corvane_bench_display
runs=${CORVANE_BENCH_RUNS:-15}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# A run whose window never maps (maptime gives up) adds no figure.
# map_ms NAME COMMAND...: the time to map onto NAME, the time until the
# program first draws into its window onto NAME.drawn.
map_ms() {
    local name=$1 line
    shift
    line=$({ "$CORVANE_BUILD/maptime" -k Escape -- "$@" </dev/null 2>/dev/null || true; } | grep -a 'map_ms=') || return 0
    echo "$line" | sed -n 's/.*map_ms=\([0-9.]*\).*/\1/p' >>"$work/$name"
    echo "$line" | sed -n 's/.*paint_ms=\([0-9][0-9.]*\).*/\1/p' >>"$work/$name.drawn"
}
# The programs take turns, run by run, so that a change in the
# machine's load falls on all of them alike.
work=$(mktemp -d)
trap 'rm -rf "$work"; corvane_bench_display_stop' EXIT
for _ in $(seq $runs); do
    map_ms corvane "$CORVANE_BUILD/corvane" /FONT
    map_ms same "$CORVANE_BUILD/font_dialog"
    map_ms bare "$CORVANE_BUILD/bare_dialog"
    map_ms empty "$CORVANE_BUILD/bare_dialog" empty
done
peak_kb() {
    /usr/bin/time -f %M "$CORVANE_BUILD/maptime" -k Escape -- "$@" </dev/null 2>&1 >/dev/null | tail -n 1
}
# maptime's own peak is tiny; GNU time reports the largest of it and its child.
corvane_ms=$(median < "$work/corvane")
same_ms=$(median < "$work/same")
bare_ms=$(median < "$work/bare")
empty_ms=$(median < "$work/empty")
corvane_kb=$(peak_kb "$CORVANE_BUILD/corvane" /FONT)
same_kb=$(peak_kb "$CORVANE_BUILD/font_dialog")
bare_kb=$(peak_kb "$CORVANE_BUILD/bare_dialog")
ratio() { awk "BEGIN{printf \"%.2f\", $1/$2}"; }
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "time to map, median of $runs: corvane /FONT ${corvane_ms} ms, the same dialog written in plain Qt ${same_ms} ms (ratio $(ratio $corvane_ms $same_ms); target <= 1.05)"
corvane_drawn=$(median < "$work/corvane.drawn")
same_drawn=$(median < "$work/same.drawn")
echo "  first drawing in the window: corvane /FONT ${corvane_drawn} ms, the same dialog in plain Qt ${same_drawn} ms (ratio $(ratio $corvane_drawn $same_drawn))"
echo "  (a bare Qt dialog with a QDialogButtonBox, which loads the platform theme: ${bare_ms} ms, ratio $(ratio $corvane_ms $bare_ms);"
echo "   an empty Qt dialog without any text, which never sets up fonts: ${empty_ms} ms)"
echo "peak memory: corvane /FONT ${corvane_kb} KiB, the same dialog in plain Qt ${same_kb} KiB (ratio $(ratio $corvane_kb $same_kb); target <= 1.1), bare Qt dialog ${bare_kb} KiB"
