#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Qt Test suite of the Windows build under Wine, headless, as CTest
# lists it (each test through wine, CMake's emulator for the cross build):
# a fresh Wine prefix in the build tree, an Xvfb display for Wine itself.
#
#     tests/windows/run.sh BUILD_DIR
#
# The tests left out under Wine, each for a reason of Wine's own, are listed
# in tests/windows/exclusions.sh.
set -euo pipefail
build=$(cd "${1:?usage: tests/windows/run.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

source "$here/wine.sh"
open_session
start_wine "$build/wineprefix" "$build"

source "$here/exclusions.sh"
ctest --test-dir "$build" --output-on-failure --no-tests=error -E "$(wine_exclusions)"
