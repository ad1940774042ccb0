#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for web browsers (WebAssembly) and writes the site
# build/web/site/ (the page, its script, Qt's loader, the program's script and
# .wasm, the icons and the web app's manifest, the service worker that keeps
# them for use without the network, the example lessons and the licences,
# each page, script and program file also precompressed as .br and .gz) and
# build/web/systemes-regulation-<version>-web.zip of that folder.
#
#     packaging/web/build.sh [--with-tests]
#     packaging/web/build.sh --find-qt
#
# Qt for WebAssembly with its Emscripten is taken from QT_WASM_DIR (a folder
# holding emsdk/ and qt/), else from the tarball
# ../shared/toolchains/qt6-wasm/qt6-wasm-6.4.2.tar.xz beside the project
# (unpacked once into build/web/). --with-tests also builds the Qt Test
# programs that run in a browser, for tests/web/run.sh. --find-qt only prints
# where Qt for WebAssembly is, or fails with one line when there is none.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build/web
build=$out/build
tests=OFF
find_qt=no
for option in "$@"; do
    case $option in
    --with-tests) tests=ON ;;
    --find-qt) find_qt=yes ;;
    *)
        echo "usage: $0 [--with-tests] | --find-qt" >&2
        exit 2
        ;;
    esac
done

fail() {
    echo "systemes-regulation web: $*" >&2
    exit 1
}

sdk=${QT_WASM_DIR:-}
if [[ -z $sdk ]]; then
    tarball=$root/../shared/toolchains/qt6-wasm/qt6-wasm-6.4.2.tar.xz
    [[ -f $tarball ]] ||
        fail "no Qt for WebAssembly: set QT_WASM_DIR to a folder holding emsdk/ and qt/, or put $tarball beside the project"
    sdk=$out/qt6-wasm
    if [[ ! -d $sdk ]]; then
        # Unpacked aside first: an interrupted unpacking leaves no half Qt.
        rm -rf "$out/unpacking"
        mkdir -p "$out/unpacking"
        tar -xJf "$tarball" -C "$out/unpacking"
        mv "$out/unpacking/qt6-wasm" "$sdk"
        rm -rf "$out/unpacking"
    fi
fi
[[ -f $sdk/qt/lib/cmake/Qt6/qt.toolchain.cmake ]] || fail "$sdk holds no Qt for WebAssembly (qt/lib/cmake/Qt6 is missing)"
[[ -f $sdk/emsdk/upstream/emscripten/emcc.py ]] || fail "$sdk holds no Emscripten (emsdk/upstream/emscripten is missing)"
sdk=$(cd "$sdk" && pwd)
if [[ $find_qt == yes ]]; then
    echo "$sdk"
    exit 0
fi

for tool in clang-15 wasm-ld-15 llvm-ar-15 wasm-opt node cmake ninja zip brotli pyftsubset; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing: sudo apt-get install clang-15 lld-15 llvm-15 binaryen nodejs cmake ninja-build zip brotli fonttools"
done
[[ -x /usr/lib/qt6/libexec/moc ]] || fail "Qt's host tools are missing: sudo apt-get install qt6-base-dev"
for file in /usr/share/wine/fonts/ms_sans_serif.ttf /usr/share/fonts/truetype/freefont/FreeSans.ttf \
    /usr/share/qt6/translations/qtbase_fr.qm; do
    [[ -f $file ]] || fail "$file is missing: sudo apt-get install fonts-wine fonts-freefont-ttf qt6-translations-l10n"
done

export EMSDK=$sdk/emsdk EM_CONFIG=$sdk/emsdk/.emscripten
export PATH=$EMSDK/upstream/emscripten:$PATH
# A zip or a site left by an earlier build is not this build's.
mkdir -p "$out"
rm -rf "$out"/systemes-regulation-*-web.zip "$out/site"
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$sdk/qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$EMSDK/upstream/emscripten/cmake/Modules/Platform/Emscripten.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING="$tests" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tests/web/qtest-in-browser.sh" >"$out/configure.log" ||
    { cat "$out/configure.log" >&2; fail "configuring the web build failed"; }
# Every link warns that Debian's binaryen is one version older than this
# Emscripten expects, which is harmless: the warning is left out. The
# pipeline's status is the build's (a filter that drops every line is no
# failure).
cmake --build "$build" 2>&1 | { grep -v 'unexpected binaryen version' || true; } ||
    fail "the web build failed"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
site=$out/site
mkdir -p "$site/licences"
cp "$root/packaging/web/index.html" "$root/packaging/web/regulation-page.js" \
    "$root/packaging/web/manifest.webmanifest" "$site/"
cp "$build/qtloader.js" "$build/systemes-regulation.js" "$build/systemes-regulation.wasm" "$site/"
cp "$root/packaging/icons/icon-64.png" "$site/icon.png"
cp "$root/packaging/icons/icon-192.png" "$root/packaging/icons/icon-512.png" "$site/"
# The teachers' examples, beside the page: index.html?seance=fievre.regulation.
cp "$root"/docs/seances/*.regulation "$site/"
cp "$root/LICENSE" "$site/licences/systemes-regulation.txt"
for doc in fonts-wine fonts-freefont-ttf qt6-translations-l10n libqt6core6; do
    [[ -f /usr/share/doc/$doc/copyright ]] || fail "/usr/share/doc/$doc/copyright is missing"
    cp "/usr/share/doc/$doc/copyright" "$site/licences/$doc.txt"
done

# The service worker keeps every file of this publication, which it is named
# after: the version and a digest of the files, so that a new build replaces
# the copies kept at the pupils' next visit.
files=$(cd "$site" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
digest=$(cd "$site" && cat $files | sha256sum | cut -c1-12)
list=$(printf '%s\n' $files | awk 'BEGIN {printf "["} {printf "%s\"%s\"", (NR > 1 ? ", " : ""), $0} END {printf "]"}')
sed -e "s|@PUBLICATION@|$version-$digest|" -e "s|@FICHIERS@|$list|" \
    "$root/packaging/web/sw.js" >"$site/sw.js"
# Beside each page, script and program file, its brotli and gzip forms: a
# server set up as the README says sends them as they are, with no work of
# its own at each visit.
for file in "$site"/*.html "$site"/*.js "$site"/*.wasm "$site"/*.webmanifest "$site"/*.regulation; do
    brotli -q 11 -f -o "$file.br" "$file"
    gzip -9 -n -k -f "$file"
done

name=systemes-regulation-$version-web
(cd "$site" && zip -qr9 "$out/$name.zip" .)
raw=$(find "$site" -type f ! -name '*.br' ! -name '*.gz' -print0 | du -cb --files0-from=- | tail -n1 | cut -f1)
received=$(du -cb "$site"/*.{html,js,wasm,webmanifest}.br "$site"/icon*.png | tail -n1 | cut -f1)
echo "$site: $((raw / 1024)) KiB, what the browser receives at the first visit $((received / 1024)) KiB (brotli)"
echo "$out/$name.zip ($(du -h "$out/$name.zip" | cut -f1))"
