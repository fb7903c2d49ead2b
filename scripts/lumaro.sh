#!/usr/bin/env bash
# Set-up, build and run helper for a Debian 12 machine.
#   scripts/lumaro.sh run [FILE...]   install what is missing, build, start the editor
#   scripts/lumaro.sh test            install what is missing, build, run all tests
#   scripts/lumaro.sh build           install what is missing and build
#   scripts/lumaro.sh bench           build and run the benchmarks
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${LUMARO_BUILD_DIR:-$here/build}"
packages=(build-essential cmake ninja-build ccache pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev libgl-dev libtidy-dev
          libssh-dev
          libgtest-dev googletest openssh-server openssh-client rsync
          xdg-utils desktop-file-utils appstream shared-mime-info dpkg-dev file)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

build_all() {
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

cmd="${1:-run}"
[ $# -gt 0 ] && shift
case "$cmd" in
    run)
        install_packages; build_all
        exec "$build/src/app/lumaro" "$@" ;;
    test)
        install_packages; build_all
        cd "$build"
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300 "$@" ;;
    build)
        install_packages; build_all ;;
    bench)
        install_packages; build_all
        exec "$build/bench/lumaro_bench" "$@" ;;
    *)
        echo "usage: $0 run [FILE...] | test | build | bench" >&2; exit 2 ;;
esac
