#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders' layers, as the README's Folders section draws them: nothing
# under lessons/ or systems/ reaches the window's code (but the one handler
# that applies a system), no header outside app/ includes app/, and the
# window's services include none of our other folders.
set -uo pipefail
cd "$(dirname "$0")/.."
fautes=$(
    grep -l '#include "app/' lessons/* systems/* | grep -v '^systems/appliqueconfiguration.cpp$'
    grep -l '#include "app/' mechanism/*.h recordings/*.h guidance/*.h systems/*.h lessons/*.h
    grep -lE '#include "(mechanism|recordings|systems|guidance|lessons)/' app/window_services/*
)
[ -z "$fautes" ] || { echo "includes across the folders' layers in:"; echo "$fautes"; exit 1; }
