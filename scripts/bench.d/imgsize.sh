#!/usr/bin/env bash
# Whole-process time of get_image_size on a 20 MB file that is neither GIF
# nor JPEG (the JPEG reader scans it to the end), next to `cat` of the same
# file.  The probe is a tiny program built here with g++ from
# common/imgsize.cpp.  Run through scripts/bench, which installs hyperfine.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${CORVANE_BENCH_RUNS:-30}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/probe.cpp" <<'EOF'
#include "common/imgsize.h"
#include <cstdio>
int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::uint16_t w = 0, h = 0;
    bool found = corvane::get_image_size(argv[1], w, h);
    std::printf("%d %u %u\n", found, w, h);
    return 0;
}
EOF
g++ -std=c++20 -O2 -I"$root" "$work/probe.cpp" "$root/common/imgsize.cpp" -o "$work/probe"

# Random bytes with every 0xD8 changed to 0xD7: plenty of 0xFF bytes for the
# start-of-image search to look behind, but never a start of image.  The
# leading "x" rules out a GIF header.
{ printf x; head -c $((20 * 1000 * 1000 - 1)) /dev/urandom | tr '\330' '\327'; } > "$work/20m.bin"
[ "$("$work/probe" "$work/20m.bin")" = "0 0 0" ] || { echo "probe found a size in the test file" >&2; exit 1; }

csv="$work/result.csv"
hyperfine --style none --runs "$runs" --warmup 3 --output pipe --export-csv "$csv" \
    "'$work/probe' '$work/20m.bin'" "cat '$work/20m.bin'" > /dev/null
# command,mean,stddev,median,user,system,min,max (seconds)
read -r probe cat_ms <<< "$(awk -F, 'NR > 1 { printf "%.2f ", $4 * 1000 } END { print "" }' "$csv")"
ratio=$(awk -v p="$probe" -v c="$cat_ms" 'BEGIN { printf "%.2f", p / c }')
ok=$(awk -v r="$ratio" 'BEGIN { print (r <= 2) ? "ok" : "MISSED" }')

echo "get_image_size, medians of $runs runs (whole process, file in the page cache)"
printf '  20 MB, neither GIF nor JPEG: probe %8.2f ms   cat %8.2f ms   = %s x cat; target: within 2 x cat  %s\n' \
    "$probe" "$cat_ms" "$ratio" "$ok"
