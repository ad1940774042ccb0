# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that look at the window under a real display (the
# accessibility bus check, the package check, the benchmarks).
#
# start_x_display WORK_DIR: starts Xvfb (1280 x 1024) and openbox, waits until
# openbox manages windows, and exports DISPLAY. The two processes are appended
# to the caller's `pids` array. Returns 1, with the reason on standard error,
# when either does not start.
start_x_display() {
    local work=$1
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    if [[ ! -s $work/display ]]; then
        echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2
        return 1
    fi
    DISPLAY=:$(head -n1 "$work/display")
    export DISPLAY
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    # openbox is managing once it has set the root window's supporting check.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}
