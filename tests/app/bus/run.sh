#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the program through the desktop's accessibility bus, as a screen reader
# does: a private Xvfb display, a private session bus with the AT-SPI bus on it,
# the program started with accessibility on, then walk.py drives it.
#
#     tests/app/bus/run.sh PROGRAM
#
# Exits 77 (skipped) when a tool is missing; needs xvfb, openbox, xdotool, x11-utils,
# at-spi2-core, dbus-x11 and python3-pyatspi.
set -euo pipefail

program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb openbox xdotool xprop dbus-launch "$launcher"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [[ -n ${DBUS_SESSION_BUS_PID:-} ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$work/runtime
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
[[ -n $window ]] && xdotool windowactivate --sync "$window" 2>/dev/null || true

status=0
/usr/bin/python3 "$here/walk.py" "$program_pid" || status=$?
[[ $status -eq 0 ]] || cat "$work/program.log" >&2
exit "$status"
