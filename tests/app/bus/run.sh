#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the program through the desktop's accessibility bus, as a screen reader
# does: a private Xvfb display, a private session bus with the AT-SPI bus on it,
# the program started with accessibility on, then walk.py drives it.
#
#     tests/app/bus/run.sh PROGRAM
#
# Needs xvfb, openbox, xdotool, x11-utils, at-spi2-core, dbus-x11 and
# python3-pyatspi. When one is missing it exits 77 (skipped), except where the
# checks are required (REGULATION_CHECKS_REQUIRED=1, as ./regulation.sh test
# sets after installing them, or in CI): there a missing tool is a failure.
set -euo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
missing() {
    if [[ -n ${REGULATION_CHECKS_REQUIRED:-} || -n ${CI:-} ]]; then
        echo "FAIL: $1 is missing" >&2
        exit 1
    fi
    echo "skipped: $1 is missing"
    exit 77
}
for tool in Xvfb openbox xdotool xprop dbus-launch "$launcher"; do
    command -v "$tool" >/dev/null || missing "$tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing python3-pyatspi

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [[ -n ${DBUS_SESSION_BUS_PID:-} ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# The window must be managed, and so made active, for the keyboard to reach it.
source "$here/../../support/xdisplay.sh"
start_x_display "$work"

eval "$(dbus-launch --sh-syntax)"
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES='qt.multimedia*=false' \
    "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program_pid" | head -n1) || true
if [[ -z $window ]]; then
    echo "FAIL: the program's window did not show" >&2
    cat "$work/program.log" >&2
    exit 1
fi
if ! timeout 10 xdotool windowactivate --sync "$window"; then
    echo "FAIL: the program's window could not be made active" >&2
    exit 1
fi

status=0
/usr/bin/python3 "$here/walk.py" "$program_pid" || status=$?
# Quit by the walk, the program ends of itself, cleanly (a sanitizer build
# fails here on any fault of its teardown).
if [[ $status -eq 0 ]]; then
    if ! timeout 30 tail --pid="$program_pid" -f /dev/null; then
        echo "FAIL: the program did not end after \"Quitter\"" >&2
        status=1
    elif ! wait "$program_pid"; then
        echo "FAIL: the program ended on an error after \"Quitter\"" >&2
        status=1
    fi
fi
[[ $status -eq 0 ]] || cat "$work/program.log" >&2
exit "$status"
