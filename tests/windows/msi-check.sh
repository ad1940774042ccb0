#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows Installer package as the school's IT service meets it,
# under Wine, in fresh prefixes:
#   - msiinfo reads its summary and every table; two builds of its version
#     have the same product, upgrade and component codes;
#   - installed silently, the zip's files are in "C:\Program Files\Systèmes
#     de régulation", the Start-menu shortcuts, the lesson type's association
#     and the installed-programs entry (name, version, publisher, icon) are
#     there; the shortcut properties are obeyed;
#   - a package of a higher version installed over it leaves one entry, of
#     the higher version, and the lower one then refuses to install;
#   - uninstalled silently, no file, shortcut, association or key is left.
# The installed program itself is checked by smoke.sh, given the package.
#
#     tests/windows/msi-check.sh MSI STAGE
#
# STAGE is the folder the zip holds, from which the package was built. Needs
# wine, xvfb, openbox, wixl and msitools.
set -euo pipefail
readonly title="Systèmes de régulation"
readonly publisher="Les auteurs de Systèmes de régulation"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"

fail() {
    echo "windows msi: FAILED: $*" >&2
    exit 1
}
step() { echo "windows msi: $*"; }

[[ $# -eq 2 && -f $1 && -d $2 ]] || fail "usage: $0 MSI STAGE"
msi=$(realpath "$1")
stage=$(realpath "$2")
for tool in wine wineboot wineserver Xvfb openbox msiinfo wixl; do
    command -v "$tool" >/dev/null || fail "$tool is missing: sudo apt-get install wine wine64 xvfb openbox wixl msitools"
done
export LC_ALL=C.UTF-8
open_session || fail "no display"

# --- The package as msitools reads it ------------------------------------------
tables=$(msiinfo tables "$msi") || fail "msiinfo cannot read $msi"
for table in Component Directory Feature File Media Property Registry Shortcut Upgrade; do
    grep -qx "$table" <<<"$tables" || fail "the package has no $table table"
done
# A table with binary data is exported with its streams beside it: in the
# scratch folder.
for table in $tables; do
    [[ $table == _* ]] && continue
    (cd "$work" && msiinfo export "$msi" "$table" >/dev/null) || fail "msiinfo cannot read the $table table"
done
msiinfo suminfo "$msi" | grep -q "^Template: x64;" || fail "the package is not for 64-bit Windows"
property() { msiinfo export "$1" Property | sed -n "s/^$2\t//p" | tr -d '\r'; }
version=$(property "$msi" ProductVersion)
product_code=$(property "$msi" ProductCode)
upgrade_code=$(property "$msi" UpgradeCode)
[[ $(property "$msi" ProductName) == "$title" ]] || fail "the package is not named \"$title\""

# Built again, the same version is the same product, with the same codes.
bash "$here/../../packaging/windows/msi.sh" "$stage" "$version" "$work/again.msi" >/dev/null
[[ $(property "$work/again.msi" ProductCode) == "$product_code" &&
    $(property "$work/again.msi" UpgradeCode) == "$upgrade_code" ]] ||
    fail "a second build of $version has another product or upgrade code"
cmp -s <(msiinfo export "$msi" Component) <(msiinfo export "$work/again.msi" Component) ||
    fail "a second build of $version has other component codes"
step "msiinfo reads every table; two builds of $version have the codes $product_code, $upgrade_code and the same components"

# --- Installed silently ----------------------------------------------------------
# Values of the registry as reg.exe prints them, in the console's code page.
reg_value() { # KEY NAME: the value's data, or nothing
    local flag=(/v "$2")
    [[ $2 == "(Default)" ]] && flag=(/ve)
    wine reg query "$1" "${flag[@]}" 2>/dev/null | iconv -f CP437 -t UTF-8 | tr -d '\r' |
        sed -n 's/^    .*    REG_[A-Z_]*    //p'
}
shortcuts() { find -L "$WINEPREFIX/drive_c" -name '*.lnk' -path "*$title*" 2>/dev/null | sed 's|.*/||' | sort -u; }
# Called as `var=$(uninstall_entries)`, so that a registry Wine cannot read
# fails the check instead of reading as no entry.
uninstall_entries() {
    local listing code
    listing=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | tr -d '\r') ||
        fail "Wine could not read the installed-programs entries"
    for code in $(grep -o '{[0-9A-F-]*}$' <<<"$listing" || true); do
        if [[ $(reg_value "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code" DisplayName) == "$title" ]]; then
            echo "$code"
        fi
    done
}
install() { # MSI [PROPERTY=VALUE...]
    local package=$1
    shift
    wine msiexec /i "$(wine_path "$package")" /qn "$@" || fail "msiexec /i $(basename "$package") $* failed"
}
uninstall() { # MSI
    wine msiexec /x "$(wine_path "$1")" /qn || fail "msiexec /x $(basename "$1") failed"
}
readonly association_keys=('HKLM\Software\Classes\.regulation' 'HKLM\Software\Classes\SystemesRegulation.Seance'
    'HKLM\Software\Classes\Applications\systemes-regulation.exe'
    'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\systemes-regulation.exe'
    'HKLM\Software\Systemes-regulation')
nothing_left() { # WHAT
    local key
    [[ ! -e "$WINEPREFIX/drive_c/Program Files/$title" ]] || fail "$1 left \"C:\\Program Files\\$title\""
    [[ -z $(shortcuts) ]] || fail "$1 left the shortcuts $(shortcuts | tr '\n' ' ')"
    for key in "${association_keys[@]}"; do
        ! wine reg query "$key" >/dev/null 2>&1 || fail "$1 left the key $key"
    done
    local left
    left=$(uninstall_entries)
    [[ -z $left ]] || fail "$1 left an installed-programs entry"
}

start_wine "$work/prefix"
install "$msi"
installed="$WINEPREFIX/drive_c/Program Files/$title"
missing=$(cd "$stage" && find . -type f -printf '%P\n' | while read -r file; do
    cmp -s "$file" "$installed/$file" || echo "$file"
done)
[[ -z $missing ]] || fail "the installation lacks or differs in: $missing"
[[ $(shortcuts) == "$title (projection).lnk"$'\n'"$title.lnk" ]] ||
    fail "the Start-menu shortcuts are not \"$title\" and \"$title (projection)\": $(shortcuts | tr '\n' ' ')"
exe='"C:\Program Files\'"$title"'\systemes-regulation.exe"'
[[ $(reg_value 'HKLM\Software\Classes\.regulation' '(Default)') == SystemesRegulation.Seance ]] ||
    fail ".regulation files are not SystemesRegulation.Seance"
[[ $(reg_value 'HKLM\Software\Classes\SystemesRegulation.Seance' '(Default)') == "Séance de $title" ]] ||
    fail "the lesson type is not described as \"Séance de $title\""
[[ $(reg_value 'HKLM\Software\Classes\SystemesRegulation.Seance\shell\open\command' '(Default)') == "$exe \"%1\"" ]] ||
    fail "lesson files do not open with $exe"
[[ $(reg_value 'HKLM\Software\Classes\SystemesRegulation.Seance\DefaultIcon' '(Default)') == "$exe,1" ]] ||
    fail "lesson files do not take the program's second icon"
entries=$(uninstall_entries)
[[ $entries == "$product_code" ]] || fail "the installed-programs entries are \"$entries\", not $product_code"
entry="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"
[[ $(reg_value "$entry" DisplayVersion) == "$version" ]] || fail "the entry's version is not $version"
[[ $(reg_value "$entry" Publisher) == "$publisher" ]] || fail "the entry's publisher is not \"$publisher\""
wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | grep -q 'ProductIcon.*programme\.ico' ||
    fail "the entry has no icon"
# The icon the lesson type names: the program's second.
icons=$(/usr/bin/python3 -c 'import sys, pefile
pe = pefile.PE(sys.argv[1], fast_load=True)
pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
print(sum(len(e.directory.entries) for e in pe.DIRECTORY_ENTRY_RESOURCE.entries
          if e.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]))' "$installed/systemes-regulation.exe")
((icons >= 2)) || fail "the program holds $icons icon(s): lesson files have none of their own"
step "installed: the zip's $(cd "$stage" && find . -type f | wc -l) files, two Start-menu shortcuts, the lesson type, the entry $version by \"$publisher\""

# A higher version over it replaces it in place.
higher=${version%.*}.$((${version##*.} + 1))
bash "$here/../../packaging/windows/msi.sh" "$stage" "$higher" "$work/higher.msi" >/dev/null
install "$work/higher.msi"
entries=$(uninstall_entries)
[[ $(wc -l <<<"$entries") == 1 && $(reg_value "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$entries" DisplayVersion) == "$higher" ]] ||
    fail "after $higher over $version the entries are: $entries"
[[ -f $installed/systemes-regulation.exe ]] || fail "the upgrade to $higher removed the program"
# And the older one refuses to go over it.
! wine msiexec /i "$(wine_path "$msi")" /qn 2>/dev/null || fail "$version installed over $higher"
after=$(uninstall_entries)
[[ $after == "$entries" ]] || fail "$version over $higher changed the entries"
uninstall "$work/higher.msi"
nothing_left "uninstalling $higher after $version"
step "$higher over $version left one entry, of $higher, and $version refused to go back over it; uninstalling left nothing"

# The IT service's choices, in a fresh prefix: a desktop shortcut, no projection shortcut.
wineserver -k -w 2>/dev/null || true
start_wine "$work/prefix"
install "$msi" RACCOURCI_BUREAU=1 RACCOURCI_PROJECTION=0
desktop=$(find -L "$WINEPREFIX/drive_c/users" -path '*/Desktop/*' -name "$title.lnk" 2>/dev/null | head -n1)
[[ -n $desktop ]] || fail "RACCOURCI_BUREAU=1 made no desktop shortcut"
made=$(shortcuts)
[[ $made != *projection* ]] || fail "RACCOURCI_PROJECTION=0 still made the projection shortcut"
uninstall "$msi"
nothing_left "uninstalling with RACCOURCI_BUREAU=1 RACCOURCI_PROJECTION=0"
step "OK: RACCOURCI_BUREAU=1 and RACCOURCI_PROJECTION=0 obeyed; uninstalled silently, nothing left"
