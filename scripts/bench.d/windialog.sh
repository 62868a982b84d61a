# Under Wine on a virtual display, for each Windows build (i686, the shipped
# one, under the 32-bit Wine, and x86_64): time from process start until the
# window of corvane.exe /FONT is mapped, next to the font dialog written by
# hand in plain Win32 with the same child windows and fonts (the yardstick,
# tools/font_dialog_win32.cpp, built for the same architecture) and a bare
# Win32 window of the same size and style with OK and Cancel; medians of 15
# interleaved runs each, in the same run, and peak memory of each.  One Wine
# prefix (wine_env_start, scripts/lib.sh) with its wineserver kept running,
# as on a desktop where Wine is in use.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
corvane_install libx11-dev libxtst-dev libxdamage-dev
CORVANE_PACKAGES="" corvane_install $CORVANE_WINDOWS_TEST_PACKAGES
CORVANE_WINBUILD_EXTRA="bare_dialog_win32 font_dialog_win32" "$CORVANE_ROOT/scripts/winbuild" >/dev/null 2>&1 || { echo "windialog: scripts/winbuild failed"; exit 1; }
maptime=$CORVANE_ROOT/build-win64/maptime
gcc -O2 "$CORVANE_ROOT/tools/maptime.c" -o "$maptime" -lX11 -lXtst -lXdamage
trap wine_env_stop EXIT
wine_env_start "$CORVANE_ROOT/build-win64" >/dev/null
runs=15
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# Each build under its own Wine loader: `wine` hands a 64-bit program on to
# a second process once the 32-bit Wine is installed, whose start-up and
# memory would then be measured in place of the program's.
# maptime follows a program handed on to another process and kills what is
# left of the run's process group at its end; its report goes to a file,
# so that nothing left running can hold the bench up on a pipe, and the
# whole run has a time limit besides.  A run that fails says why on
# standard error and adds no figure; whatever of it is left in the prefix
# is ended with the prefix's wineserver, which starts afresh.
failed=0
one() {  # PROGRAM ARGS...: sets ms (time to map) and kb (peak memory), or
         # leaves both empty and says why the run failed
    local out=$WINE_WORK/maptime.out status=0
    ms= kb=
    timeout -k 5 40 /usr/bin/time -o "$WINE_WORK/peak" -f %M \
        "$maptime" -t 20000 -k Escape -- "$loader" "$@" </dev/null >"$out" 2>"$WINE_WORK/maptime.err" || status=$?
    if [ "$status" -ne 0 ] || ! grep -q '^map_ms=[0-9]' "$out"; then
        failed=$((failed + 1))
        echo "windialog: ${1##*/} ($arch) failed (status $status): $(grep -a 'map_ms' "$out" || echo 'no report')" >&2
        timeout 20 wineserver -k 2>/dev/null || true
        wineserver -p 600 || true
        return 0
    fi
    ms=$(sed -n 's/^map_ms=\([0-9.]*\).*/\1/p' "$out")
    kb=$(tail -n 1 "$WINE_WORK/peak")
}
median_of() { [ $# -gt 0 ] && printf '%s\n' "$@" | median || echo "n/a"; }
ratio() { case "$1$2" in *[!0-9.]*|"") echo "n/a" ;; *) awk "BEGIN{printf \"%.2f\", $1/$2}" ;; esac; }
for arch in i686 x86_64; do
    case $arch in
        i686) win=$CORVANE_ROOT/build-win32 loader=/usr/lib/wine/wine ;;
        x86_64) win=$CORVANE_ROOT/build-win64 loader=/usr/lib/wine/wine64 ;;
    esac
    app=$WINE_WORK/app-$arch
    mkdir -p "$app"
    cp "$win/corvane.exe" "$win/pelinorn.dll" "$win/bare_dialog_win32.exe" "$win/font_dialog_win32.exe" "$app/"
    # Warm: Wine's first start in a prefix loads its own libraries from disk.
    one "$app/corvane.exe" /FONT
    one "$app/bare_dialog_win32.exe"
    one "$app/font_dialog_win32.exe"
    corvane=() same=() bare=() bare2=() corvane_kb=() same_kb=() bare_kb=()
    for _ in $(seq $runs); do
        # Interleaved, so that a slow moment of the machine weighs on all.
        one "$app/corvane.exe" /FONT && [ -n "$ms" ] && corvane+=("$ms") corvane_kb+=("$kb")
        one "$app/font_dialog_win32.exe" && [ -n "$ms" ] && same+=("$ms") same_kb+=("$kb")
        one "$app/bare_dialog_win32.exe" && [ -n "$ms" ] && bare+=("$ms") bare_kb+=("$kb")
        one "$app/bare_dialog_win32.exe" two-fonts && [ -n "$ms" ] && bare2+=("$ms")
    done
    c_ms=$(median_of "${corvane[@]}") s_ms=$(median_of "${same[@]}")
    b_ms=$(median_of "${bare[@]}") b2_ms=$(median_of "${bare2[@]}")
    c_kb=$(median_of "${corvane_kb[@]}") s_kb=$(median_of "${same_kb[@]}") b_kb=$(median_of "${bare_kb[@]}")
    echo "Wine $arch, time to map, median of ${#corvane[@]}/${#same[@]} runs: corvane.exe /FONT ${c_ms} ms, the same dialog written in plain Win32 ${s_ms} ms (ratio $(ratio $c_ms $s_ms); target <= 1.1)"
    echo "  (a bare Win32 window with OK/Cancel: ${b_ms} ms, ratio $(ratio $c_ms $b_ms); the bare window with a label in the second font and a text measured in both: ${b2_ms} ms, ratio $(ratio $c_ms $b2_ms))"
    echo "Wine $arch, peak memory, median: corvane.exe /FONT ${c_kb} KiB, the same dialog in plain Win32 ${s_kb} KiB (ratio $(ratio $c_kb $s_kb); target <= 1.1), bare Win32 window ${b_kb} KiB"
done
if [ "$failed" -gt 0 ]; then
    echo "windialog: $failed runs failed (see above); their figures are left out"
    exit 1
fi
