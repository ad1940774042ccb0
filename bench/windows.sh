#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/windows.sh BUILD_DIR [RUNS]: the Windows build's tick
# rate and processor time at the top speed, under Wine, RUNS times (5 by
# default): window hidden (offscreen), then shown maximised on an Xvfb display
# through Qt's windows platform, as the program draws. Prints each figure's
# median, minimum and maximum after a line that names the machine.
# BUILD_DIR comes from packaging/windows/build.sh --with-benchmarks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/windows/wine.sh"

build=$(cd "${1:?usage: bench/windows.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-5}
figures=$build/regulation-figures.exe
[[ -f $figures ]] || {
    echo "no $figures: build it with packaging/windows/build.sh --with-benchmarks" >&2
    exit 1
}

open_session

start_wine "$work/prefix" "$build"

machine="$(nproc) cores of $(lscpu | sed -n 's/^Model name: *//p'), $(wine --version), Qt 6.4.2 for Windows"
echo "Measuring each figure $runs times under Wine on $machine..." >&2
results=$work/results
for run in $(seq "$runs"); do
    echo "  run $run/$runs" >&2
    WINEQT_QPA_PLATFORM=offscreen wine "$figures" cadence 5 | tr -d '\r' >>"$results"
    WINEQT_QPA_PLATFORM=windows:fontengine=freetype wine "$figures" cadence-montree 5 |
        tr -d '\r' | sed 's/_xvfb /_fenetre /' >>"$results"
done

echo "$(date -u +%Y-%m-%d), $runs runs under Wine, $machine"
awk -f "$here/summary.awk" "$results"
