#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Qt Test suite of the Windows build under Wine, headless, as CTest
# lists it (each test through wine, CMake's emulator for the cross build):
# a fresh Wine prefix in the build tree, an Xvfb display for Wine itself.
#
#     tests/windows/run.sh BUILD_DIR QT_FOR_WINDOWS
#
# The tests left out under Wine, each for a reason of Wine's own, are listed
# in tests/windows/exclusions.sh.
set -euo pipefail
build=$(cd "$1" && pwd)
qt=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$here/../support/xdisplay.sh"
start_x_display "$work"

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
# Qt's libraries and MinGW's runtime, where the tests find them.
mingw=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$mingw");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
WINEQT_PLUGIN_PATH="$(winepath -w "$qt/plugins")"
export WINEPATH WINEQT_PLUGIN_PATH

source "$here/exclusions.sh"
ctest --test-dir "$build" --output-on-failure -E "$(wine_exclusions)"
