#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles the program for 64-bit Windows with MinGW-w64 and writes the
# portable zip build/windows/systemes-regulation-<version>-windows-x64.zip:
# the program, the Qt libraries and plugins it loads, MinGW's runtime, and the
# two faces Windows lacks, with their licences. Unzip and double-click. Beside
# it, the Windows Installer package of the same files for the IT service
# (packaging/windows/msi.sh), with its SHA-256.
#
#     packaging/windows/build.sh [--with-tests] [--with-benchmarks]
#     packaging/windows/build.sh --find-qt
#
# Qt for Windows (MinGW, 6.4 or later) is taken from QT_WINDOWS_DIR, else from
# the tarball ../shared/toolchains/qt6-mingw/qt6-mingw-6.4.2.tar.xz beside the
# project (unpacked once into build/windows/). packaging/windows/build-qt.sh
# makes that tarball from Debian's own Qt sources. --with-tests also builds
# the Qt Test suite, for tests/windows/run.sh; --with-benchmarks the figures
# program, for bench/windows.sh. --find-qt only prints where Qt for Windows
# is, or fails with one line when there is none.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build/windows
build=$out/build
tests=OFF
benchmarks=OFF
find_qt=no
for option in "$@"; do
    case $option in
    --with-tests) tests=ON ;;
    --with-benchmarks) benchmarks=ON ;;
    --find-qt) find_qt=yes ;;
    *)
        echo "usage: $0 [--with-tests] [--with-benchmarks] | --find-qt" >&2
        exit 2
        ;;
    esac
done

fail() {
    echo "systemes-regulation windows: $*" >&2
    exit 1
}

# Qt for Windows.
qt=${QT_WINDOWS_DIR:-}
if [[ -z $qt ]]; then
    tarball=$root/../shared/toolchains/qt6-mingw/qt6-mingw-6.4.2.tar.xz
    [[ -f $tarball ]] ||
        fail "no Qt for Windows: set QT_WINDOWS_DIR to a Qt for MinGW, or make $tarball with packaging/windows/build-qt.sh"
    qt=$out/qt6-mingw-6.4.2
    if [[ ! -d $qt ]]; then
        # Unpacked aside first: an interrupted unpacking leaves no half Qt.
        rm -rf "$out/unpacking"
        mkdir -p "$out/unpacking"
        tar -xJf "$tarball" -C "$out/unpacking"
        mv "$out/unpacking/qt6-mingw-6.4.2" "$qt"
        rm -rf "$out/unpacking"
    fi
fi
[[ -f $qt/lib/cmake/Qt6/Qt6Config.cmake ]] || fail "$qt holds no Qt 6 (lib/cmake/Qt6 is missing)"
qt=$(cd "$qt" && pwd)

if [[ $find_qt == yes ]]; then
    echo "$qt"
    exit 0
fi
for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres cmake ninja zip wixl msibuild; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing: sudo apt-get install g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build zip wixl msitools"
done
[[ -x /usr/lib/qt6/libexec/moc ]] || fail "Qt's host tools are missing: sudo apt-get install qt6-base-dev"

# A zip or package left by an earlier build is not this build's.
rm -f "$out"/systemes-regulation-*-windows-x64.zip "$out"/systemes-regulation-*-windows-x64.msi
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING="$tests" -DREGULATION_BUILD_BENCHMARKS="$benchmarks" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tests/windows/wine-test.sh" >"$out/configure.log" ||
    { cat "$out/configure.log" >&2; fail "configuring the Windows build failed"; }
cmake --build "$build"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=systemes-regulation-$version-windows-x64
stage=$out/$name
rm -rf "$stage" "$out/$name.zip"
mkdir -p "$stage"/{platforms,styles,fonts,licences}

cp "$build/systemes-regulation.exe" "$stage/"
for lib in Core Gui Widgets Multimedia Network PrintSupport; do
    cp "$qt/bin/Qt6$lib.dll" "$stage/"
done
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
# Qt 6.4 builds its Windows audio into Qt6Multimedia.dll; later Qt keeps it in a plugin.
for plugin in "$qt"/plugins/multimedia/*.dll; do
    [[ -f $plugin ]] && mkdir -p "$stage/multimedia" && cp "$plugin" "$stage/multimedia/"
done
mingw=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
for dll in "$mingw/libstdc++-6.dll" "$mingw/libgcc_s_seh-1.dll" \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll; do
    [[ -f $dll ]] || fail "MinGW's runtime $dll is missing"
    cp "$dll" "$stage/"
done

# The window's face at ratio 1 and the outline face above it.
window_face=/usr/share/wine/fonts/ms_sans_serif.ttf
[[ -f $window_face ]] || fail "$window_face is missing: sudo apt-get install fonts-wine"
cp "$window_face" "$stage/fonts/"
for face in FreeSans.ttf FreeSansBold.ttf; do
    [[ -f /usr/share/fonts/truetype/freefont/$face ]] ||
        fail "$face is missing: sudo apt-get install fonts-freefont-ttf"
    cp "/usr/share/fonts/truetype/freefont/$face" "$stage/fonts/"
done
# Qt's own dialogs in French: Debian's translation of this very Qt version.
qtbase_fr=/usr/share/qt6/translations/qtbase_fr.qm
[[ -f $qtbase_fr ]] || fail "$qtbase_fr is missing: sudo apt-get install qt6-translations-l10n"
mkdir -p "$stage/translations"
cp "$qtbase_fr" "$stage/translations/"
[[ $tests == ON ]] && cp -r "$stage/translations" "$build/"
sed 's/$/\r/' "$root/packaging/windows/LISEZMOI.txt" >"$stage/LISEZMOI.txt"
# The tests, built beside the program's build, find the faces as it does.
[[ $tests == ON ]] && cp -r "$stage/fonts" "$build/"
cp "$root/LICENSE" "$stage/licences/systemes-regulation.txt"
# What was shipped beside the program, with the terms Debian records for it.
for doc in fonts-wine fonts-freefont-ttf qt6-translations-l10n libqt6core6 libqt6multimedia6 \
    gcc-mingw-w64-base mingw-w64-common; do
    [[ -f /usr/share/doc/$doc/copyright ]] || fail "/usr/share/doc/$doc/copyright is missing"
    cp "/usr/share/doc/$doc/copyright" "$stage/licences/$doc.txt"
done

(cd "$out" && zip -qr9 "$name.zip" "$name")
echo "$out/$name.zip ($(du -h "$out/$name.zip" | cut -f1))"
bash "$root/packaging/windows/msi.sh" "$stage" "$version" "$out/$name.msi"
echo "$out/$name.msi ($(du -h "$out/$name.msi" | cut -f1))"
