#!/usr/bin/env bash
# Whole-process time and peak memory of `corvane /COMMENT` with the stand-in
# link, next to `cat` on the same bytes (both read standard input and write
# to a pipe).  Run through scripts/bench, which builds and installs
# hyperfine and GNU time.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${CORVANE_BUILD:-$root/build}
corvane="$build/corvane"
runs=${CORVANE_BENCH_RUNS:-30}
[ -x "$corvane" ] || { echo "no $corvane: build first (scripts/bench does)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# HTML-ish lines with LF breaks only: the toggle scans the whole selection
# for a CR LF and finds none, its slowest path.
line='<p class="note">Some text &amp; more text, 表示 ソ and a <a href="x.htm">link</a>.</p>'
{ yes "$line" || :; } | head -c 1024 > "$work/1k"
{ yes "$line" || :; } | head -c $((64 * 1024 * 1024)) > "$work/64m"

# median_ms FILE -> prints "corvane_ms cat_ms" (medians).  hyperfine runs
# each command through a shell, which opens the input, and takes the
# shell's own start-up time off the figures.
median_ms() {
    local input=$1 csv="$work/result.csv"
    hyperfine --style none --runs "$runs" --warmup 3 --output pipe --export-csv "$csv" \
        "'$corvane' /COMMENT < '$input'" "cat < '$input'" \
        > /dev/null 2> "$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 1; }
    # command,mean,stddev,median,user,system,min,max (seconds): the medians,
    # then the mean processor times (user + system), which waiting for a
    # busy processor does not inflate.
    awk -F, 'NR > 1 { m = m sprintf("%.2f ", $4 * 1000); c = c sprintf("%.2f ", ($5 + $6) * 1000) }
             END { print m c }' "$csv"
}

# peak_kib FILE COMMAND... -> largest maximum resident set size of 5 runs
peak_kib() {
    local input=$1 peak=0 m i
    shift
    for i in 1 2 3 4 5; do
        m=$(/usr/bin/time -f %M "$@" < "$input" 2>&1 > /dev/null | tail -n 1)
        [ "$m" -gt "$peak" ] && peak=$m
    done
    echo "$peak"
}

verdict() { if [ "$1" = 1 ]; then echo "ok"; else echo "MISSED"; fi; }

load=$(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo unknown)
read -r c1 k1 cpu_c1 cpu_k1 <<< "$(median_ms "$work/1k")"
read -r c64 k64 cpu_c64 cpu_k64 <<< "$(median_ms "$work/64m")"
mem=$(peak_kib "$work/64m" "$corvane" /COMMENT)
catmem=$(peak_kib "$work/64m" cat)
mem1k=$(peak_kib "$work/1k" "$corvane" /COMMENT)
# The same selection through a pipe, as a shell pipeline hands it over: the
# stand-in must then hold it itself.
pipemem=$(peak_kib "$work/64m" sh -c "cat | '$corvane' /COMMENT")
sel_kib=$((64 * 1024))

ok1=$(awk -v c="$c1" 'BEGIN { print (c <= 15) }')
ratio=$(awk -v c="$c64" -v k="$k64" 'BEGIN { printf "%.2f", c / k }')
ok64=$(awk -v r="$ratio" 'BEGIN { print (r <= 1.5) }')
mratio=$(awk -v m="$mem" -v s="$sel_kib" 'BEGIN { printf "%.2f", m / s }')
okm=$(awk -v r="$mratio" 'BEGIN { print (r <= 2.1) }')

echo "corvane /COMMENT, medians of $runs runs (whole process, stdin from a file, stdout to a pipe)"
echo "  load average before the runs: $load (the targets assume a quiet machine)"
printf '  1 KiB selection:  corvane %8.2f ms   cat %8.2f ms   target: corvane within 15 ms       %s\n' \
    "$c1" "$k1" "$(verdict "$ok1")"
printf '  64 MiB selection: corvane %8.2f ms   cat %8.2f ms   = %s x cat; target: within 1.5 x cat  %s\n' \
    "$c64" "$k64" "$ratio" "$(verdict "$ok64")"
printf '  peak memory, 64 MiB selection: corvane %d KiB (%s x the selection; cat %d KiB); target: at most 2.1 x  %s\n' \
    "$mem" "$mratio" "$catmem" "$(verdict "$okm")"
printf '  peak memory, 1 KiB selection:  corvane %d KiB\n' "$mem1k"
printf '  peak memory, 64 MiB selection through a pipe: corvane %d KiB (%s x the selection)\n' "$pipemem" \
    "$(awk -v m="$pipemem" -v s="$sel_kib" 'BEGIN { printf "%.2f", m / s }')"
printf '  processor time (user + system, mean): 1 KiB corvane %.2f ms, cat %.2f ms; 64 MiB corvane %.2f ms, cat %.2f ms\n' \
    "$cpu_c1" "$cpu_k1" "$cpu_c64" "$cpu_k64"
