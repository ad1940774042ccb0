# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the Windows build under Wine (its tests, its
# smoke check, its benchmark).
source "$(dirname "${BASH_SOURCE[0]}")/../support/xdisplay.sh"

# open_session: a scratch folder ($work) removed on exit, and an Xvfb display
# for Wine; on exit the display and Wine's server stop.
open_session() {
    work=$(mktemp -d)
    pids=()
    trap close_session EXIT
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    start_x_display "$work"
}
close_session() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}

# start_wine PREFIX [BUILD_DIR]: a fresh Wine prefix, quiet, without Mono's or
# Gecko's prompts. With BUILD_DIR, Wine also finds the DLLs of the Qt for
# Windows that build was configured with, and of MinGW's runtime; without it,
# a program finds nothing but what lies beside it.
start_wine() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset WINEPATH WINEQT_PLUGIN_PATH
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    [[ -n ${2:-} ]] || return 0
    local qt mingw
    qt=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$2/CMakeCache.txt")
    mingw=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
    WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$mingw");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
    # Wine keeps the host's QT_ variables from Windows programs and hands
    # them its WINEQT_ ones instead.
    WINEQT_PLUGIN_PATH=$(winepath -w "$qt/plugins")
    export WINEPATH WINEQT_PLUGIN_PATH
}
