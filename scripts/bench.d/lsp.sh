# The language server (corvane --lsp): the action list in a 1 KiB and a
# 1 MiB document, one keystroke's change, memory at rest and whether a Qt
# library is mapped, and the time from executeCommand to the dialog on
# screen next to `corvane /FONT` started directly (tools/lsp_bench.cpp),
# under an X server (Xvfb when none is running).
set -euo pipefail
. "$(dirname "$0")/../lib.sh"
corvane_install xvfb libx11-dev libxtst-dev nlohmann-json3-dev
cmake --build "$CORVANE_BUILD" --target corvane >&2
g++ -std=c++20 -O2 "$CORVANE_ROOT/tools/lsp_bench.cpp" -o "$CORVANE_BUILD/lsp_bench" -lX11 -lXtst
corvane_bench_display
trap 'corvane_bench_display_stop' EXIT
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$CORVANE_BUILD/lsp_bench" "$CORVANE_BUILD/corvane" "${CORVANE_BENCH_RUNS:-15}"
