#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CTest's runner for the Windows build: runs one Qt Test program under Wine and
# prints its report. A windowed program's standard output does not reach the
# terminal, so the report goes through a file.
#     tests/windows/wine-test.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
program=$1
shift
report=$(mktemp --suffix=.txt)
wine "$program" "$@" -o "$(winepath -w "$report"),txt"
status=$?
cat "$report"
rm -f "$report"
exit "$status"
