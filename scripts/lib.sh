# Shared by the scripts: install what is missing, configure and build.
# Source it; it defines corvane_install and corvane_build, the one way the
# scripts and tests start a virtual display (corvane_xvfb_start) and a Wine
# prefix on one (wine_env_start).

CORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CORVANE_BUILD=${CORVANE_BUILD:-$CORVANE_ROOT/build}

# Debian packages needed to build, run and test.
CORVANE_PACKAGES="cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev nlohmann-json3-dev fonts-ipafont-gothic"

# apt-get as root (through sudo otherwise). It waits up to ten minutes for
# the package manager's lock when another apt-get or dpkg holds it, as on a
# fresh machine running its own package jobs at boot, instead of failing.
CORVANE_APT_LOCK_TIMEOUT=600
corvane_apt_get() {
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env ${APT_CONFIG:+APT_CONFIG="$APT_CONFIG"} DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout="$CORVANE_APT_LOCK_TIMEOUT" "$@"
}

# Installs the packages named (and CORVANE_PACKAGES) that are missing. A
# name with an architecture (wine32:i386) adds that architecture to dpkg
# first where it lacks it.
corvane_install() {
    local missing=() p
    for p in $CORVANE_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}" >&2
    local arch
    for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*:\(.*\)$/\1/p' | sort -u); do
        [ "$arch" = "$(dpkg --print-architecture)" ] && continue
        dpkg --print-foreign-architectures | grep -qx "$arch" && continue
        echo "Adding the package architecture $arch (dpkg --add-architecture $arch)" >&2
        "${sudo[@]}" dpkg --add-architecture "$arch" ||
            { echo "corvane_install: dpkg --add-architecture $arch failed, so ${missing[*]} cannot be installed" >&2; return 1; }
    done
    corvane_apt_get update -qq >&2 &&
        corvane_apt_get install -y -qq --no-install-recommends "${missing[@]}" >&2 ||
        { echo "corvane_install: could not install ${missing[*]} (see apt-get above)" >&2; return 1; }
}

# The Windows build (scripts/winbuild) and its tests under Wine and Xvfb
# (tests/win/run): the cross compilers, zip; Wine for 64-bit and for 32-bit
# programs (the shipped build is i686; Debian's 32-bit Wine comes from the
# i386 architecture), a virtual display, a key sender, the Japanese locale's
# source for Wine's code page, and unzip for the shipped zip.
CORVANE_WINDOWS_BUILD_PACKAGES="mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix zip"
CORVANE_WINDOWS_TEST_PACKAGES="wine wine64 wine32:i386 fonts-wine xvfb xdotool locales unzip"

corvane_install_windows_build() { CORVANE_PACKAGES="" corvane_install $CORVANE_WINDOWS_BUILD_PACKAGES; }
corvane_install_windows_tests() { CORVANE_PACKAGES="" corvane_install $CORVANE_WINDOWS_TEST_PACKAGES; }

# The builds here carry line tables for their debug information (-g1):
# enough for a debugger's backtrace and a sanitizer's report to name file
# and line, and the code is the same as with full debug information, which
# made the compiler take about a third longer.
CORVANE_DEBUG_INFO=-g1

corvane_build() {
    if [ ! -f "$CORVANE_BUILD/CMakeCache.txt" ]; then
        cmake -S "$CORVANE_ROOT" -B "$CORVANE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 $CORVANE_DEBUG_INFO -DNDEBUG" \
            "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 $CORVANE_DEBUG_INFO -DNDEBUG" >&2 || return 1
    fi
    cmake --build "$CORVANE_BUILD" -j"$(nproc)" "$@" >&2
}

# The same program and tests built once more with AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-asan/: every report ends the process
# that made it with a failure.
CORVANE_ASAN_BUILD=${CORVANE_ASAN_BUILD:-$CORVANE_ROOT/build-asan}
CORVANE_SANITIZE="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

corvane_build_sanitized() {
    if [ ! -f "$CORVANE_ASAN_BUILD/CMakeCache.txt" ]; then
        cmake -S "$CORVANE_ROOT" -B "$CORVANE_ASAN_BUILD" -DCMAKE_BUILD_TYPE=Debug \
            "-DCMAKE_CXX_FLAGS_DEBUG=$CORVANE_DEBUG_INFO" "-DCMAKE_C_FLAGS_DEBUG=$CORVANE_DEBUG_INFO" \
            "-DCMAKE_CXX_FLAGS=-O1 $CORVANE_SANITIZE" "-DCMAKE_C_FLAGS=-O1 $CORVANE_SANITIZE" \
            "-DCMAKE_EXE_LINKER_FLAGS=$CORVANE_SANITIZE" "-DCMAKE_SHARED_LINKER_FLAGS=$CORVANE_SANITIZE" \
            "-DCMAKE_MODULE_LINKER_FLAGS=$CORVANE_SANITIZE" >&2 || return 1
    fi
    cmake --build "$CORVANE_ASAN_BUILD" -j"$(nproc)" --target corvane unit_tests gui_tests e2e_tests corvane_lists "$@" >&2
}

# A virtual X display of the caller's own: Xvfb picks a display number
# nobody uses and announces it on -displayfd once it accepts clients.
#   corvane_xvfb_start WORKDIR [Xvfb options...]
# sets DISPLAY and CORVANE_XVFB_PID and returns 0, or returns 1 when no
# display came up.  With CORVANE_XVFB_LIFETIME set (seconds) the server ends
# by itself after that long, should its caller be killed.
corvane_xvfb_start() {
    local number="$1/xvfb-display" i
    shift
    : >"$number"
    local limit=()
    [ -n "${CORVANE_XVFB_LIFETIME:-}" ] && limit=(timeout "$CORVANE_XVFB_LIFETIME")
    "${limit[@]}" Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$number" >/dev/null 2>&1 &
    CORVANE_XVFB_PID=$!
    for i in $(seq 200); do
        [ -s "$number" ] && break
        kill -0 "$CORVANE_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    if [ ! -s "$number" ]; then
        kill "$CORVANE_XVFB_PID" 2>/dev/null
        CORVANE_XVFB_PID=""
        return 1
    fi
    export DISPLAY=":$(cat "$number")"
}

# The display a benchmark maps its windows on: the caller's, else an Xvfb
# of its own, which corvane_bench_display_stop ends.
corvane_bench_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    CORVANE_BENCH_XVFB_WORK=$(mktemp -d)
    corvane_xvfb_start "$CORVANE_BENCH_XVFB_WORK" -screen 0 1280x1024x24 ||
        { echo "bench: Xvfb did not start" >&2; return 1; }
    CORVANE_BENCH_XVFB_PID=$CORVANE_XVFB_PID
}
corvane_bench_display_stop() {
    [ -n "${CORVANE_BENCH_XVFB_PID:-}" ] && kill "$CORVANE_BENCH_XVFB_PID" 2>/dev/null
    [ -n "${CORVANE_BENCH_XVFB_WORK:-}" ] && rm -rf "$CORVANE_BENCH_XVFB_WORK"
    return 0
}

# Wine and a virtual display for the Windows tests, used by tests/win/run,
# scripts/shots --win and scripts/bench windialog:
#   wine_env_start BUILD_DIR   makes WINE_WORK=BUILD_DIR/wine with a fresh
#                              prefix, a Japanese locale (ANSI code page 932),
#                              the dialog fonts mapped to the IPA Gothic
#                              fonts, and an Xvfb of its own on DISPLAY
#   wine_env_stop              ends this prefix's wineserver and the Xvfb
# Wine starts its programs only through `wine` with the variables set here.

wine_env_start() {
    WINE_WORK=$1/wine
    rm -rf "$WINE_WORK"
    mkdir -p "$WINE_WORK/locale" "$WINE_WORK/app"
    export WINEPREFIX=$WINE_WORK/prefix WINEDEBUG=-all WINEARCH=win64
    # No Mono and no Gecko: nothing here needs them, and asking for them
    # would stop the prefix's creation on a dialog.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Wine takes its code page from the locale; build the Japanese one
    # here rather than changing the machine's locales.
    localedef -i ja_JP -f UTF-8 "$WINE_WORK/locale/ja_JP.UTF-8" 2>/dev/null ||
        { echo "wine_env: localedef cannot build ja_JP.UTF-8"; return 1; }
    export LOCPATH=$WINE_WORK/locale
    # (This shell cannot load it itself and would say so.)
    { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null
    unset WAYLAND_DISPLAY

    corvane_xvfb_start "$WINE_WORK" -screen 0 1280x1024x24 -noreset ||
        { echo "wine_env: Xvfb did not start"; return 1; }
    WINE_XVFB_PID=$CORVANE_XVFB_PID

    local t0=$SECONDS
    # One wineserver for the run, so that each program starts quickly.
    mkdir -p "$WINEPREFIX"
    wineserver -p 600 || { echo "wine_env: wineserver does not start"; return 1; }
    timeout -k 5 240 wine wineboot -i > "$WINE_WORK/wineboot.log" 2>&1 ||
        { echo "wine_env: wineboot failed"; tail -20 "$WINE_WORK/wineboot.log"; return 1; }
    # Wine draws the windows' frames itself and puts them where they ask
    # to be (there is no window manager on the virtual display); the
    # dialog fonts are the IPA Gothic fonts, which share their metrics.
    cat > "$WINE_WORK/setup.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
REG
    iconv -f UTF-8 -t CP932 "$WINE_WORK/setup.reg" > "$WINE_WORK/setup-sjis.reg"
    timeout -k 5 60 wine regedit /S "$(timeout 30 winepath -w "$WINE_WORK/setup-sjis.reg" 2>/dev/null)" > /dev/null 2>&1 ||
        { echo "wine_env: the registry settings could not be made"; return 1; }
    echo "wine_env: prefix ready in $((SECONDS - t0)) s on DISPLAY=$DISPLAY"
}

wine_env_stop() {
    [ -n "${WINEPREFIX:-}" ] && timeout 20 wineserver -k 2>/dev/null
    [ -n "${WINE_XVFB_PID:-}" ] && kill "$WINE_XVFB_PID" 2>/dev/null && wait "$WINE_XVFB_PID" 2>/dev/null
    WINE_XVFB_PID= CORVANE_XVFB_PID=
    return 0
}
