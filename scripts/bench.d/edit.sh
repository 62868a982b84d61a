# /EDIT on a small element and on a 1 MiB one: the time from process start
# until the font dialog is mapped, next to /FONT on the element's content as
# its selection, under an X server (Xvfb when none is running); medians of
# 15 runs each, taking turns run by run.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
corvane_install xvfb libx11-dev libxtst-dev libxdamage-dev
cmake --build "$CORVANE_BUILD" --target corvane >&2
gcc -O2 "$CORVANE_ROOT/tools/maptime.c" -o "$CORVANE_BUILD/maptime" -lX11 -lXtst -lXdamage
corvane_bench_display
runs=${CORVANE_BENCH_RUNS:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"; corvane_bench_display_stop' EXIT
# 1 MiB of lines of text, between the tags for /EDIT, alone for /FONT.
head -c 1048576 /dev/zero | tr '\0' 'x' | fold -w 63 >"$work/content"
{ printf '<FONT SIZE="+3" COLOR="red">'; cat "$work/content"; printf '</FONT>'; } >"$work/element"
printf 'Hello' >"$work/small-content"
small_element='<FONT SIZE="+3" COLOR="red">Hello</FONT>'
printf '%s' "$small_element" >"$work/small-element"
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# The selection comes in as a file, as editors hand a filter its input;
# what Corvane hands back after Escape is thrown away.
map_ms() {
    local input=$1
    shift
    { "$CORVANE_BUILD/maptime" -k Escape -- "$@" <"$input" 2>/dev/null || true; } |
        grep -a -o 'map_ms=[0-9.]*' | sed 's/map_ms=//'
}
for _ in $(seq $runs); do
    map_ms "$work/small-element" "$CORVANE_BUILD/corvane" /EDIT >>"$work/small-edit"
    map_ms "$work/small-content" "$CORVANE_BUILD/corvane" /FONT >>"$work/small-font"
    map_ms "$work/element" "$CORVANE_BUILD/corvane" /EDIT >>"$work/edit"
    map_ms "$work/content" "$CORVANE_BUILD/corvane" /FONT >>"$work/font"
done
ratio() { awk "BEGIN{printf \"%.3f\", $1/$2}"; }
small_edit_ms=$(median <"$work/small-edit")
small_font_ms=$(median <"$work/small-font")
edit_ms=$(median <"$work/edit")
font_ms=$(median <"$work/font")
echo "time to map, medians of $runs interleaved runs; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "  a small element (${#small_element} bytes): corvane /EDIT ${small_edit_ms} ms, corvane /FONT ${small_font_ms} ms (ratio $(ratio $small_edit_ms $small_font_ms); target <= 1.05)"
echo "  a 1 MiB element: corvane /EDIT ${edit_ms} ms, corvane /FONT ${font_ms} ms (ratio $(ratio $edit_ms $font_ms); target <= 1.05)"
