#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the zipped Windows program under Wine as a teacher would after
# unzipping it on a USB stick (or, given the Windows Installer package, as
# installed silently by the IT service), and runs the loop once: the window opens,
# "Marche" then a perturbation of the regulated value move it (the sensor's
# colour changes, the recording strips draw), "Quitter" and its question
# close it with status 0. Then a lesson file dropped on the program (its path
# as the argument, as Explorer passes it; for the installed program, a
# double-click through the file type's association) opens that lesson.
# Nothing but the package's own files is given to it.
#
#     tests/windows/smoke.sh ZIP|MSI [SCREENSHOT_DIR]
#
# With SCREENSHOT_DIR, the window before and after the perturbation and the
# question are kept there as PNG files. Needs wine, xvfb, openbox, xdotool,
# x11-utils, imagemagick, unzip and python3-pefile.
set -euo pipefail
readonly title="Systèmes de régulation"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"

fail() {
    echo "windows smoke: FAILED: $*" >&2
    exit 1
}
step() { echo "windows smoke: $*"; }

[[ $# -ge 1 && -f $1 ]] || fail "usage: $0 ZIP|MSI [SCREENSHOT_DIR]"
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shots=${2:-}
for tool in wine wineboot wineserver Xvfb openbox xdotool xwininfo import compare unzip; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing: sudo apt-get install wine wine64 xvfb openbox xdotool x11-utils imagemagick unzip"
done
/usr/bin/python3 -c 'import pefile' 2>/dev/null || fail "pefile is missing: sudo apt-get install python3-pefile"

export LC_ALL=C.UTF-8
open_session || fail "no display"

if [[ $zip == *.msi ]]; then
    # A machine that never saw the program, the package installed as a
    # deployment tool does: silently, for every user.
    start_wine "$work/prefix"
    wine msiexec /i "$(wine_path "$zip")" /qn || fail "msiexec could not install $(basename "$zip")"
    program="$WINEPREFIX/drive_c/Program Files/$title/systemes-regulation.exe"
    [[ -f $program ]] || fail "the package installed no \"C:\\Program Files\\$title\\systemes-regulation.exe\""
    installed=yes
    # What the installation holds: the program must write nothing beside it.
    (cd "$(dirname "$program")" && find . -printf '%P %s\n' | sort) >"$work/installed-files"
else
    # A stick's folder, with a blank and an accent in its name.
    stick="$work/Clé USB"
    mkdir -p "$stick"
    unzip -q "$zip" -d "$stick"
    programs=("$stick"/*/systemes-regulation.exe)
    program=${programs[0]}
    [[ -f $program ]] || fail "the zip holds no systemes-regulation.exe in its folder"
    [[ -f $(dirname "$program")/translations/qtbase_fr.qm ]] ||
        fail "the zip holds no French translation of Qt's dialogs"

    # What Explorer and the task manager show of the program.
    description=$(/usr/bin/python3 "$here/versioninfo.py" "$program" FileDescription) ||
        fail "could not read the program's version resource"
    [[ $description == "$title" ]] ||
        fail "the program describes itself as \"$description\", not \"$title\""
    step "the version resource names \"$description\""

    # A machine that never saw the program: a fresh Wine prefix, and no path to
    # Qt or MinGW but the program's own folder.
    start_wine "$work/prefix"
    installed=no
fi

step "starting $(basename "$program") from \"$(dirname "$program")\""
(cd "$(dirname "$program")" && exec wine ./systemes-regulation.exe) >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 90 xdotool search --sync --onlyvisible --name "^$title\$" | head -n1) || true
[[ -n $window ]] || {
    cat "$work/program.log" >&2
    fail "no window named \"$title\" appeared"
}
sleep 2 # the first frame

# Positions are the stored layout's, from the window's client corner.
click() { # x y
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}
shot() { # name [kept]
    import -window "$window" "$work/$1.png"
    [[ -z $shots || -z ${2:-} ]] || cp "$work/$1.png" "$shots/windows-$1.png"
}
# Pixels that differ between two shots in a box of the window, as a whole
# number; a comparison that gives none fails with what compare said.
changed() { # first second width height x y
    local geometry=$3x$4+$5+$6 count
    convert "$work/$1.png" -crop "$geometry" +repage "$work/a.png" ||
        fail "could not crop the screenshot $1"
    convert "$work/$2.png" -crop "$geometry" +repage "$work/b.png" ||
        fail "could not crop the screenshot $2"
    # compare exits 1 when the images differ; its count may be in e-notation.
    count=$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1) || true
    [[ $count =~ ^[0-9]+(\.[0-9]+)?(e\+?[0-9]+)?$ ]] ||
        fail "could not compare the screenshots $1 and $2: $count"
    printf '%.0f\n' "$count"
}
[[ -z $shots ]] || mkdir -p "$shots"

shot before kept
click 263 27  # "Marche"
click 356 71  # the sensory pathway's recording toggle
click 395 210 # the stimulating pathway's
sleep 1
shot running kept
click 155 153 # the regulated value's bar, right of its thumb: the value moves up a step
# A loaded machine may take a while to show the change: looked at every half
# second, for at least 3 s (so that the strips draw) and at most 10 s.
sensor=0
for i in $(seq 20); do
    sleep 0.5
    shot "after-$i"
    count=$(changed running "after-$i" 47 19 241 123) || exit 1
    sensor=$((sensor + count))
    ((sensor > 0 && i >= 6)) && break
done
cp "$work/after-$i.png" "$work/after.png"
[[ -z $shots ]] || cp "$work/after.png" "$shots/windows-after.png"
((sensor > 0)) || fail "the sensor kept its colour after the perturbation"
strips=$(changed running after 550 125 22 292) || exit 1
((strips > 0)) || fail "the recording strips drew nothing"
step "the loop ran: the sensor changed colour, $strips pixels drawn in the strips"

click 566 26 # "Quitter"
question=$(timeout 20 xdotool search --sync --onlyvisible --name "^Avertissement\$" | head -n1) || true
[[ -n $question ]] || fail "\"Quitter\" asked no question"
sleep 0.5
[[ -z $shots ]] || import -window "$question" "$shots/windows-question.png"
xdotool windowactivate --sync "$question" key --clearmodifiers alt+o
status=0
timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the program did not close after \"Oui\""
wait "$program_pid" || status=$?
((status == 0)) || {
    cat "$work/program.log" >&2
    fail "the program closed with status $status"
}
step "the program ran the loop and closed with status 0"
if [[ $installed == yes ]]; then
    cmp -s "$work/installed-files" <(cd "$(dirname "$program")" && find . -printf '%P %s\n' | sort) ||
        fail "the program wrote in its installation folder: $(diff "$work/installed-files" <(cd "$(dirname "$program")" && find . -printf '%P %s\n' | sort) | tail -n +2 | tr '\n' ' ')"
    step "the program wrote nothing in its installation folder"
fi

# A lesson dropped on the program, or opened with it: a name with accents and
# blanks, in a folder with an apostrophe, arrives whole.
lessons="$work/Séances de l'année"
mkdir -p "$lessons"
cp "$here/../../docs/seances/fievre.regulation" "$lessons/Fièvre en 1re.regulation"
lesson_path=$(wine_path "$lessons/Fièvre en 1re.regulation")
if [[ $installed == yes ]]; then
    # What Explorer does on a double-click: the type's own command.
    wine start "$lesson_path" >"$work/lesson.log" 2>&1 &
else
    (cd "$(dirname "$program")" && exec wine ./systemes-regulation.exe "$lesson_path") >"$work/lesson.log" 2>&1 &
fi
lesson_pid=$!
pids+=("$lesson_pid")
lesson_title="Fièvre en 1re — $title"
lesson_window=$(wait_window "^$lesson_title\$" 90)
[[ -n $lesson_window ]] || {
    cat "$work/lesson.log" >&2
    fail "the lesson file showed no window \"$lesson_title\""
}
step "the lesson file opened: \"$lesson_title\""
step "OK: the program opened, ran the loop, closed with status 0 and opened a lesson"
