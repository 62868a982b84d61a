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

corvane_build() {
    if [ ! -f "$CORVANE_BUILD/CMakeCache.txt" ]; then
        cmake -S "$CORVANE_ROOT" -B "$CORVANE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2 || return 1
    fi
    cmake --build "$CORVANE_BUILD" -j"$(nproc)" "$@" >&2
}
