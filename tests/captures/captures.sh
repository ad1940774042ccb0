#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's pictures at four moments (captures.cpp), made by this tree's
# build into build/captures/ici; with a revision, made by that revision too
# (built apart, with this script's program) and compared pixel for pixel.
#   tests/captures/captures.sh [revision]
set -euo pipefail
cd "$(dirname "$0")/../.."
racine=$PWD
lecon=docs/seances/fievre.regulation
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.multimedia*=false'

photos() { # <build folder> <out folder>
    cmake --build "$1" --target captures >/dev/null
    rm -rf "$2" && mkdir -p "$2"
    "$1/tests/captures/captures" "$2" "$racine/$lecon"
}

cmake --preset dev >/dev/null
photos build/dev build/captures/ici
[ $# -eq 0 ] && { echo "build/captures/ici"; exit 0; }

revision=$(git rev-parse --short "$1")
arbre=build/captures/arbre-$revision
[ -d "$arbre" ] || git worktree add --quiet --detach "$arbre" "$revision" >/dev/null
# The same script of moments on the other revision.
mkdir -p "$arbre/tests/captures"
cp tests/captures/captures.cpp tests/captures/CMakeLists.txt "$arbre/tests/captures/"
grep -q 'add_subdirectory(captures)' "$arbre/tests/CMakeLists.txt" ||
    echo 'add_subdirectory(captures)' >>"$arbre/tests/CMakeLists.txt"
cmake -S "$arbre" -B "$arbre/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DREGULATION_BUILD_BENCHMARKS=OFF >/dev/null
photos "$arbre/build" "build/captures/$revision"

differentes=0
for photo in build/captures/ici/*.png; do
    nom=$(basename "$photo")
    pixels=$(compare -metric AE "$photo" "build/captures/$revision/$nom" null: 2>&1 || true)
    echo "$nom: $pixels pixels differ"
    [ "$pixels" = 0 ] || differentes=1
done
exit $differentes
