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
one() { "$maptime" -t 20000 -k Escape -- "$loader" "$@" </dev/null 2>/dev/null | sed -n 's/.*map_ms=\([0-9.]*\).*/\1/p'; }
peak_kb() { /usr/bin/time -f %M "$maptime" -t 20000 -k Escape -- "$loader" "$@" </dev/null 2>&1 >/dev/null | tail -n 1; }
ratio() { awk "BEGIN{printf \"%.2f\", $1/$2}"; }
for arch in i686 x86_64; do
    case $arch in
        i686) win=$CORVANE_ROOT/build-win32 loader=/usr/lib/wine/wine ;;
        x86_64) win=$CORVANE_ROOT/build-win64 loader=/usr/lib/wine/wine64 ;;
    esac
    app=$WINE_WORK/app-$arch
    mkdir -p "$app"
    cp "$win/corvane.exe" "$win/pelinorn.dll" "$win/bare_dialog_win32.exe" "$win/font_dialog_win32.exe" "$app/"
    # Warm: Wine's first start in a prefix loads its own libraries from disk.
    one "$app/corvane.exe" /FONT >/dev/null
    one "$app/bare_dialog_win32.exe" >/dev/null
    one "$app/font_dialog_win32.exe" >/dev/null
    corvane=() same=() bare=() bare2=()
    for _ in $(seq $runs); do
        # Interleaved, so that a slow moment of the machine weighs on all.
        corvane+=("$(one "$app/corvane.exe" /FONT)")
        same+=("$(one "$app/font_dialog_win32.exe")")
        bare+=("$(one "$app/bare_dialog_win32.exe")")
        bare2+=("$(one "$app/bare_dialog_win32.exe" two-fonts)")
    done
    corvane_ms=$(printf '%s\n' "${corvane[@]}" | median)
    same_ms=$(printf '%s\n' "${same[@]}" | median)
    bare_ms=$(printf '%s\n' "${bare[@]}" | median)
    bare2_ms=$(printf '%s\n' "${bare2[@]}" | median)
    corvane_kb=$(peak_kb "$app/corvane.exe" /FONT)
    same_kb=$(peak_kb "$app/font_dialog_win32.exe")
    bare_kb=$(peak_kb "$app/bare_dialog_win32.exe")
    echo "Wine $arch, time to map, median of $runs: corvane.exe /FONT ${corvane_ms} ms, the same dialog written in plain Win32 ${same_ms} ms (ratio $(ratio $corvane_ms $same_ms); target <= 1.1)"
    echo "  (a bare Win32 window with OK/Cancel: ${bare_ms} ms, ratio $(ratio $corvane_ms $bare_ms); the bare window with a label in the second font and a text measured in both: ${bare2_ms} ms, ratio $(ratio $corvane_ms $bare2_ms))"
    echo "Wine $arch, peak memory: corvane.exe /FONT ${corvane_kb} KiB, the same dialog in plain Win32 ${same_kb} KiB (ratio $(ratio $corvane_kb $same_kb); target <= 1.1), bare Win32 window ${bare_kb} KiB"
done
