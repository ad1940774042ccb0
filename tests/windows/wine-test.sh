#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CTest's runner for the Windows build: runs one Qt Test program under Wine and
# prints its report. A windowed program's standard output does not reach the
# terminal, so the report goes through a file. Wine keeps the host's QT_
# variables from Windows programs and hands them WINEQT_ ones instead: the
# test's own settings (its platform, its scale) are passed that way.
#     tests/windows/wine-test.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
program=$1
shift
report=$(mktemp --suffix=.txt)
while IFS='=' read -r name _; do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done < <(env)
# Wine's Z: drive is the host's root: the path needs no winepath, which can
# fail while the Wine server is busy starting.
wine "$program" "$@" -o "Z:${report//\//\\},txt"
status=$?
cat "$report"
rm -f "$report"
exit "$status"
