#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The web build's script fails when the program's build fails, even with the
# program of an earlier build still in its build folder: no site and no zip
# come out of it. Run on a scratch copy of the script, with a stand-in Qt for
# WebAssembly and stand-in tools whose build step fails.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The script and what it puts on the site, as in the project.
root=$work/root
source=$here/../..
mkdir -p "$root/packaging/icons" "$root/docs/seances" "$work/sdk/qt/lib/cmake/Qt6" \
    "$work/sdk/emsdk/upstream/emscripten" "$work/bin"
cp -r "$source/packaging/web" "$root/packaging/"
cp "$source/packaging/icons/icon-64.png" "$root/packaging/icons/"
cp "$source"/docs/seances/*.regulation "$root/docs/seances/"
cp "$source/LICENSE" "$root/"
touch "$work/sdk/qt/lib/cmake/Qt6/qt.toolchain.cmake" "$work/sdk/emsdk/upstream/emscripten/emcc.py"
for tool in clang-15 wasm-ld-15 llvm-ar-15 wasm-opt node ninja zip; do
    printf '#!/bin/sh\nexit 0\n' >"$work/bin/$tool"
done
# Configuring works; building fails, as a broken source makes it.
cat >"$work/bin/cmake" <<'TOOL'
#!/bin/sh
if [ "$1" = --build ]; then
    echo "error: a source does not compile"
    exit 1
fi
exit 0
TOOL
chmod +x "$work/bin"/*

# An earlier build's program and site, still there.
build=$root/build/web/build
mkdir -p "$build" "$root/build/web/site"
touch "$root/build/web/site/index.html" "$root/build/web/systemes-regulation-0.9-web.zip"
echo 'CMAKE_PROJECT_VERSION:STATIC=1.0' >"$build/CMakeCache.txt"
touch "$build/qtloader.js" "$build/systemes-regulation.js" "$build/systemes-regulation.wasm"

status=0
PATH=$work/bin:$PATH QT_WASM_DIR=$work/sdk bash "$root/packaging/web/build.sh" >"$work/log" 2>&1 ||
    status=$?
if [[ $status -eq 0 ]]; then
    echo "FAIL: the web build's script passed a failed build" >&2
    cat "$work/log" >&2
    exit 1
fi
if ! grep -q 'the web build failed' "$work/log"; then
    echo "FAIL: the web build's script did not say that the build failed" >&2
    cat "$work/log" >&2
    exit 1
fi
if [[ -e $root/build/web/site ]] || compgen -G "$root/build/web/*.zip" >/dev/null; then
    echo "FAIL: a failed build left a site or a zip" >&2
    exit 1
fi
echo "web build: a failed build fails the script, and leaves no site and no zip"
