#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows Installer package from the folder the portable zip holds,
# with wixl (Debian's msitools), and prints its SHA-256:
#
#     packaging/windows/msi.sh STAGE VERSION OUTPUT.msi
#
# The product code is derived from the upgrade code and the version, so that
# two builds of one version are one product and each version is another. The
# package's files must be exactly the folder's: a file the zip gained without
# a component in the .wxs, or a component whose file is gone, stops the build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
readonly wxs=$here/systemes-regulation.wxs

fail() {
    echo "systemes-regulation msi: $*" >&2
    exit 1
}
[[ $# -eq 3 && -d $1 ]] || fail "usage: $0 STAGE VERSION OUTPUT.msi"
stage=$(cd "$1" && pwd)
version=$2
output=$3
for tool in wixl msibuild msiinfo python3 sha256sum; do
    command -v "$tool" >/dev/null || fail "$tool is missing: sudo apt-get install wixl msitools python3"
done

listed=$(sed -n 's|.*Source="$(var.Stage)/\([^"]*\)".*|\1|p' "$wxs" | sort)
shipped=$(cd "$stage" && find . -type f -printf '%P\n' | sort)
[[ $listed == "$shipped" ]] ||
    fail "the package's files and the zip's differ: $(diff <(echo "$listed") <(echo "$shipped") | sed -n 's/^[<>] //p' | tr '\n' ' ')"

upgrade_code=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$wxs")
product_code=$(python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), "systemes-regulation " + sys.argv[2])).upper())' \
    "$upgrade_code" "$version")
homepage=$(sed -n 's/^REGULATION_HOMEPAGE:STRING=//p' "$root/build/windows/build/CMakeCache.txt" 2>/dev/null || true)

# wixl reads its sources relative to the folder it runs in.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$stage" "$work/stage"
ln -s "$root/packaging/icons" "$work/icons"
(cd "$work" && wixl --arch x64 -D Version="$version" -D ProductCode="$product_code" \
    -D Stage=stage -D Icons=icons -D Homepage="${homepage:-https://example.org/systemes-regulation/}" \
    -o package.msi "$wxs") || fail "wixl could not build the package"
# What wixl does not write: the shortcuts' conditions, and the properties an
# elevated installation takes from the command line.
msibuild "$work/package.msi" -q "UPDATE \`Component\` SET \`Condition\` = 'RACCOURCI_PROJECTION = \"1\"' WHERE \`Component\` = 'RaccourciProjection'" ||
    fail "could not set the projection shortcut's condition"
msibuild "$work/package.msi" -q "UPDATE \`Component\` SET \`Condition\` = 'RACCOURCI_BUREAU = \"1\"' WHERE \`Component\` = 'RaccourciBureau'" ||
    fail "could not set the desktop shortcut's condition"
secure=$(msiinfo export "$work/package.msi" Property | sed -n 's/^SecureCustomProperties\t//p')
msibuild "$work/package.msi" -q "UPDATE \`Property\` SET \`Value\` = '${secure:+$secure;}RACCOURCI_BUREAU;RACCOURCI_PROJECTION' WHERE \`Property\` = 'SecureCustomProperties'" ||
    fail "could not make the shortcuts' properties secure"
mv "$work/package.msi" "$output"
sha256sum "$output" | sed 's/^\([0-9a-f]*\) .*/SHA-256 \1/'
