#!/usr/bin/env bash
# Where the time to map goes: corvane /FONT, /EDIT on a small FONT element
# and the font dialog written by hand in plain Qt (tools/font_dialog.cpp),
# each run with CORVANE_MILESTONES set (common/milestone.h), taking turns run
# by run under an X server (Xvfb when none is running).  Prints, per
# milestone, the median time since launch (wall), processor time of the
# process so far and its page faults so far.  "mapped" is when the X server
# maps the window and "drawn" when the program first draws into it, both
# seen from outside (tools/maptime.c); "painted" is when the program has
# handed its first picture over.  Medians of 15 runs each
# (CORVANE_BENCH_RUNS).  Then, where valgrind is installed, one run of each
# under callgrind: the instructions executed up to each milestone, all
# threads together, which the machine's load does not change
# (CORVANE_BENCH_CALLGRIND=0 leaves it out).
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
corvane_install xvfb libx11-dev libxtst-dev libxdamage-dev
cmake --build "$CORVANE_BUILD" --target corvane font_dialog >&2
gcc -O2 "$CORVANE_ROOT/tools/maptime.c" -o "$CORVANE_BUILD/maptime" -lX11 -lXtst -lXdamage
corvane_bench_display
runs=${CORVANE_BENCH_RUNS:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"; corvane_bench_display_stop' EXIT
printf '<FONT SIZE="+3" COLOR="red">Hello</FONT>' >"$work/element"
printf 'Hello' >"$work/text"

# run NAME INPUT COMMAND...: one run; appends "NAME MILESTONE WALL CPU FAULTS"
# lines.
run() {
    local name=$1 input=$2
    shift 2
    "$CORVANE_BUILD/maptime" -m -k Escape -- "$@" <"$input" >"$work/out" 2>"$work/err" || true
    local map paint
    map=$(grep -a -o 'map_ms=[0-9.]*' "$work/out" | sed 's/map_ms=//') || return 0
    paint=$(grep -a -o 'paint_ms=[0-9.]*' "$work/out" | sed 's/paint_ms=//') || paint=
    [ -n "$map" ] || return 0
    grep -a '^corvane: milestone ' "$work/err" | awk -v n="$name" '{ print n, $3, $4, $5, $6 }' >>"$work/marks"
    echo "$name mapped $map - -" >>"$work/marks"
    [ -z "$paint" ] || echo "$name drawn $paint - -" >>"$work/marks"
}
for _ in $(seq "$runs"); do
    run font "$work/text" "$CORVANE_BUILD/corvane" /FONT
    run hand "$work/text" "$CORVANE_BUILD/font_dialog"
    run edit "$work/element" "$CORVANE_BUILD/corvane" /EDIT
done

echo "milestones, medians of $runs interleaved runs; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
awk '
    function median(list,   n, a, i, j, t) {
        n = split(list, a, " ")
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { key = $1 SUBSEP $2; seen[key] = 1
      for (f = 3; f <= 5; f++) if ($f != "-") v[f, key] = v[f, key] " " $f }
    END {
        split("link-loaded selection-read qapplication-up fonts design-built widgets-made shown mapped texts-laid-out painted drawn", order, " ")
        split("font hand edit", progs, " ")
        title[3] = "ms since launch (wall)"; title[4] = "processor ms of the process"; title[5] = "page faults"
        for (f = 3; f <= 5; f++) {
            printf "  %-28s %10s %10s %12s\n", title[f], "/FONT", "by hand", "/EDIT small"
            for (i = 1; i <= 11; i++) {
                line = sprintf("    %-26s", order[i]); any = 0
                for (p = 1; p <= 3; p++) {
                    key = progs[p] SUBSEP order[i]
                    if ((f, key) in v) { line = line sprintf(p == 3 ? " %12.2f" : " %10.2f", median(v[f, key])); any = 1 }
                    else line = line sprintf(p == 3 ? " %12s" : " %10s", "-")
                }
                if (any) print line
            }
        }
    }' "$work/marks"

# Instructions up to each milestone: callgrind writes its counts out before
# every milestone (milestone_report, common/milestone.h), in the order of the
# milestones the run prints; the last part is everything after "shown".
command -v valgrind >/dev/null || exit 0
[ "${CORVANE_BENCH_CALLGRIND:-1}" = 0 ] && exit 0
counts() {
    local name=$1 input=$2 dir="$work/cg-$1"
    shift 2
    mkdir -p "$dir"
    # Through the launcher's exec into the window program (whose counts
    # replace the launcher's few before it, under the same process id).
    "$CORVANE_BUILD/maptime" -m -t 180000 -k Escape -- valgrind --tool=callgrind --trace-children=yes \
        --dump-before='corvane::milestone_report*' --callgrind-out-file="$dir/out.%p" "$@" \
        <"$input" >/dev/null 2>"$dir/err" || true
    # The program's own files are those with parts (out.PID.N); a process
    # forked on the way (a D-Bus launcher) has none.
    local main
    main=$(ls "$dir" | sed -n 's/^out\.\([0-9]*\)\.1$/\1/p' | head -n 1)
    [ -n "$main" ] || return 0
    grep -a '^corvane: milestone ' "$dir/err" | awk '{ print $3 }' >"$dir/names"
    local k=1 total=0 n
    while read -r m; do
        n=$(sed -n 's/^summary: //p' "$dir/out.$main.$k")
        total=$((total + n))
        echo "$name $m $total" >>"$work/instr"
        k=$((k + 1))
    done <"$dir/names"
    n=$(sed -n 's/^summary: //p' "$dir/out.$main")
    echo "$name exit $((total + n))" >>"$work/instr"
}
counts font "$work/text" "$CORVANE_BUILD/corvane" /FONT
counts hand "$work/text" "$CORVANE_BUILD/font_dialog"
counts edit "$work/element" "$CORVANE_BUILD/corvane" /EDIT
echo "instructions executed since exec (callgrind, one run each, all threads)"
awk '
    { v[$1 SUBSEP $2] = $3 }
    END {
        split("link-loaded selection-read qapplication-up fonts design-built widgets-made shown texts-laid-out painted exit", order, " ")
        split("font hand edit", progs, " ")
        printf "  %-28s %10s %10s %12s\n", "millions of instructions", "/FONT", "by hand", "/EDIT small"
        for (i = 1; i <= 10; i++) {
            line = sprintf("    %-26s", order[i]); any = 0
            for (p = 1; p <= 3; p++) {
                key = progs[p] SUBSEP order[i]
                if (key in v) { line = line sprintf(p == 3 ? " %12.2f" : " %10.2f", v[key] / 1e6); any = 1 }
                else line = line sprintf(p == 3 ? " %12s" : " %10s", "-")
            }
            if (any) print line
        }
        if ((("font" SUBSEP "shown") in v) && (("hand" SUBSEP "shown") in v))
            printf "  up to shown, /FONT against by hand: %.3f\n", v["font" SUBSEP "shown"] / v["hand" SUBSEP "shown"]
    }' "$work/instr"
