# Shared by the scripts: install what is missing, configure and build.
# Source it; it defines corvane_install and corvane_build.

CORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CORVANE_BUILD=${CORVANE_BUILD:-$CORVANE_ROOT/build}

# Debian packages needed to build, run and test.
CORVANE_PACKAGES="cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev fonts-ipafont-gothic"

corvane_install() {
    local missing=() p
    for p in $CORVANE_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update -qq >&2 || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2 || return 1
}

# The Windows build (scripts/winbuild) and its tests under Wine and Xvfb
# (tests/win/run): the cross compilers, zip; Wine, a virtual display, a key
# sender, and the Japanese locale's source for Wine's code page.
CORVANE_WINDOWS_BUILD_PACKAGES="mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix zip"
CORVANE_WINDOWS_TEST_PACKAGES="wine wine64 fonts-wine xvfb xdotool locales"

corvane_install_windows_build() { CORVANE_PACKAGES="" corvane_install $CORVANE_WINDOWS_BUILD_PACKAGES; }
corvane_install_windows_tests() { CORVANE_PACKAGES="" corvane_install $CORVANE_WINDOWS_TEST_PACKAGES; }

corvane_build() {
    if [ ! -f "$CORVANE_BUILD/CMakeCache.txt" ]; then
        cmake -S "$CORVANE_ROOT" -B "$CORVANE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2 || return 1
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
            "-DCMAKE_CXX_FLAGS=-O1 $CORVANE_SANITIZE" "-DCMAKE_C_FLAGS=-O1 $CORVANE_SANITIZE" \
            "-DCMAKE_EXE_LINKER_FLAGS=$CORVANE_SANITIZE" "-DCMAKE_SHARED_LINKER_FLAGS=$CORVANE_SANITIZE" \
            "-DCMAKE_MODULE_LINKER_FLAGS=$CORVANE_SANITIZE" >&2 || return 1
    fi
    cmake --build "$CORVANE_ASAN_BUILD" -j"$(nproc)" --target corvane unit_tests gui_tests e2e_tests "$@" >&2
}
