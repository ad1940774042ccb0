#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds, starts and checks "Systèmes de régulation" on Debian 12.
#   ./regulation.sh run      install what is missing, build, start the program
#   ./regulation.sh test     install what is missing, build and run the whole test suite
#                            (normal build, sanitizer build, installable package)
#   ./regulation.sh bench    build and run the benchmarks
#   ./regulation.sh package  build the Debian package into build/package
#   ./regulation.sh windows  cross-compile the portable Windows zip into build/windows
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev
    qt6-translations-l10n libgl-dev fonts-wine fonts-freefont-ttf)
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools zip
    qt6-base-dev-tools)
check_packages=(xvfb xauth openbox xdotool x11-utils desktop-file-utils appstream dpkg-dev
    file at-spi2-core dbus-x11 python3-pyatspi)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

build() { # preset
    [ -f "build/$1/build.ninja" ] || cmake --preset "$1"
    cmake --build --preset "$1"
}

case "${1:-}" in
run)
    install_missing "${build_packages[@]}"
    build dev
    exec build/dev/systemes-regulation
    ;;
test)
    install_missing "${build_packages[@]}" "${check_packages[@]}"
    # The checks' tools are installed now: a check that finds one missing fails.
    export REGULATION_CHECKS_REQUIRED=1
    build dev
    ctest --preset dev
    build asan
    ctest --preset asan
    bash packaging/check-package.sh build/dev
    ;;
bench)
    install_missing "${build_packages[@]}" "${check_packages[@]}"
    build dev
    bash bench/run.sh build/dev
    ;;
package)
    install_missing "${build_packages[@]}" "${check_packages[@]}"
    build dev
    (cd build/dev && cpack -G DEB -B ../package)
    ;;
windows)
    install_missing "${build_packages[@]}" "${windows_packages[@]}"
    bash packaging/windows/build.sh
    ;;
*)
    sed -n '3,10p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
