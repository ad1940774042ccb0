#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/run.sh BUILD_DIR [RUNS]: measures every figure RUNS times (5 by default)
# and prints the median, minimum and maximum of each beside its target, after a
# line that names the machine. The window figures run
# under a private Xvfb display with openbox, so that the window is really
# maximised and painted. Exits with 1 when a median misses its target.
set -euo pipefail
source "$(dirname "$0")/../tests/support/xdisplay.sh"

build=$(cd "${1:?usage: bench/run.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-5}
tick="$build/bench/bench_tick"
figures="$build/bench/regulation-figures"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
results="$work/results"

# Qt Test prints "function","tag","metric",value,...; the tick costs are kept
# in microseconds.
tick_costs() {
    QT_QPA_PLATFORM=offscreen "$tick" -csv 2>/dev/null | awk -F, '
        { gsub(/"/, ""); name = $2 == "" ? $1 : $1 "_" $2 }
        $3 == "WalltimeMilliseconds" { printf "%s %.3f us\n", name, $4 * 1000 }
        $3 == "WalltimeNanoseconds"  { printf "%s %.3f us\n", name, $4 / 1000 }'
}

machine="$(nproc) cores of $(lscpu | sed -n 's/^Model name: *//p'), $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo '?')"
echo "Measuring each figure $runs times on $machine..." >&2
for run in $(seq "$runs"); do
    echo "  offscreen run $run/$runs" >&2
    {
        tick_costs
        QT_QPA_PLATFORM=offscreen "$figures" cadence 5
        QT_QPA_PLATFORM=offscreen "$figures" cadence-deroule 5
        QT_QPA_PLATFORM=offscreen "$figures" memoire 1000000
        QT_QPA_PLATFORM=offscreen "$figures" seance 11
    } >>"$results"
done

start_x_display "$work"
for run in $(seq "$runs"); do
    echo "  Xvfb run $run/$runs" >&2
    {
        QT_QPA_PLATFORM=xcb "$figures" premiere-image
        QT_QPA_PLATFORM=xcb "$figures" cadence-montree 5
    } >>"$results"
done

# name, comparison and limit of each target.
targets='tickCapteur_nerveux <= 50
tickCapteur_hormonal <= 50
tickCapteur_deroule <= 50
cadence_offscreen >= 995
cadence_deroule >= 995
cadence_xvfb >= 990
processeur_xvfb <= 10
premiere_image <= 150
seance_enregistrer <= 50
seance_ouvrir <= 50
memoire_croissance <= 1'

echo "$(date -u +%Y-%m-%d), $runs runs, $machine"
awk -v targets="$targets" -f "$(dirname "$0")/summary.awk" "$results"
