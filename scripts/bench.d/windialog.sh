# Under Wine on a virtual display: time from process start until the window
# of corvane.exe /FONT is mapped, next to a bare Win32 window of the same
# size and style with OK and Cancel; medians of 15 runs each, in the same
# run, and peak memory of each.  One Wine prefix (tests/win/wine_env.sh)
# with its wineserver kept running, as on a desktop where Wine is in use.
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
corvane_install libx11-dev libxtst-dev
CORVANE_PACKAGES="" corvane_install $CORVANE_WINDOWS_TEST_PACKAGES
CORVANE_WINBUILD_EXTRA=bare_dialog_win32 "$CORVANE_ROOT/scripts/winbuild" 64 >/dev/null 2>&1 || { echo "windialog: scripts/winbuild 64 failed"; exit 1; }
win=$CORVANE_ROOT/build-win64
gcc -O2 "$CORVANE_ROOT/tools/maptime.c" -o "$win/maptime" -lX11 -lXtst
. "$CORVANE_ROOT/tests/win/wine_env.sh"
trap wine_env_stop EXIT
wine_env_start "$win" >/dev/null
app=$WINE_WORK/app
cp "$win/corvane.exe" "$win/pelinorn.dll" "$win/bare_dialog_win32.exe" "$app/"
runs=15
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
one() { "$win/maptime" -t 20000 -k Escape -- wine "$@" </dev/null 2>/dev/null | sed -n 's/.*map_ms=\([0-9.]*\).*/\1/p'; }
# Warm: Wine's first start in a prefix loads its own libraries from disk.
one "$app/corvane.exe" /FONT >/dev/null
one "$app/bare_dialog_win32.exe" >/dev/null
corvane=() bare=() bare2=()
for _ in $(seq $runs); do
    # Interleaved, so that a slow moment of the machine weighs on all.
    corvane+=("$(one "$app/corvane.exe" /FONT)")
    bare+=("$(one "$app/bare_dialog_win32.exe")")
    bare2+=("$(one "$app/bare_dialog_win32.exe" two-fonts)")
done
corvane_ms=$(printf '%s\n' "${corvane[@]}" | median)
bare_ms=$(printf '%s\n' "${bare[@]}" | median)
bare2_ms=$(printf '%s\n' "${bare2[@]}" | median)
peak_kb() { /usr/bin/time -f %M "$win/maptime" -t 20000 -k Escape -- wine "$@" </dev/null 2>&1 >/dev/null | tail -n 1; }
corvane_kb=$(peak_kb "$app/corvane.exe" /FONT)
bare_kb=$(peak_kb "$app/bare_dialog_win32.exe")
echo "Wine, time to map, median of $runs: corvane.exe /FONT ${corvane_ms} ms, bare Win32 window with OK/Cancel ${bare_ms} ms (ratio $(awk "BEGIN{printf \"%.2f\", $corvane_ms/$bare_ms}"); target <= 1.1)"
echo "  (the bare window with a label in the second dialog font and a text measured in both fonts before it shows, as a dialog that lays out its name labels does: ${bare2_ms} ms, ratio $(awk "BEGIN{printf \"%.2f\", $corvane_ms/$bare2_ms}"))"
echo "Wine, peak memory: corvane.exe /FONT ${corvane_kb} KiB, bare Win32 window ${bare_kb} KiB (ratio $(awk "BEGIN{printf \"%.2f\", $corvane_kb/$bare_kb}"))"
