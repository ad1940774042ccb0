#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CTest's runner for the web build (its cross-compiling emulator): one Qt Test
# program in headless Chromium.
#     tests/web/qtest-in-browser.sh PROGRAM.js [ARGUMENTS...]
exec node "$(dirname "$0")/qtest-in-browser.mjs" "$@"
