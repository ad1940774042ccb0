#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build folder and checks it as a
# teacher's machine would meet it: what it holds, its menu entry and metainfo, then
# installs it (as root, with apt-get; otherwise, or with --scratch, unpacked into a
# scratch root) and checks that the installed program starts under Xvfb with
# openbox and opens its window, with its icon, and that the desktop knows a lesson
# file as its type and opens it with the program, as a double-click does.
#
#     packaging/check-package.sh BUILD_DIR [--scratch]
#
# Exits non-zero on the first failure. Needs cmake, dpkg-dev, desktop-file-utils,
# appstream, xvfb, openbox, xdotool, x11-utils, xdg-utils, shared-mime-info and
# libfile-mimeinfo-perl. Set SCREENSHOT=file.png to keep a
# picture of the window (needs imagemagick).
set -euo pipefail

readonly app_id=org.systemesregulation.SystemesRegulation
readonly package=systemes-regulation
readonly title="Systèmes de régulation"
readonly icon_sizes=(16 32 48 64 128 256)
readonly lesson_type=application/x-systemes-regulation-seance
readonly lesson_icon=${lesson_type//\//-}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/support/xdisplay.sh"

fail() {
    echo "check-package: FAILED: $*" >&2
    exit 1
}
step() { echo "check-package: $*"; }

[[ $# -ge 1 && $# -le 2 ]] || {
    echo "usage: $0 BUILD_DIR [--scratch]" >&2
    exit 2
}
[[ -f $1/CPackConfig.cmake ]] || fail "$1 is not a configured build folder (no CPackConfig.cmake)"
build=$(cd "$1" && pwd)
mode=install
if [[ ${2:-} == --scratch || $EUID -ne 0 ]]; then
    mode=scratch
elif [[ -n ${2:-} ]]; then
    fail "unknown option $2"
fi

for tool in cmake cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli \
    Xvfb openbox xdotool xwininfo xprop file xdg-mime xdg-open mimetype update-mime-database \
    update-desktop-database; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done

work=$(mktemp -d)
pids=()
installed_here=no
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [[ $installed_here == yes ]]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -q "$package" >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# --- Build the package -------------------------------------------------------
step "building the program and the package in $build"
cmake --build "$build" --target systemes-regulation
rm -f "$build"/package/*.deb
(cd "$build" && cpack -G DEB) || fail "cpack could not build the package"
debs=("$build"/package/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one .deb in $build/package"
deb=${debs[0]}
step "built $deb"

# --- What the package holds --------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
expected=(
    "usr/bin/$package"
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "usr/share/doc/$package/copyright"
    "usr/share/mime/packages/$app_id.xml"
    "usr/share/icons/hicolor/scalable/mimetypes/$lesson_icon.svg"
)
for size in "${icon_sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    expected+=("usr/share/icons/hicolor/${size}x${size}/mimetypes/$lesson_icon.png")
done
for path in "${expected[@]}"; do
    [[ -f $root/$path ]] || fail "the package lacks /$path"
done
# Only the program and its desktop files: nothing of the tests or benchmarks.
extra=$(cd "$root" && find . -type f -printf '%P\n' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[[ -z $extra ]] || fail "the package holds unexpected files: $extra"
[[ -x $root/usr/bin/$package ]] || fail "/usr/bin/$package is not executable"
for size in "${icon_sizes[@]}"; do
    for icon in "apps/$app_id" "mimetypes/$lesson_icon"; do
        file "$root/usr/share/icons/hicolor/${size}x${size}/$icon.png" | grep -q "PNG image data, $size x $size," ||
            fail "the ${size}x${size} icon $icon is not a $size px PNG"
    done
done

# The project's version is the one the package and the metainfo show.
version=$(dpkg-deb -f "$deb" Version)
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo does not name release $version"
[[ $(dpkg-deb -f "$deb" Section) == education ]] || fail "the package's section is not education"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-wine qt6-translations-l10n libqt6gui6 libqt6widgets6 libqt6multimedia6; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
step "package $package $version holds the program, its entry, metainfo, icons and copyright"

# --- Desktop entry and metainfo ----------------------------------------------
desktop=$root/usr/share/applications/$app_id.desktop
"$here/validate-metadata.sh" "$desktop" "$metainfo"
# The lesson type: described, opened by the menu entry, provided by the metainfo.
grep -q "<mime-type type=\"$lesson_type\">" "$root/usr/share/mime/packages/$app_id.xml" ||
    fail "the shared-mime-info description does not describe $lesson_type"
grep -qx "MimeType=$lesson_type;" "$desktop" || fail "the desktop entry does not open $lesson_type"
grep -q '^Exec=systemes-regulation %f$' "$desktop" || fail "the desktop entry does not pass the file"
grep -q "<mediatype>$lesson_type</mediatype>" "$metainfo" || fail "the metainfo does not provide $lesson_type"

# --- Install -----------------------------------------------------------------
if [[ $mode == install ]]; then
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        installed_here=yes
    fi
    step "installing with apt-get"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" || fail "apt-get could not install $deb"
    program=/usr/bin/$package
    [[ $(dpkg-query -W -f='${Version}' "$package") == "$version" ]] || fail "$package $version is not the installed version"
else
    # Without apt-get the dependencies are not brought in: they must be here already.
    IFS=',' read -ra relations <<<"$depends"
    for relation in "${relations[@]}"; do
        name=$(sed -E 's/^ *([^ |(]+).*/\1/' <<<"$relation")
        dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
            fail "dependency $name is not installed on this machine"
    done
    step "unpacked into the scratch root $root"
    program=$root/usr/bin/$package
    # What the package's triggers do on an installed system, for the scratch root.
    export XDG_DATA_DIRS=$root/usr/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}
    update-mime-database "$root/usr/share/mime"
    update-desktop-database "$root/usr/share/applications"
    export PATH=$root/usr/bin:$PATH
fi
# No user's own choices: only what the system and the package say.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"

# --- Start the installed program ---------------------------------------------
# The title is matched as UTF-8, whatever locale the caller has.
export LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
start_x_display "$work" || fail "no display to start the program on"

step "starting $program on $DISPLAY"
"$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n1) || true
if [[ -z $window ]]; then
    cat "$work/program.log" >&2
    fail "no window named \"$title\" appeared within 30 s"
fi
sleep 1 # let the window settle before it is inspected
kill -0 "$program_pid" 2>/dev/null || {
    cat "$work/program.log" >&2
    fail "the program stopped after opening its window"
}
# Read whole before matching: grep -q stops at its first match, and a writer
# still printing (the icon runs to tens of kilobytes) would then fail the pipe.
info=$(xwininfo -id "$window")
grep -q 'Map State: IsViewable' <<<"$info" || fail "the window is not viewable"
state=$(xprop -id "$window" _NET_WM_STATE)
grep -q _NET_WM_STATE_MAXIMIZED_HORZ <<<"$state" || fail "the window is not maximised"
icons=$(xprop -id "$window" _NET_WM_ICON)
grep -q 'Icon (' <<<"$icons" || fail "the window has no icon"
if [[ -n ${SCREENSHOT:-} ]]; then
    /usr/bin/import -window root "$SCREENSHOT" && step "screenshot saved to $SCREENSHOT"
fi

# --- A lesson file, double-clicked ---------------------------------------------
# A lesson the program saved, under a name of its own.
lesson=$work/lecon-du-jour.regulation
cp "$here/../docs/seances/fievre.regulation" "$lesson"
filetype=$(xdg-mime query filetype "$lesson")
[[ $filetype == "$lesson_type" ]] || fail "xdg-mime gives $lesson the type \"$filetype\", not $lesson_type"
default=$(xdg-mime query default "$lesson_type")
[[ $default == "$app_id.desktop" ]] || fail "xdg-mime opens $lesson_type with \"$default\", not $app_id.desktop"
step "a lesson file is $lesson_type, opened by $default"
# xdg-open does what the file manager does: the type, its program, its entry's Exec.
xdg-open "$lesson" >"$work/open.log" 2>&1 &
pids+=($!)
lesson_title="lecon-du-jour — $title"
lesson_window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$lesson_title\$" | head -n1) || true
if [[ -z $lesson_window ]]; then
    cat "$work/open.log" >&2
    fail "opening $lesson showed no window \"$lesson_title\" within 30 s"
fi
pids+=("$(xdotool getwindowpid "$lesson_window")")
step "opening the lesson file showed \"$lesson_title\""

if [[ -s $work/program.log ]]; then
    step "the program wrote on its console:"
    sed 's/^/    /' "$work/program.log"
fi
step "OK: the installed program opened its window \"$title\" and the lesson file ($mode)"
