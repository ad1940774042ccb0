# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the Windows build under Wine (its tests, its
# smoke check, its benchmark).
source "$(dirname "${BASH_SOURCE[0]}")/../support/xdisplay.sh"

# open_session: a scratch folder ($work) removed on exit, and an Xvfb display
# for Wine. Wine's prefix is the scratch folder's until start_wine names one,
# so that no Wine command, not even the cleanup's, reaches the user's own.
# On exit, the programs started, then Wine's server, then the display and the
# window manager end, each waited for, and the folder goes.
open_session() {
    work=$(mktemp -d)
    pids=()
    display_pids=()
    wine_prefixes=()
    export WINEPREFIX=$work/wineprefix
    trap close_session EXIT
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    start_x_display "$work" || return 1
    # From now on `pids` holds the programs the caller starts.
    display_pids=("${pids[@]}")
    pids=()
}
stop_process() { # PID: asked to end, then forced after 30 s
    kill "$1" 2>/dev/null || return 0
    timeout 30 tail --pid="$1" -f /dev/null 2>/dev/null || kill -9 "$1" 2>/dev/null || true
}
close_session() {
    local i prefix
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop_process "${pids[i]}"; done
    for prefix in "${wine_prefixes[@]}"; do
        WINEPREFIX=$prefix timeout 60 wineserver -k -w 2>/dev/null || true
    done
    for ((i = ${#display_pids[@]} - 1; i >= 0; i--)); do stop_process "${display_pids[i]}"; done
    wait 2>/dev/null || true
    rm -rf "$work"
}

# start_wine PREFIX [BUILD_DIR]: a fresh Wine prefix, quiet, without Mono's or
# Gecko's prompts. With BUILD_DIR, Wine also finds the DLLs of the Qt for
# Windows that build was configured with, and of MinGW's runtime; without it,
# a program finds nothing but what lies beside it.
start_wine() {
    # No menu entries on the host for the shortcuts an installer makes.
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset WINEPATH WINEQT_PLUGIN_PATH
    wine_prefixes+=("$WINEPREFIX")
    # The prefix links the user's desktop and documents to the home folder:
    # one of the session's own, so that no shortcut or file reaches the user's.
    export HOME=$work/home
    mkdir -p "$HOME"
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

# wine_path PATH: the Windows name of a path of this machine (Wine's Z: drive).
wine_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# wait_window NAME SECONDS: the first visible window whose title matches NAME,
# asked again until it shows (a window that comes and goes while xdotool
# looks ends one search, not the wait); nothing when none shows in time.
wait_window() {
    local window end=$((SECONDS + $2))
    while ((SECONDS < end)); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
        [[ -n $window ]] && echo "$window" && return 0
        sleep 0.5
    done
}
