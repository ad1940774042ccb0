#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds, starts and checks "Systèmes de régulation" on Debian 12.
#   ./regulation.sh run      install what is missing, build, start the program
#   ./regulation.sh test     install what is missing, build and run the whole test suite
#                            (normal build, sanitizer build, installable package, then
#                            the Windows build under Wine when Qt for Windows is at hand)
#   ./regulation.sh bench    build and run the benchmarks
#   ./regulation.sh bench-windows  the Windows build's tick rate under Wine
#   ./regulation.sh package  build the Debian package into build/package
#   ./regulation.sh windows  cross-compile the portable Windows zip into build/windows
#                            and start it once under Wine
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev
    qt6-translations-l10n libgl-dev fonts-wine fonts-freefont-ttf)
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools zip
    qt6-base-dev-tools)
wine_packages=(wine wine64 xvfb xauth openbox xdotool x11-utils imagemagick unzip)
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

# The Windows zip, built and started once under Wine as a teacher would.
windows_zip() { # [build options]
    install_missing "${build_packages[@]}" "${windows_packages[@]}" "${wine_packages[@]}"
    bash packaging/windows/build.sh "$@"
    bash tests/windows/smoke.sh build/windows/systemes-regulation-*-windows-x64.zip
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
    if ! bash packaging/windows/build.sh --find-qt >/dev/null 2>&1; then
        echo "Windows build skipped: no Qt for Windows (QT_WINDOWS_DIR, or the tarball named in packaging/windows/build.sh)"
        exit 0
    fi
    windows_zip --with-tests
    bash tests/windows/run.sh build/windows/build
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
bench-windows)
    install_missing "${build_packages[@]}" "${windows_packages[@]}" "${wine_packages[@]}"
    bash packaging/windows/build.sh --with-benchmarks
    bash bench/windows.sh build/windows/build
    ;;
windows)
    windows_zip
    ;;
*)
    sed -n '3,12p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
