#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds, starts and checks "Systèmes de régulation" on Debian 12.
#   ./regulation.sh run      install what is missing, build, start the program
#   ./regulation.sh test     install what is missing, build and run the whole test suite
#                            (normal build, sanitizer build, installable package, then
#                            the web build in Chromium and Firefox when Qt for WebAssembly is at
#                            hand, and the Windows build under Wine when Qt for
#                            Windows is)
#   ./regulation.sh bench    build and run the benchmarks
#   ./regulation.sh bench-windows  the Windows build's tick rate under Wine
#   ./regulation.sh package  build the Debian package into build/package
#   ./regulation.sh windows  cross-compile the portable Windows zip into build/windows
#                            and start it once under Wine
#   ./regulation.sh web      build the program for web browsers into build/web/site
#                            and its zip
#   ./regulation.sh bench-web  the web build's first frame, its weight and tick rate in Chromium
#   ./regulation.sh mutants  flip each operator of the loop and the recordings once and
#                            list the changes the suite does not notice (hours; not in CI)
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev
    qt6-translations-l10n libgl-dev fonts-wine fonts-freefont-ttf)
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools zip wixl msitools
    qt6-base-dev-tools)
wine_packages=(wine wine64 xvfb xauth openbox xdotool x11-utils imagemagick unzip python3-pefile)
web_packages=(clang-15 lld-15 llvm-15 binaryen nodejs chromium firefox-esr xvfb zip brotli
    fonttools)
check_packages=(xvfb xauth openbox xdotool x11-utils desktop-file-utils appstream dpkg-dev
    file at-spi2-core dbus-x11 python3-pyatspi xdg-utils shared-mime-info libfile-mimeinfo-perl)

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

# The Windows zip and installer package, built; the zipped program started
# once under Wine as a teacher would, the package installed, upgraded and
# removed as the IT service would and the installed program started.
windows_zip() { # [build options]
    install_missing "${build_packages[@]}" "${windows_packages[@]}" "${wine_packages[@]}"
    bash packaging/windows/build.sh "$@"
    bash tests/windows/smoke.sh build/windows/systemes-regulation-*-windows-x64.zip
    bash tests/windows/msi-check.sh build/windows/systemes-regulation-*-windows-x64.msi \
        build/windows/systemes-regulation-*-windows-x64/
    bash tests/windows/smoke.sh build/windows/systemes-regulation-*-windows-x64.msi
}

# The web build and what drives the browsers (Node's own package manager
# comes with some nodejs packages, not with Debian's).
web_setup() {
    install_missing "${build_packages[@]}" "${web_packages[@]}"
    command -v npm >/dev/null || install_missing npm
    (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
}

# The web build, started in Chromium and Firefox as a pupil would and its Qt
# Test programs run in both.
web_test() {
    if ! bash packaging/web/build.sh --find-qt >/dev/null 2>&1; then
        echo "Web build skipped: no Qt for WebAssembly (QT_WASM_DIR, or the tarball named in packaging/web/build.sh)"
        return 0
    fi
    web_setup
    bash packaging/web/build.sh --with-tests
    node tests/web/smoke.mjs build/web/site
    ctest --test-dir build/web/build --output-on-failure
}

# The display servers, window managers and Wine processes this run started
# that still run: every process the run starts carries its mark.
leftover_processes() {
    local environ pid name
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        # The program's own name, as Linux or Wine (a Windows path) gives it.
        name=$({ tr '\0' '\n' <"/proc/$pid/cmdline"; } 2>/dev/null | head -n1) || continue
        name=${name##*[/\\]}
        case $name in
        Xvfb | openbox | firefox* | wine* | *.exe | *.EXE) ;;
        *) continue ;;
        esac
        { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qx "REGULATION_RUN=$REGULATION_RUN" &&
            echo "$pid $name"
    done
    return 0
}
# Fails when any of them is still there once they had 30 s to end.
check_no_leftovers() {
    local left
    for _ in $(seq 30); do
        left=$(leftover_processes)
        [[ -z $left ]] && return 0
        sleep 1
    done
    echo "FAIL: this run left processes behind:" >&2
    echo "$left" >&2
    return 1
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
    export REGULATION_RUN="$$-$RANDOM"
    install_missing "${build_packages[@]}" "${check_packages[@]}"
    # The checks' tools are installed now: a check that finds one missing fails.
    export REGULATION_CHECKS_REQUIRED=1
    build dev
    ctest --preset dev
    build asan
    ctest --preset asan
    bash packaging/check-package.sh build/dev
    web_test
    if ! bash packaging/windows/build.sh --find-qt >/dev/null 2>&1; then
        echo "Windows build skipped: no Qt for Windows (QT_WINDOWS_DIR, or the tarball named in packaging/windows/build.sh)"
        check_no_leftovers
        exit 0
    fi
    windows_zip --with-tests
    bash tests/windows/run.sh build/windows/build
    check_no_leftovers
    echo "No display, window manager or Wine process left running."
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
web)
    web_setup
    bash packaging/web/build.sh
    ;;
bench-web)
    web_setup
    bash packaging/web/build.sh
    node bench/web.mjs build/web/site
    ;;
mutants)
    install_missing "${build_packages[@]}" rsync
    # A copy of the tree, so that the work tree is never left changed (files
    # compared by content and copied with a new time, so that the build sees
    # every change); a shared library, so that a changed operator relinks one
    # file, not every test.
    mkdir -p build/mutants/src
    git ls-files -z --cached --others --exclude-standard |
        rsync -rlp --checksum --from0 --files-from=- . build/mutants/src/
    [ -f build/mutants/build/build.ninja ] ||
        cmake -S build/mutants/src -B build/mutants/build -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGULATION_BUILD_BENCHMARKS=OFF \
            -DBUILD_SHARED_LIBS=ON -DCMAKE_LINK_DEPENDS_NO_SHARED=ON
    cmake --build build/mutants/build
    shift
    python3 tests/mutants/mutants.py build/mutants/src build/mutants/build "$@"
    ;;
*)
    sed -n '3,19p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
